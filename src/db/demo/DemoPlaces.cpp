#include "db/demo/DemoPlaces.h"

#include "db/demo/DemoRandom.h"

using namespace Qt::StringLiterals;

namespace DemoPlaces {

Unit region()
{
    return {u"110000000"_s, u"Акмолинская область"_s};
}

Unit district()
{
    return {u"114200000"_s, u"Кокжарский район"_s};
}

Unit okrug()
{
    return {QString::fromLatin1(OkrugPrefix) + u"000"_s, u"Каражарский сельский округ"_s};
}

QString okrugAkim()
{
    return u"Жумабаев Ерлан Серикович"_s;
}

QList<Unit> settlements()
{
    const QString p = QString::fromLatin1(OkrugPrefix);
    return {
        {p + u"100"_s, u"село Каражар"_s},  {p + u"200"_s, u"село Акбулак"_s},
        {p + u"300"_s, u"село Жанаталап"_s}, {p + u"400"_s, u"село Талдыколь"_s},
        {p + u"500"_s, u"село Бирлик"_s},   {p + u"600"_s, u"село Коксай"_s},
    };
}

QString addressName(int settlement)
{
    return u"С. "_s + settlements().at(settlement).name.section(u' ', 1).toUpper();
}

} // namespace DemoPlaces

namespace {

const QStringList streetNames = {
    u"УЛ. АБАЯ"_s,        u"УЛ. ЦЕНТРАЛЬНАЯ"_s,   u"УЛ. ЖАМБЫЛА"_s,     u"УЛ. ШКОЛЬНАЯ"_s,
    u"УЛ. БАЙТУРСЫНОВА"_s, u"УЛ. МИРА"_s,          u"УЛ. СЕЙФУЛЛИНА"_s,  u"УЛ. МОЛОДЕЖНАЯ"_s,
    u"УЛ. АУЭЗОВА"_s,     u"УЛ. СТЕПНАЯ"_s,       u"УЛ. ДОСТЫК"_s,      u"УЛ. САДОВАЯ"_s,
    u"УЛ. БЕЙБИТШИЛИК"_s, u"УЛ. ОЗЕРНАЯ"_s,       u"УЛ. ТАУЕЛСИЗДИК"_s, u"УЛ. ЖЕНИС"_s,
    u"УЛ. ВАЛИХАНОВА"_s,  u"УЛ. АЛТЫНСАРИНА"_s,   u"УЛ. ЖЕЛТОКСАН"_s,   u"УЛ. НАУРЫЗ"_s,
    u"УЛ. ЦЕЛИННАЯ"_s,    u"УЛ. КУНАЕВА"_s,       u"УЛ. ЕСИЛЬ"_s,       u"ПЕР. ЗАПАДНЫЙ"_s,
};

// Share of the households per settlement, the centre being the largest.
const int settlementWeights[] = {34, 20, 16, 12, 10, 8};
const int streetsPerSettlement[] = {14, 9, 8, 6, 5, 5};
const int HousesPerStreet = 60;

} // namespace

DemoAddresses::DemoAddresses()
{
    for (int i = 0; i < int(std::size(streetsPerSettlement)); ++i) {
        Settlement s;
        s.streetLength = HousesPerStreet;
        for (int k = 0; k < streetsPerSettlement[i]; ++k) {
            s.streets << streetNames.at((i * 5 + k) % streetNames.size());
            s.numbers << 0;
        }
        m_settlements.append(s);
    }
}

DemoDwelling DemoAddresses::newHouse(int index, DemoRandom &r)
{
    Settlement &s = m_settlements[index];
    // Numbers run along a street; a full street hands over to the next, and
    // when every street is full they all grow longer.
    while (s.numbers.at(s.street) >= s.streetLength) {
        if (++s.street == int(s.streets.size())) {
            s.street = 0;
            s.streetLength += HousesPerStreet;
        }
    }
    s.numbers[s.street] += r.between(1, 2);
    ++s.houses;

    DemoDwelling d;
    d.settlement = index;
    d.street = s.streets.at(s.street);
    d.house = QString::number(s.numbers.at(s.street));
    if (r.percent(3))
        d.house += r.percent(60) ? u"А"_s : u"Б"_s;
    d.ikd = qint64(QString::fromLatin1(DemoPlaces::OkrugPrefix).toLongLong()) * 100000000LL
            + qint64(index + 1) * 1000000LL + s.houses;
    if (r.percent(70))
        d.ar = u"0"_s + r.digits(15);
    static const int walls[] = {1, 4, 6, 7, 8, 2, 3, 9};
    d.walls = walls[r.weighted({25, 20, 15, 25, 8, 3, 2, 2})];
    d.built = QDate(r.between(1950, 2022), 1, 1).addDays(r.between(0, 364));

    static const int types[] = {1, 6, 4, 7, 8, 9, 10, 5};
    d.spvob = types[r.weighted({72, 4, 12, 3, 3, 1, 2, 3})];
    switch (d.spvob) {
    case 4: s.flatsTotal = 2; break;
    case 7: s.flatsTotal = 3; break;
    case 8: s.flatsTotal = 4; break;
    case 9: s.flatsTotal = 5; break;
    case 10: s.flatsTotal = r.between(6, 12); break;
    case 5: s.flatsTotal = r.between(3, 8); break;
    default: s.flatsTotal = 1; break;
    }
    s.flatsLeft = s.flatsTotal;
    return d;
}

int DemoAddresses::settlement(DemoRandom &r)
{
    int weights = 0;
    for (int w : settlementWeights)
        weights += w;
    int x = r.between(0, weights - 1);
    int index = 0;
    while (x >= settlementWeights[index])
        x -= settlementWeights[index++];
    return index;
}

DemoDwelling DemoAddresses::somewhere(int index, DemoRandom &r) const
{
    const Settlement &s = m_settlements.at(index);
    DemoDwelling d;
    d.settlement = index;
    d.street = r.pick(s.streets);
    d.house = QString::number(r.between(1, HousesPerStreet));
    d.flat = u"0"_s;
    return d;
}

DemoDwelling DemoAddresses::next(DemoRandom &r)
{
    const int index = settlement(r);
    Settlement &s = m_settlements[index];
    if (s.flatsLeft == 0)
        s.open = newHouse(index, r);
    DemoDwelling d = s.open;
    const int flat = s.flatsTotal - s.flatsLeft + 1;
    --s.flatsLeft;
    if (s.flatsTotal == 1) {
        d.flat = u"0"_s;
    } else {
        d.flat = QString::number(flat);
        d.flatId = d.ikd * 100 + flat;
        if (!d.ar.isEmpty())
            d.ap = u"1"_s + r.digits(15);
    }
    return d;
}

QString DemoAddresses::addressText(const DemoDwelling &d)
{
    QString text = u"%1, %2, %3"_s.arg(DemoPlaces::addressName(d.settlement), d.street, d.house);
    if (d.flat != u"0" && !d.flat.isEmpty())
        text += u", КВ. "_s + d.flat;
    return text;
}
