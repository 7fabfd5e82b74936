#include "books/household/MemberValidation.h"

#include "app/Catalog.h"
#include "app/PromptPort.h"
#include "db/Dataset.h"

using namespace Qt::StringLiterals;

namespace MemberValidation {

namespace {

constexpr qint64 MsPerYear = 31'557'600'000; // 365.25 days

bool isEmpty(const QVariant &v)
{
    return !v.isValid() || v.isNull();
}

bool isEmptyText(const QVariant &v)
{
    return v.toString().isEmpty();
}

// An empty value is 0 here: it matches none of the codes the rules ask for.
int code(const QVariant &v)
{
    return v.toInt();
}

} // namespace

const QStringList &forbiddenIins()
{
    static const QStringList values = {
        u"000000000000"_s, u"000000000001"_s, u"100000000000"_s, u"111111111111"_s, u"222222222222"_s,
        u"123456789123"_s, u"111222333444"_s, u"333333333333"_s, u"444444444444"_s, u"555555555555"_s,
        u"666666666666"_s, u"777777777777"_s, u"888888888888"_s, u"999999999999"_s, u"000011111111"_s,
        u"000012312312"_s, u"000033333333"_s, u"000000222222"_s, u"000006666666"_s, u"000000123456"_s,
    };
    return values;
}

bool isForbiddenOnSave(const QString &iin)
{
    return forbiddenIins().first(ForbiddenOnSave).contains(iin);
}

int ageInYears(const QDate &birth, const QDateTime &now)
{
    const qint64 ms = qAbs(QDateTime(birth, QTime(0, 0)).msecsTo(now));
    return int(ms / MsPerYear);
}

QString requiredFieldsMessage()
{
    return catalog(u"a64"_s) + u"\r\n"_s + catalog(u"a65"_s) + u"\r\n"_s + catalog(u"a66"_s);
}

QString firstFailure(const FieldValue &value, const QDateTime &now)
{
    // Education is named in the message but not required.
    const bool missing = isEmpty(value(u"POR_NOM"_s))
                         || (isEmptyText(value(u"FAM"_s)) && isEmptyText(value(u"IM"_s)))
                         || isEmpty(value(u"DATE_R"_s)) || isEmpty(value(u"SROGD_ID"_s))
                         || isEmpty(value(u"POL_SPP_ID"_s)) || isEmpty(value(u"KN_ID"_s))
                         || isEmpty(value(u"SID_ID"_s)) || isEmptyText(value(u"IIN"_s));
    if (missing)
        return requiredFieldsMessage();

    const QString iin = value(u"IIN"_s).toString();
    if (iin.size() < 12)
        return catalog(u"iin12"_s);
    // Whole values only: letters and duplicates are left to the batch check.
    if (isForbiddenOnSave(iin))
        return u"Ошибка не понятные буквы, иероглифы и т.д., дубли по коду ИИН не допускаются."_s;

    const QDate birth = value(u"DATE_R"_s).toDate();
    if (QDateTime(birth, QTime(0, 0)) > now)
        return u"Год рождения не должен превышать текущего года и месяца!"_s;
    const int age = ageInYears(birth, now);
    if (age < 16 && code(value(u"SROGD_ID"_s)) == 1)
        return u"Несовершеннолетний член домашнего хозяйства не может быть главой домашнего хозяйства!"_s;
    if (code(value(u"IS_TEMP"_s)) == 1 && isEmpty(value(u"DATE_IN"_s)))
        return u"Человек временно проживает в данном населенном пункте, заполните поле «дата прибытия»!"_s;

    // The source of livelihood an employment status implies, for adults with
    // an education level from 3 to 9.
    const int education = code(value(u"SUODH_ID"_s));
    if (age < 15 || education < 3 || education > 9)
        return {};
    const QVariant employment = value(u"PZ_ID"_s);
    if (isEmpty(employment))
        return {};
    const int status = code(employment);
    const int source = code(value(u"SID_ID"_s));
    if (status == 1 && source != 1)
        return catalog(u"a108"_s);
    if ((status == 2 || status == 3 || status == 5) && source != 2)
        return catalog(u"a109"_s);
    if (status == 4 && source != 3)
        return catalog(u"a110"_s);
    return {};
}

QString firstFailure(const Dataset &member, const QDateTime &now)
{
    return firstFailure([&member](const QString &field) { return member.value(field); }, now);
}

void SRNvalidate(const Dataset &member, PromptPort &port, const QDateTime &now)
{
    const QString message = firstFailure(member, now);
    if (message.isEmpty())
        return;
    port.showMessage(message);
    throw Abort{};
}

} // namespace MemberValidation
