#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// An exact decimal: a 64-bit count of units of 10^-scale. Areas, sums and
// capacities are carried in this form from the moment they are read, so that
// no rule ever adds or compares binary floating-point values (0.1 + 0.2 is 0.3).
// Arithmetic and comparison align the scales first; the result takes the
// larger scale.
class Decimal
{
public:
    Decimal() = default; // 0 with scale 0
    static Decimal fromUnits(qint64 units, int scale);
    static Decimal fromInt(qint64 value) { return fromUnits(value, 0); }

    // Rounds a value the database driver handed over as a double to `scale`
    // places (half away from zero). Exact for every value with at most 15
    // significant digits, which covers every value the forms accept.
    static Decimal fromDouble(double value, int scale);

    // "12", "-12.5", "12,5", " 7 " (blanks trimmed); more places than `scale`
    // are refused, as are empty text, signs in the middle and exponents.
    static std::optional<Decimal> parse(QStringView text, int scale);

    qint64 units() const { return m_units; }
    int scale() const { return m_scale; }

    // The same value with `scale` places, rounded half away from zero when
    // places are dropped.
    Decimal withScale(int scale) const;

    // Plain decimal notation with exactly scale() places ("12.50", "-0.001"),
    // never an exponent; scale 0 gives a whole number.
    QString toString() const;
    // Like toString() but with trailing zeros of the fraction (and a bare
    // point) removed: "12.5", "12".
    QString toShortString() const;
    double toDouble() const;

    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a);
    friend bool operator==(const Decimal &a, const Decimal &b);
    friend bool operator!=(const Decimal &a, const Decimal &b) { return !(a == b); }
    friend bool operator<(const Decimal &a, const Decimal &b);
    friend bool operator>(const Decimal &a, const Decimal &b) { return b < a; }
    friend bool operator<=(const Decimal &a, const Decimal &b) { return !(b < a); }
    friend bool operator>=(const Decimal &a, const Decimal &b) { return !(a < b); }

private:
    qint64 m_units = 0;
    int m_scale = 0;
};

Q_DECLARE_METATYPE(Decimal)
