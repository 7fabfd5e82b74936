#include "db/demo/DemoFarms.h"

#include "db/demo/DemoFaults.h"
#include "db/demo/DemoLand.h"
#include "db/demo/DemoLivestock.h"
#include "db/demo/DemoNames.h"
#include "db/demo/DemoPeople.h"
#include "db/demo/DemoRandom.h"
#include "db/demo/DemoTables.h"

using namespace Qt::StringLiterals;

namespace {

struct Activity
{
    int id; // KFH_SPR_OKED.ID
    QString code;
    int weight;
    bool animals;
};

// The five-character OKED entries of the reference book a farm may carry.
const QList<Activity> &activities()
{
    static const QList<Activity> list = {
        {4, u"01111"_s, 35, false}, {17, u"01500"_s, 15, true}, {10, u"01420"_s, 12, true},
        {13, u"01450"_s, 10, true}, {9, u"01410"_s, 6, true},   {11, u"01430"_s, 6, true},
        {5, u"01112"_s, 5, false},  {6, u"01130"_s, 3, false},  {15, u"01470"_s, 2, true},
        {14, u"01460"_s, 1, true},  {12, u"01440"_s, 1, true},  {8, u"01240"_s, 1, false},
        {16, u"01490"_s, 1, true},  {18, u"01610"_s, 1, false}, {19, u"01620"_s, 1, true},
    };
    return list;
}

const Activity &drawActivity(DemoRandom &r)
{
    int total = 0;
    for (const Activity &a : activities())
        total += a.weight;
    int x = r.between(0, total - 1);
    for (const Activity &a : activities()) {
        if (x < a.weight)
            return a;
        x -= a.weight;
    }
    return activities().first();
}

const QStringList farmNames = {
    u"АКБУЛАК"_s, u"БЕРЕКЕ"_s, u"ЖАНА ЖОЛ"_s, u"КАЙНАР"_s, u"ДОСТЫК"_s, u"НУРЛЫ"_s, u"АЛТЫН ДАН"_s,
    u"КОКТЕМ"_s, u"САРЫАРКА"_s, u"ТАЛАП"_s, u"ЖУЛДЫЗ"_s, u"БАЙТЕРЕК"_s, u"АК НИЕТ"_s, u"ЕРНАР"_s,
    u"ЖЕР-АНА"_s, u"КЫЗЫЛ ТАУ"_s, u"ЦЕЛИННОЕ"_s, u"НИВА"_s, u"КОЛОС"_s, u"РАССВЕТ"_s,
};

} // namespace

DemoFarms::DemoFarms(const QList<int> &settlementIds, const QDate &referenceDate, DemoIdentity &identity,
                     DemoRandom &random)
    : m_settlementIds(settlementIds)
    , m_referenceDate(referenceDate)
    , m_identity(identity)
    , m_random(random)
{
}

DemoCard DemoFarms::make(int index)
{
    DemoRandom &r = m_random;
    const int settlement = DemoAddresses::settlement(r);
    const DemoDwelling office = m_addresses.somewhere(settlement, r);
    const QDate actualDay = m_referenceDate.addDays(-r.between(1, 120));
    const int hour = r.between(9, 17);
    const QDateTime actual(actualDay, QTime(hour, r.between(0, 59)));

    bool animals = false;
    DemoCard result{card(index, office, actual, animals), {}};
    // Every 20th farm, from the first on, has a row in every section, so that
    // even a small demo shows them all.
    const bool showcase = index % 20 == 0;

    if (r.percent(95) || showcase) {
        DemoRow row(DemoTables::kfhSostav());
        const int members = r.between(1, 8);
        const int women = r.between(0, members);
        const int hired = r.between(0, members);
        row.set(u"VSEGO"_s, members).set(u"ZHEN"_s, women).set(u"NAIM"_s, hired);
        row.set(u"PERERAB"_s, r.between(0, 2)).set(u"ACTUAL_DATE"_s, actual);
        result.sections << row;
    }
    if (r.percent(85) || showcase) {
        // Thousands of tenge, with one decimal.
        DemoRow row(DemoTables::kfhMoney());
        const qint64 land = r.between(5000, 500000);
        const qint64 machines = r.between(10000, 2000000);
        const qint64 buildings = r.between(5000, 1000000);
        row.setTenths(u"SUM_ZEM"_s, land).setTenths(u"SUM_OBOR"_s, machines).setTenths(u"SUM_SOOR"_s, buildings);
        result.sections << row;
    }
    if (r.percent(60) || showcase) {
        QList<int> kinds = {1, 2, 3, 4, 5};
        const int n = r.between(1, 2);
        for (int i = 0; i < n; ++i) {
            const int kind = kinds.takeAt(r.between(0, int(kinds.size()) - 1));
            const int count = r.between(1, 3);
            const qint64 area = qint64(count) * r.between(500, 5000);
            DemoRow row(DemoTables::kfhPostrTeh());
            row.set(u"SPR_POSTR_TEH_ID"_s, kind).set(u"PCOUNT"_s, count).setTenths(u"PLO"_s, area);
            row.set(u"ACTUAL_DATE"_s, actual);
            result.sections << row;
        }
    }
    if (r.percent(50) || showcase) {
        QList<int> kinds = {1, 2, 3, 4};
        const int n = r.between(1, 2);
        for (int i = 0; i < n; ++i) {
            const int kind = kinds.takeAt(r.between(0, int(kinds.size()) - 1));
            const int count = r.between(1, 4);
            const qint64 volume = qint64(count) * r.between(50, 250);
            DemoRow row(DemoTables::kfhPostrOil());
            row.set(u"SPR_POSTR_OIL_ID"_s, kind).set(u"PCOUNT"_s, count).setTenths(u"CHISLO_KUBOV"_s, volume);
            row.set(u"ACTUAL_DATE"_s, actual);
            result.sections << row;
        }
    }

    result.sections << DemoSections::land(DemoLand::make(DemoLand::Book::Farm, r), actualDay);
    DemoLivestock livestock;
    if (animals || r.percent(40) || showcase) {
        const bool pigs = r.percent(30);
        livestock = DemoLivestock::make(DemoLivestock::Book::Farm, pigs, r);
        result.sections << DemoSections::livestock(livestock, actualDay);
    }
    if (r.percent(95) || showcase)
        result.sections << DemoSections::machinery(DemoSections::Book::Farm, r, actualDay);
    if (r.percent(30) || showcase)
        result.sections << DemoSections::equipment(DemoSections::Book::Farm, r, actualDay);
    if (r.percent(70) || showcase)
        result.sections << DemoSections::cropBuildings(DemoSections::Book::Farm, r, actualDay);
    if (!livestock.isEmpty() && (r.percent(90) || showcase))
        result.sections << DemoSections::livestockBuildings(livestock, r, actualDay);
    if (r.percent(10) || showcase)
        result.sections << DemoSections::greenhouses(DemoSections::Book::Farm, r, actualDay);
    if (r.percent(10) || showcase)
        result.sections << DemoSections::purchases(DemoSections::Book::Farm, r, actual);
    if (r.percent(20) || showcase)
        result.sections << DemoSections::additionalInfo(DemoSections::Book::Farm, r, actual);
    return result;
}

DemoRow DemoFarms::card(int index, const DemoDwelling &office, const QDateTime &actual, bool &keepsAnimals)
{
    DemoRandom &r = m_random;
    const DemoFault fault = DemoFaults::forFarm(index);

    const int kn = DemoNames::nationality(r);
    const DemoNames::Custom custom = DemoNames::customOf(kn);
    const bool male = r.percent(85);
    const QString surname = DemoNames::surname(custom, r);
    const QString fam = male ? surname : DemoNames::femaleSurname(surname);
    const QString im = DemoNames::firstName(custom, male, r);
    const QString ot = DemoNames::patronymic(DemoNames::firstName(custom, true, r), male);
    const int years = r.between(30, 70);
    const QDate birth = m_referenceDate.addYears(-years).addDays(-r.between(1, 364));
    const QString iin = m_identity.iin(birth, male, r);
    const int founded = r.between(1992, 2023);

    DemoRow row(DemoTables::kfhCatal());
    row.set(u"FIO"_s, (fam + u' ' + im + u' ' + ot).toUpper());
    const bool byBin = r.percent(40);
    if (byBin || fault == DemoFault::BinAndIin) {
        const QDate registered(founded, r.between(1, 12), 1);
        row.set(u"BIN"_s, m_identity.bin(registered, r));
    }
    if (!byBin || fault == DemoFault::BinAndIin)
        row.set(u"IIN"_s, iin);

    const QString title = r.percent(30) ? DemoNames::surname(custom, r).toUpper() : r.pick(farmNames);
    static const QStringList forms = {u"КХ"_s, u"КРЕСТЬЯНСКОЕ ХОЗЯЙСТВО"_s, u"ФХ"_s};
    row.set(u"NAME"_s, r.pick(forms) + u" «"_s + title + u'»');

    const QString address = DemoAddresses::addressText(office);
    row.set(u"ADDRESS_PRIM"_s, address);
    if (r.percent(30))
        row.set(u"ADDRESS_MAN"_s, DemoAddresses::addressText(m_addresses.somewhere(DemoAddresses::settlement(r), r)));
    else
        row.set(u"ADDRESS_MAN"_s, address);
    if (r.percent(10)) {
        const QString place = DemoPlaces::addressName(office.settlement);
        row.set(u"ADDRESS_SEC"_s, u"ЗИМОВКА В %1 КМ ОТ %2"_s.arg(r.between(3, 40)).arg(place));
    }
    if (r.percent(80))
        row.set(u"N_LSKN"_s, u"01-042-"_s + r.digits(3) + u'-' + r.digits(3));
    if (founded < 2012 && r.percent(60))
        row.set(u"RNN"_s, u"0310"_s + r.digits(8));

    const Activity &main = drawActivity(r);
    row.set(u"PRIM_OKED"_s, main.id);
    keepsAnimals = main.animals;
    if (fault == DemoFault::OkedWithSemicolon) {
        row.set(u"SEC_OKED"_s, u"01111; 01450"_s);
    } else if (r.percent(50)) {
        QStringList codes;
        const int n = r.between(1, 2);
        for (int i = 0; i < n; ++i) {
            const QString code = drawActivity(r).code;
            if (code != main.code && !codes.contains(code))
                codes << code;
        }
        if (!codes.isEmpty())
            row.set(u"SEC_OKED"_s, codes.join(u", "_s));
    }

    static const QStringList operators = {u"701"_s, u"705"_s, u"707"_s, u"747"_s, u"771"_s, u"777"_s};
    const QString phone = u"8"_s + r.pick(operators) + r.digits(7);
    row.set(u"PHONE"_s, phone)
        .set(u"SPR_SPP_ID"_s, male ? 1 : 2)
        .set(u"YEAR_FROM"_s, founded)
        .set(u"KATO_ID"_s, m_settlementIds.at(office.settlement))
        .set(u"IS_DELETED"_s, 0)
        .set(u"ACTUAL_DATE"_s, actual);
    return row;
}
