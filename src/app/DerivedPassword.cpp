#include "app/DerivedPassword.h"

namespace {

QChar fixedLetter(int index, bool upper)
{
    const QChar letter = QLatin1Char(DerivedPassword::Letters[index]);
    return upper ? letter.toUpper() : letter;
}

// Only A-Z: the rule leaves every other alphabet as typed.
QChar latinLower(QChar c)
{
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c;
}

} // namespace

namespace DerivedPassword {

QString of(const QString &login)
{
    quint64 sum = 0;
    for (const QChar c : login)
        sum += c.unicode();

    QString result = QString::number(sum);
    for (const QChar c : login.left(2))
        result += latinLower(c);
    result += fixedLetter(0, sum % 2 == 1);
    result += fixedLetter(1, login.size() % 2 == 1);
    result += fixedLetter(2, login.size() <= 10);
    return result;
}

} // namespace DerivedPassword
