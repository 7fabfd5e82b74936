#pragma once

#include <QString>

// The rules a new password must meet, tested in order: at least 8
// characters; not digits alone; a lower-case letter; an upper-case letter.
// Letters of every alphabet count (Cyrillic as well as Latin).
namespace PasswordPolicy {

inline constexpr int MinimumLength = 8;

// The message of the first rule the password breaks; empty when it meets all.
QString firstBreak(const QString &password);

} // namespace PasswordPolicy
