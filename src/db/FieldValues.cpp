#include "db/FieldValues.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace FieldValues {

namespace {

DatasetError notValid(const QVariant &value, const char *what)
{
    return DatasetError(QStringLiteral("'%1' is not a valid %2").arg(value.toString(), QLatin1String(what))
                            .toStdString());
}

bool isIntegral(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant &v)
{
    return v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float;
}

// Text without a digit is an empty entry of a masked date edit ("  .  .    ").
bool hasDigit(const QString &s)
{
    for (QChar c : s) {
        if (c.isDigit())
            return true;
    }
    return false;
}

QVariant toDecimal(const QVariant &value, const FieldInfo &f)
{
    if (value.metaType() == QMetaType::fromType<Decimal>())
        return QVariant::fromValue(value.value<Decimal>().withScale(f.scale));
    if (value.metaType().id() == QMetaType::Bool)
        return QVariant::fromValue(Decimal::fromInt(value.toBool() ? 1 : 0).withScale(f.scale));
    if (isIntegral(value))
        return QVariant::fromValue(Decimal::fromInt(value.toLongLong()).withScale(f.scale));
    if (isFloating(value)) {
        if (!std::isfinite(value.toDouble()))
            throw notValid(value, "floating point value");
        return QVariant::fromValue(Decimal::fromDouble(value.toDouble(), f.scale));
    }
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return {};
    if (const std::optional<Decimal> d = Decimal::parse(text, f.scale))
        return QVariant::fromValue(*d);
    throw notValid(value, "floating point value");
}

QVariant toInteger(const QVariant &value, const FieldInfo &f)
{
    const bool wide = f.type.id() == QMetaType::LongLong;
    qlonglong n = 0;
    bool ok = true;
    if (value.metaType() == QMetaType::fromType<Decimal>()) {
        const Decimal d = value.value<Decimal>();
        const Decimal whole = d.withScale(0);
        ok = whole == d;
        n = whole.units();
    } else if (value.metaType().id() == QMetaType::Bool) {
        n = value.toBool() ? 1 : 0;
    } else if (isIntegral(value)) {
        n = value.toLongLong(&ok);
    } else if (isFloating(value)) {
        const double x = value.toDouble();
        ok = std::isfinite(x) && std::trunc(x) == x && std::fabs(x) < 9.2e18;
        n = ok ? static_cast<qlonglong>(x) : 0;
    } else {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        n = text.toLongLong(&ok);
    }
    if (ok && !wide)
        ok = n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max();
    if (!ok)
        throw notValid(value, "integer value");
    return wide ? QVariant(n) : QVariant(int(n));
}

QVariant toDate(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().isValid() ? value : QVariant();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().date()) : QVariant();
    const QString text = value.toString().trimmed();
    if (!hasDigit(text))
        return {};
    for (const QString &format : {u"dd.MM.yyyy"_s, u"d.M.yyyy"_s}) {
        const QDate d = QDate::fromString(text, format);
        if (d.isValid())
            return d;
    }
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    throw notValid(value, "date");
}

QVariant toDateTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().isValid() ? value : QVariant();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().isValid() ? QVariant(value.toDate().startOfDay()) : QVariant();
    const QString text = value.toString().trimmed();
    if (!hasDigit(text))
        return {};
    for (const QString &format : {u"dd.MM.yyyy HH:mm:ss"_s, u"dd.MM.yyyy HH:mm"_s, u"dd.MM.yyyy"_s}) {
        const QDateTime d = QDateTime::fromString(text, format);
        if (d.isValid())
            return d;
    }
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    throw notValid(value, "date and time");
}

} // namespace

bool isDecimal(const FieldInfo &field)
{
    return field.type == QMetaType::fromType<Decimal>();
}

// A value given by code or typed by the user, in the field's own type.
QVariant convert(const QVariant &value, const FieldInfo &f)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (isDecimal(f))
        return toDecimal(value, f);
    switch (f.type.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return toInteger(value, f);
    case QMetaType::QString: {
        // An empty text is NULL, as the database and the checks treat it.
        const QString text = value.metaType().id() == QMetaType::QDate ? value.toDate().toString(u"dd.MM.yyyy"_s)
                                                                      : value.toString();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case QMetaType::QDate:
        return toDate(value);
    case QMetaType::QDateTime:
        return toDateTime(value);
    case QMetaType::Double: {
        if (value.metaType() == QMetaType::fromType<Decimal>())
            return value.value<Decimal>().toDouble();
        if (isIntegral(value) || isFloating(value))
            return value.toDouble();
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        bool ok = false;
        const double x = QString(text).replace(u',', u'.').toDouble(&ok);
        if (!ok)
            throw notValid(value, "floating point value");
        return x;
    }
    default:
        return value;
    }
}

QString displayText(const QVariant &value)
{
    if (!value.isValid())
        return {};
    if (value.metaType() == QMetaType::fromType<Decimal>())
        return value.value<Decimal>().toString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(u"dd.MM.yyyy"_s);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(u"dd.MM.yyyy HH:mm:ss"_s);
    case QMetaType::QTime:
        return value.toTime().toString(u"HH:mm:ss"_s);
    case QMetaType::Double:
        return QLocale::c().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace FieldValues
