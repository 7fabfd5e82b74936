#include "db/Decimal.h"

#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int MaxScale = 18;

constexpr qint64 Pow10[MaxScale + 1] = {
    1LL,
    10LL,
    100LL,
    1000LL,
    10000LL,
    100000LL,
    1000000LL,
    10000000LL,
    100000000LL,
    1000000000LL,
    10000000000LL,
    100000000000LL,
    1000000000000LL,
    10000000000000LL,
    100000000000000LL,
    1000000000000000LL,
    10000000000000000LL,
    100000000000000000LL,
    1000000000000000000LL,
};

void checkScale(int scale)
{
    if (scale < 0 || scale > MaxScale)
        qFatal("Decimal: scale %d is outside 0..%d", scale, MaxScale);
}

// No form value comes near the limits, so leaving them is a programming error:
// stopping beats carrying a wrapped-around number into the register.
qint64 narrow(__int128 value)
{
    if (value > std::numeric_limits<qint64>::max() || value < std::numeric_limits<qint64>::min())
        qFatal("Decimal: value out of the 64-bit range");
    return static_cast<qint64>(value);
}

__int128 unitsAt(const Decimal &d, int scale)
{
    return static_cast<__int128>(d.units()) * Pow10[scale - d.scale()];
}

// Divides by 10^places, rounding half away from zero.
__int128 dropPlaces(__int128 units, int places)
{
    if (places == 0)
        return units;
    const qint64 divisor = Pow10[places];
    __int128 quotient = units / divisor;
    const __int128 remainder = units % divisor;
    if ((remainder < 0 ? -remainder : remainder) * 2 >= divisor)
        quotient += units < 0 ? -1 : 1;
    return quotient;
}

// Digits of a plain number: sign, whole part and fraction, no exponent.
struct DecimalText
{
    bool negative = false;
    QByteArray whole;
    QByteArray fraction;
};

// Units of `text` at `scale` when its fraction has at most `scale` digits;
// nullopt when it is too long or the value leaves the 64-bit range.
std::optional<qint64> unitsOf(const DecimalText &text, int scale)
{
    if (text.fraction.size() > scale)
        return std::nullopt;
    __int128 units = 0;
    for (char c : text.whole) {
        units = units * 10 + (c - '0');
        if (units > (static_cast<__int128>(1) << 64))
            return std::nullopt;
    }
    for (int i = 0; i < scale; ++i)
        units = units * 10 + (i < text.fraction.size() ? text.fraction.at(i) - '0' : 0);
    if (text.negative)
        units = -units;
    if (units > std::numeric_limits<qint64>::max() || units < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return static_cast<qint64>(units);
}

[[maybe_unused]] const bool conversionsRegistered = [] {
    QMetaType::registerConverter<Decimal, QString>(&Decimal::toString);
    QMetaType::registerConverter<Decimal, double>(&Decimal::toDouble);
    return true;
}();

} // namespace

Decimal Decimal::fromUnits(qint64 units, int scale)
{
    checkScale(scale);
    Decimal d;
    d.m_units = units;
    d.m_scale = scale;
    return d;
}

Decimal Decimal::fromDouble(double value, int scale)
{
    checkScale(scale);
    if (!std::isfinite(value))
        qFatal("Decimal: cannot hold a value that is not finite");
    // The shortest text that reads back as the same double is the decimal the
    // value stands for (0.285, not 0.28499999999999998), so rounding that text
    // gives what a person expects; multiplying by 10^scale would not.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    Q_ASSERT(result.ec == std::errc());
    const QByteArray text(buffer, result.ptr - buffer);

    DecimalText parts;
    int pos = 0;
    if (text.startsWith('-')) {
        parts.negative = true;
        pos = 1;
    }
    const int point = text.indexOf('.', pos);
    parts.whole = text.mid(pos, point < 0 ? -1 : point - pos);
    const QByteArray fraction = point < 0 ? QByteArray() : text.mid(point + 1);
    parts.fraction = fraction.left(scale);
    const bool roundUp = fraction.size() > scale && fraction.at(scale) >= '5';

    const std::optional<qint64> units = unitsOf(parts, scale);
    if (!units)
        qFatal("Decimal: %s does not fit with %d places", text.constData(), scale);
    __int128 rounded = *units;
    if (roundUp)
        rounded += parts.negative ? -1 : 1;
    return fromUnits(narrow(rounded), scale);
}

std::optional<Decimal> Decimal::parse(QStringView text, int scale)
{
    checkScale(scale);
    const QStringView s = text.trimmed();
    DecimalText parts;
    int pos = 0;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        parts.negative = s.front() == u'-';
        pos = 1;
    }
    bool seenPoint = false;
    for (; pos < s.size(); ++pos) {
        const QChar c = s.at(pos);
        if (c == u'.' || c == u',') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            (seenPoint ? parts.fraction : parts.whole).append(char(c.unicode()));
        } else {
            return std::nullopt;
        }
    }
    if (parts.whole.isEmpty() && parts.fraction.isEmpty())
        return std::nullopt;
    const std::optional<qint64> units = unitsOf(parts, scale);
    if (!units)
        return std::nullopt;
    return fromUnits(*units, scale);
}

Decimal Decimal::withScale(int scale) const
{
    checkScale(scale);
    if (scale >= m_scale)
        return fromUnits(narrow(unitsAt(*this, scale)), scale);
    return fromUnits(narrow(dropPlaces(m_units, m_scale - scale)), scale);
}

QString Decimal::toString() const
{
    // Through unsigned magnitude so that the most negative value prints too.
    const quint64 magnitude = m_units < 0 ? 0 - static_cast<quint64>(m_units) : static_cast<quint64>(m_units);
    QString digits = QString::number(magnitude);
    if (m_scale > 0) {
        if (digits.size() <= m_scale)
            digits.prepend(QString(m_scale - digits.size() + 1, u'0'));
        digits.insert(digits.size() - m_scale, u'.');
    }
    if (m_units < 0)
        digits.prepend(u'-');
    return digits;
}

QString Decimal::toShortString() const
{
    QString s = toString();
    if (m_scale == 0)
        return s;
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

double Decimal::toDouble() const
{
    // One correctly rounded division: the nearest double to the decimal value
    // whenever the units fit the 53-bit mantissa.
    return static_cast<double>(m_units) / static_cast<double>(Pow10[m_scale]);
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    return Decimal::fromUnits(narrow(unitsAt(a, scale) + unitsAt(b, scale)), scale);
}

Decimal operator-(const Decimal &a, const Decimal &b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    return Decimal::fromUnits(narrow(unitsAt(a, scale) - unitsAt(b, scale)), scale);
}

Decimal operator-(const Decimal &a)
{
    return Decimal::fromUnits(narrow(-static_cast<__int128>(a.m_units)), a.m_scale);
}

bool operator==(const Decimal &a, const Decimal &b)
{
    // 128-bit alignment: comparing never overflows, whatever the scales.
    const int scale = std::max(a.m_scale, b.m_scale);
    return unitsAt(a, scale) == unitsAt(b, scale);
}

bool operator<(const Decimal &a, const Decimal &b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    return unitsAt(a, scale) < unitsAt(b, scale);
}
