#include "app/PasswordPolicy.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// A text that reads as a whole number. Any number of digits counts, so a
// long run of digits gets the digits message rather than a letters one.
bool isWholeNumber(const QString &text)
{
    static const QRegularExpression number(u"^\\s*[+-]?[0-9]+\\s*$"_s);
    return number.match(text).hasMatch();
}

} // namespace

namespace PasswordPolicy {

QString firstBreak(const QString &password)
{
    if (password.size() < MinimumLength)
        return u"Длина пароля не соответствует политике безопасности! Пароль должен содержать не менее 8-ми символов"_s;
    if (isWholeNumber(password))
        return u"Пароль не соответствует политике безопасности! Пароль не должен содержать только цифры!"_s;
    if (password.toUpper() == password) // nothing that upper-casing changes: no small letter
        return u"Пароль не соответствует политике безопасности! Пароль должен содержать символы !"_s;
    if (password.toLower() == password)
        return u"Пароль не соответствует политике безопасности! Пароль должен содержать заглавные буквы!"_s;
    return {};
}

} // namespace PasswordPolicy
