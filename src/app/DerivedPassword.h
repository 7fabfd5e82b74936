#pragma once

#include <QString>

// The password every login name carries with it, built afresh each time it is
// needed and never stored by itself. Five pieces, joined:
//   1. the sum of the login's UTF-16 code units, in decimal;
//   2. the login's first two characters, Latin A-Z lower-cased (Cyrillic and
//      everything else kept);
//   3. Letters[0], upper case when that sum is odd, lower case when even;
//   4. Letters[1], upper case when the login's length is odd, lower when even;
//   5. Letters[2], upper case when the login has at most 10 characters,
//      lower case when it has more.
// The length is the number of digits of the sum plus 5.
namespace DerivedPassword {

// The three fixed letters, in lower case.
inline constexpr char Letters[] = "wqj";

QString of(const QString &login);

} // namespace DerivedPassword
