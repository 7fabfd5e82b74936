#include "db/Decimal.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace QTest {
template<>
char *toString(const Decimal &d)
{
    return qstrdup(qPrintable(u"%1 (scale %2)"_s.arg(d.toString()).arg(d.scale())));
}
} // namespace QTest

class TestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void fromDouble_data();
    void fromDouble();
    void withScaleRoundsHalfAwayFromZero_data();
    void withScaleRoundsHalfAwayFromZero();
    void tenthsAddUpExactly();
    void comparesAcrossScales_data();
    void comparesAcrossScales();
    void textNeverUsesAnExponent_data();
    void textNeverUsesAnExponent();
    void travelsInAVariant();
};

void TestDecimal::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("units");

    QTest::newRow("whole") << u"12"_s << 2 << true << 1200LL;
    QTest::newRow("comma") << u"0,5"_s << 1 << true << 5LL;
    QTest::newRow("point") << u"-1.25"_s << 2 << true << -125LL;
    QTest::newRow("fewer places") << u"3.5"_s << 4 << true << 35000LL;
    QTest::newRow("blanks trimmed") << u" 7 "_s << 0 << true << 7LL;
    QTest::newRow("plus sign") << u"+4,25"_s << 2 << true << 425LL;
    QTest::newRow("no whole part") << u",75"_s << 2 << true << 75LL;
    QTest::newRow("negative zero") << u"-0.00"_s << 2 << true << 0LL;
    QTest::newRow("area of land") << u"1234567.8912"_s << 4 << true << 12345678912LL;
    QTest::newRow("fifteen digits") << u"99999999999.9999"_s << 4 << true << 999999999999999LL;
    QTest::newRow("exponent") << u"1e3"_s << 0 << false << 0LL;
    QTest::newRow("too many places") << u"1.255"_s << 2 << false << 0LL;
    QTest::newRow("places on a whole field") << u"1.5"_s << 0 << false << 0LL;
    QTest::newRow("empty") << u""_s << 2 << false << 0LL;
    QTest::newRow("blank") << u"   "_s << 2 << false << 0LL;
    QTest::newRow("sign alone") << u"-"_s << 2 << false << 0LL;
    QTest::newRow("point alone") << u"."_s << 2 << false << 0LL;
    QTest::newRow("sign in the middle") << u"1-2"_s << 2 << false << 0LL;
    QTest::newRow("two separators") << u"1.2,5"_s << 2 << false << 0LL;
    QTest::newRow("inner blank") << u"1 000"_s << 2 << false << 0LL;
    QTest::newRow("letters") << u"abc"_s << 2 << false << 0LL;
    QTest::newRow("beyond 64 bits") << u"92233720368547758.08"_s << 2 << false << 0LL;
}

void TestDecimal::parse()
{
    QFETCH(QString, text);
    QFETCH(int, scale);
    QFETCH(bool, valid);
    QFETCH(qlonglong, units);

    const std::optional<Decimal> d = Decimal::parse(text, scale);
    QCOMPARE(d.has_value(), valid);
    if (valid) {
        QCOMPARE(d->units(), units);
        QCOMPARE(d->scale(), scale);
    }
}

void TestDecimal::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("text");

    // Values as the driver hands NUMERIC columns over (units * 10^-scale).
    QTest::newRow("NUMERIC(18,4) area") << 1234567.8912 << 4 << u"1234567.8912"_s;
    QTest::newRow("NUMERIC(18,4) small") << 0.0001 << 4 << u"0.0001"_s;
    QTest::newRow("NUMERIC(18,1) tenth read as 3*0.1") << 0.30000000000000004 << 1 << u"0.3"_s;
    QTest::newRow("NUMERIC(18,2) 15 digits") << 9999999999999.99 << 2 << u"9999999999999.99"_s;
    QTest::newRow("NUMERIC(18,4) negative") << -1234567.8912 << 4 << u"-1234567.8912"_s;
    // Rounding to fewer places, half away from zero, by the decimal the double stands for.
    QTest::newRow("0.285 to 2 places") << 0.285 << 2 << u"0.29"_s;
    QTest::newRow("-0.285 to 2 places") << -0.285 << 2 << u"-0.29"_s;
    QTest::newRow("1.005 to 2 places") << 1.005 << 2 << u"1.01"_s;
    QTest::newRow("2.675 to 2 places") << 2.675 << 2 << u"2.68"_s;
    QTest::newRow("below half") << 1.234 << 2 << u"1.23"_s;
    QTest::newRow("half to whole") << 2.5 << 0 << u"3"_s;
    QTest::newRow("negative half to whole") << -2.5 << 0 << u"-3"_s;
    QTest::newRow("carry through nines") << 9.9999 << 3 << u"10.000"_s;
    QTest::newRow("zero") << 0.0 << 2 << u"0.00"_s;
    QTest::newRow("negative tiny to zero") << -0.001 << 2 << u"0.00"_s;
}

void TestDecimal::fromDouble()
{
    QFETCH(double, value);
    QFETCH(int, scale);
    QFETCH(QString, text);

    const Decimal d = Decimal::fromDouble(value, scale);
    QCOMPARE(d.scale(), scale);
    QCOMPARE(d.toString(), text);
}

void TestDecimal::withScaleRoundsHalfAwayFromZero_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("text");

    QTest::newRow("drop to half up") << u"1.2350"_s << 2 << u"1.24"_s;
    QTest::newRow("drop negative half") << u"-1.2350"_s << 2 << u"-1.24"_s;
    QTest::newRow("drop below half") << u"1.2349"_s << 2 << u"1.23"_s;
    QTest::newRow("widen") << u"1.5"_s << 3 << u"1.500"_s;
    QTest::newRow("to whole") << u"0.5"_s << 0 << u"1"_s;
}

void TestDecimal::withScaleRoundsHalfAwayFromZero()
{
    QFETCH(QString, value);
    QFETCH(int, scale);
    QFETCH(QString, text);

    const Decimal d = *Decimal::parse(value, 4);
    QCOMPARE(d.withScale(scale).toString(), text);
}

void TestDecimal::tenthsAddUpExactly()
{
    const Decimal a = *Decimal::parse(u"0.1", 1);
    const Decimal b = *Decimal::parse(u"0.2", 1);
    const Decimal c = *Decimal::parse(u"0.3", 1);
    QCOMPARE(a + b, c);
    QVERIFY(!(a + b < c) && !(a + b > c));
    QCOMPARE(c - b - a, Decimal());
    QCOMPARE((-a).toString(), u"-0.1"_s);

    // A total read from the database against its parts, as a land rule sees them.
    const Decimal total = Decimal::fromDouble(0.30000000000000004, 4);
    const Decimal parts = Decimal::fromDouble(0.1, 4) + Decimal::fromDouble(0.2, 4);
    QVERIFY(!(total < parts));
    QCOMPARE(total, parts);
}

void TestDecimal::comparesAcrossScales_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("scaleA");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("scaleB");
    QTest::addColumn<int>("order"); // -1 a < b, 0 equal, 1 a > b

    QTest::newRow("1.5 = 1.5000") << u"1.5"_s << 1 << u"1.5000"_s << 4 << 0;
    QTest::newRow("2 = 2.00") << u"2"_s << 0 << u"2.00"_s << 2 << 0;
    QTest::newRow("1.5 < 1.5001") << u"1.5"_s << 1 << u"1.5001"_s << 4 << -1;
    QTest::newRow("-0.1 < 0") << u"-0.1"_s << 1 << u"0"_s << 0 << -1;
    QTest::newRow("10 > 9.9999") << u"10"_s << 0 << u"9.9999"_s << 4 << 1;
    QTest::newRow("big whole vs many places") << u"900000000000000000"_s << 0 << u"1.0000"_s << 4 << 1;
}

void TestDecimal::comparesAcrossScales()
{
    QFETCH(QString, a);
    QFETCH(int, scaleA);
    QFETCH(QString, b);
    QFETCH(int, scaleB);
    QFETCH(int, order);

    const Decimal x = *Decimal::parse(a, scaleA);
    const Decimal y = *Decimal::parse(b, scaleB);
    QCOMPARE(x == y, order == 0);
    QCOMPARE(x != y, order != 0);
    QCOMPARE(x < y, order < 0);
    QCOMPARE(x > y, order > 0);
    QCOMPARE(x <= y, order <= 0);
    QCOMPARE(x >= y, order >= 0);
}

void TestDecimal::textNeverUsesAnExponent_data()
{
    QTest::addColumn<qlonglong>("units");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortText");

    QTest::newRow("1e15 whole") << 1000000000000000LL << 0 << u"1000000000000000"_s << u"1000000000000000"_s;
    QTest::newRow("1e15 at 2 places")
        << 100000000000000000LL << 2 << u"1000000000000000.00"_s << u"1000000000000000"_s;
    QTest::newRow("1e14 at 4 places")
        << 1000000000000000000LL << 4 << u"100000000000000.0000"_s << u"100000000000000"_s;
    QTest::newRow("largest NUMERIC(18,4)")
        << 9223372036854775807LL << 4 << u"922337203685477.5807"_s << u"922337203685477.5807"_s;
    QTest::newRow("most negative")
        << (-9223372036854775807LL - 1) << 2 << u"-92233720368547758.08"_s << u"-92233720368547758.08"_s;
    QTest::newRow("tiny") << 1LL << 4 << u"0.0001"_s << u"0.0001"_s;
    QTest::newRow("negative tiny") << -1LL << 3 << u"-0.001"_s << u"-0.001"_s;
    QTest::newRow("trailing zeros") << 1250LL << 2 << u"12.50"_s << u"12.5"_s;
    QTest::newRow("whole with places") << 1200LL << 2 << u"12.00"_s << u"12"_s;
    QTest::newRow("zero with places") << 0LL << 4 << u"0.0000"_s << u"0"_s;
}

void TestDecimal::textNeverUsesAnExponent()
{
    QFETCH(qlonglong, units);
    QFETCH(int, scale);
    QFETCH(QString, text);
    QFETCH(QString, shortText);

    const Decimal d = Decimal::fromUnits(units, scale);
    QCOMPARE(d.toString(), text);
    QCOMPARE(d.toShortString(), shortText);
    QCOMPARE(Decimal::parse(d.toString(), scale), std::optional<Decimal>(d));
}

void TestDecimal::travelsInAVariant()
{
    const Decimal d = *Decimal::parse(u"12.50", 2);
    const QVariant v = QVariant::fromValue(d);
    QCOMPARE(v.toString(), u"12.50"_s);
    QCOMPARE(v.toDouble(), 12.5);
    QCOMPARE(v.value<Decimal>(), d);
    QVERIFY(v == QVariant::fromValue(*Decimal::parse(u"12.5", 1)));
    QVERIFY(v != QVariant::fromValue(*Decimal::parse(u"12.51", 2)));
    QCOMPARE(QVariant::compare(v, QVariant::fromValue(*Decimal::parse(u"13", 0))), QPartialOrdering::Less);
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
