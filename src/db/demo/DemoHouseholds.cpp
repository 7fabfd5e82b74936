#include "db/demo/DemoHouseholds.h"

#include "db/demo/DemoFaults.h"
#include "db/demo/DemoLand.h"
#include "db/demo/DemoLivestock.h"
#include "db/demo/DemoNames.h"
#include "db/demo/DemoPeople.h"
#include "db/demo/DemoRandom.h"
#include "db/demo/DemoTables.h"

using namespace Qt::StringLiterals;

namespace {

const int EmptyOrAbandoned = 18120912;

// The twenty IIN values the register refuses, in the order of its table.
const QStringList forbiddenIins = {
    u"000000000000"_s, u"000000000001"_s, u"100000000000"_s, u"111111111111"_s, u"222222222222"_s,
    u"123456789123"_s, u"111222333444"_s, u"333333333333"_s, u"444444444444"_s, u"555555555555"_s,
    u"666666666666"_s, u"777777777777"_s, u"888888888888"_s, u"999999999999"_s, u"000011111111"_s,
    u"000012312312"_s, u"000033333333"_s, u"000000222222"_s, u"000006666666"_s, u"000000123456"_s,
};

QVariant orNull(int value)
{
    return value == 0 ? QVariant() : QVariant(value);
}

QVariant orNull(const QString &value)
{
    return value.isEmpty() ? QVariant() : QVariant(value);
}

QVariant orNull(const QDate &value)
{
    return value.isNull() ? QVariant() : QVariant(value);
}

} // namespace

DemoHouseholds::DemoHouseholds(const QList<int> &settlementIds, const QDate &referenceDate,
                               DemoIdentity &identity, DemoRandom &random)
    : m_settlementIds(settlementIds)
    , m_referenceDate(referenceDate)
    , m_identity(identity)
    , m_random(random)
    , m_lsSerial(int(settlementIds.size()), 0)
{
}

DemoCard DemoHouseholds::make(int index)
{
    DemoRandom &r = m_random;
    const DemoFault fault = DemoFaults::forHousehold(index);
    const DemoDwelling dwelling = m_addresses.next(r);
    const QDate actualDay = m_referenceDate.addDays(-r.between(1, 120));
    const int hour = r.between(9, 17);
    const QDateTime actual(actualDay, QTime(hour, r.between(0, 59)));

    // Every 100th household, from the second on, has a row in every section,
    // so that even a small demo shows them all.
    const bool showcase = index % 100 == 1;

    // A faulty household is always lived in, so the checks of active
    // households see its fault.
    // Households 51 and 52 of every hundred stand empty and left the
    // register, others now and then by chance.
    State state = State::LivedIn;
    if (fault == DemoFault::None && !showcase) {
        const int s = r.weighted({965, 20, 15});
        state = s == 0 ? State::LivedIn : s == 1 ? State::Empty : State::Retired;
        if (index % 100 == 50)
            state = State::Empty;
        else if (index % 100 == 51)
            state = State::Retired;
    }

    QList<DemoPerson> people = DemoFamily::make(m_referenceDate, m_identity, r);
    DemoCard result{card(index, dwelling, people.first(), actual), {}};
    if (fault != DemoFault::NoHousing)
        result.sections << housing(dwelling, state, actual);
    if (state != State::LivedIn) {
        // Leaving the register or standing empty removed every other section.
        return result;
    }
    m_lastActiveLs = result.card.value(DemoTables::kpuCatal().indexOf(u"LS"_s)).toString();

    DemoPerson &last = people.last();
    switch (fault) {
    case DemoFault::MemberWithoutSex: last.sex = 0; break;
    case DemoFault::ForbiddenIin: last.iin = forbiddenIins.at(m_forbiddenUsed++ % forbiddenIins.size()); break;
    case DemoFault::IinWithLetter: {
        // A Cyrillic "О" typed for a zero, the commonest slip.
        const qsizetype zero = last.iin.indexOf(u'0', 7);
        last.iin[zero >= 0 ? zero : 11] = QChar(0x041E);
        break;
    }
    default: break;
    }
    for (const DemoPerson &p : people)
        result.sections << member(p, actual);

    const DemoNames::Custom custom = DemoNames::customOf(people.first().kn);
    // Faults that live in a section make sure the card has that section.
    if (r.percent(92) || showcase || fault == DemoFault::LandBelowParts) {
        DemoLand land = DemoLand::make(DemoLand::Book::Household, r);
        if (fault == DemoFault::LandBelowParts) // the land under buildings forgotten in the total
            land.set(u"VSEGO"_s, land.value(u"VSEGO"_s) - land.value(u"POSTROYKI"_s));
        result.sections << DemoSections::land(land, actualDay);
    }
    DemoLivestock livestock;
    if (r.percent(72) || showcase || fault == DemoFault::PoultryNotSum) {
        livestock = DemoLivestock::make(DemoLivestock::Book::Household, DemoNames::keepsPigs(custom), r);
        if (fault == DemoFault::PoultryNotSum)
            livestock.ensureMixedPoultry(r);
        DemoRow row = DemoSections::livestock(livestock, actualDay);
        if (fault == DemoFault::PoultryNotSum) // the hens counted, the geese forgotten
            row.set(u"PTITSA"_s, livestock.value(u"KURY"_s));
        result.sections << row;
    }
    if (r.percent(20) || showcase)
        result.sections << DemoSections::machinery(DemoSections::Book::Household, r, actualDay);
    if (r.percent(6) || showcase)
        result.sections << DemoSections::equipment(DemoSections::Book::Household, r, actualDay);
    if (r.percent(20) || showcase)
        result.sections << DemoSections::cropBuildings(DemoSections::Book::Household, r, actualDay);
    if (!livestock.isEmpty() && (r.percent(80) || showcase))
        result.sections << DemoSections::livestockBuildings(livestock, r, actualDay);
    if (fault == DemoFault::GreenhouseNoCapacity) {
        DemoRow row(DemoTables::teplitsy());
        row.setTenths(u"OVOSHEY"_s, 20).setTenths(u"CVETOV"_s, 10).set(u"ACTUAL_DATE"_s, actualDay);
        result.sections << row;
    } else if (r.percent(5) || showcase) {
        result.sections << DemoSections::greenhouses(DemoSections::Book::Household, r, actualDay);
    }
    if (r.percent(2) || showcase)
        result.sections << trade();
    if (r.permille(5) || showcase)
        result.sections << DemoSections::purchases(DemoSections::Book::Household, r, actual);
    if (r.percent(5) || showcase)
        result.sections << DemoSections::additionalInfo(DemoSections::Book::Household, r, actual);
    if (r.permille(15) || showcase)
        result.sections << temporaryResident(actualDay);
    return result;
}

DemoRow DemoHouseholds::card(int index, const DemoDwelling &d, const DemoPerson &head, const QDateTime &actual)
{
    DemoRandom &r = m_random;
    const DemoFault fault = DemoFaults::forHousehold(index);
    const int serial = ++m_lsSerial[d.settlement];
    QString ls = QString::number(d.settlement + 1) + QString::number(serial).rightJustified(4, u'0');
    if (fault == DemoFault::DuplicateLs && !m_lastActiveLs.isEmpty())
        ls = m_lastActiveLs;

    DemoRow row(DemoTables::kpuCatal());
    row.set(u"LS"_s, ls)
        .set(u"STREET"_s, d.street)
        .set(u"HOUSE"_s, d.house)
        .set(u"FLAT"_s, d.flat)
        .set(u"AR"_s, orNull(d.ar))
        .set(u"AP"_s, orNull(d.ap))
        .set(u"IKD"_s, QString::number(d.ikd))
        .set(u"KATO_ID"_s, m_settlementIds.at(d.settlement))
        .set(u"IS_DELETED"_s, 0)
        .set(u"DATE_ACTUAL"_s, actual);
    if (r.percent(60)) {
        const QString lskn = u"01-042-"_s + r.digits(3) + u'-' + r.digits(3);
        row.set(u"LSKN"_s, lskn);
    }
    if (r.percent(60)) {
        static const QStringList codes = {u"701"_s, u"702"_s, u"705"_s, u"707"_s, u"747"_s, u"771"_s, u"777"_s};
        const QString code = r.pick(codes);
        const QString number = r.digits(7);
        row.set(u"PHONE"_s, u"+7(%1)%2-%3-%4"_s.arg(code, number.left(3), number.mid(3, 2), number.mid(5)));
    }
    if (r.percent(8)) {
        const QString email = DemoNames::latin(head.fam) + u'.' + DemoNames::latin(head.im)
                              + QString::number(head.birth.year() % 100) + u"@MAIL.KZ"_s;
        row.set(u"EMAIL"_s, email.toUpper());
    }
    if (fault == DemoFault::MarkedDeleted) {
        row.set(u"IS_DELETED"_s, 1);
        row.set(u"DATE_DELETED"_s, m_referenceDate.addDays(-r.between(10, 200)));
    }
    return row;
}

DemoRow DemoHouseholds::member(const DemoPerson &p, const QDateTime &actual)
{
    DemoRow row(DemoTables::kpuSrn());
    row.set(u"POR_NOM"_s, p.porNom)
        .set(u"FAM"_s, p.fam)
        .set(u"IM"_s, p.im)
        .set(u"OT"_s, orNull(p.ot))
        .set(u"IIN"_s, p.iin)
        .set(u"SROGD_ID"_s, p.srogd)
        .set(u"POL_SPP_ID"_s, orNull(p.sex))
        .set(u"KN_ID"_s, p.kn)
        .set(u"DATE_R"_s, p.birth)
        .set(u"DATE_IN"_s, orNull(p.arrived))
        .set(u"SUODH_ID"_s, orNull(p.suodh))
        .set(u"PZ_ID"_s, orNull(p.pz))
        .set(u"SID_ID"_s, orNull(p.sid))
        .set(u"SID2_ID"_s, orNull(p.sid2))
        .set(u"IS_TEMP"_s, p.temporary ? 1 : 0)
        .set(u"NUM_RODI"_s, orNull(p.numRodi))
        .set(u"NUM_SUPR"_s, orNull(p.numSupr))
        .set(u"DATE_F_BR"_s, orNull(p.firstMarriage))
        .set(u"SOOO_ID"_s, orNull(p.sooo))
        .set(u"DATE_ACTUAL"_s, actual);
    return row;
}

DemoRow DemoHouseholds::housing(const DemoDwelling &d, State state, const QDateTime &actual)
{
    DemoRandom &r = m_random;
    DemoRow row(DemoTables::kpuRzhf());
    row.set(u"IKD"_s, d.ikd)
        .set(u"FLAT_ID"_s, d.flatId == 0 ? QVariant() : QVariant(d.flatId))
        .set(u"AR"_s, orNull(d.ar))
        .set(u"SPVOB_ID"_s, d.spvob)
        .set(u"HW_ID"_s, d.walls)
        .set(u"DATE_ENTER"_s, QDateTime(d.built, QTime(0, 0)))
        .set(u"DATE_ACTUAL"_s, actual);

    switch (state) {
    case State::LivedIn: {
        static const int situations[] = {580, 560, 590};
        row.set(u"IS_RETIRED"_s, 0).set(u"HS_ID"_s, situations[r.weighted({90, 6, 4})]);
        break;
    }
    case State::Empty: row.set(u"IS_RETIRED"_s, 0).set(u"HS_ID"_s, EmptyOrAbandoned); break;
    case State::Retired: {
        const QDate retired = m_referenceDate.addDays(-r.between(30, 1500));
        const int reason = 1 + r.weighted({30, 10, 45, 5, 10});
        row.set(u"IS_RETIRED"_s, 1).set(u"DATE_RETIRE"_s, retired).set(u"RETIRED_ID"_s, reason);
        break;
    }
    }

    static const int ownership[] = {19145, 19142, 19148, 19151, 19154};
    row.set(u"VSZHP_ID"_s, ownership[r.weighted({82, 7, 5, 4, 2})]);
    // Areas within the plausible range of the room count, in tenths of m².
    const int rooms = 1 + r.weighted({8, 22, 32, 24, 10, 4});
    const qint64 living = qint64(rooms) * r.between(120, 200);
    const qint64 full = living * r.between(125, 160) / 100;
    row.set(u"KOL_KOMNAT"_s, rooms).setTenths(u"LIVING_SQ"_s, living).setTenths(u"FULL_SQ"_s, full);

    // Amenities: electricity everywhere, one kind per group at most, and no
    // floor electric cooker beside gas.
    const int water = r.weighted({35, 25, 30, 10});
    const int sewer = r.weighted({10, 60, 30});
    const int heat = r.weighted({5, 62, 2, 25, 6});
    const int hot = r.weighted({3, 40, 57});
    const int gas = r.weighted({20, 50, 30});
    const bool bath = r.percent(water == 0 ? 85 : 20);
    const bool stove = heat == 1 && r.percent(50);
    const bool autonomous = (heat == 2 || heat == 3) && r.percent(50);
    const bool electric = r.percent(5);
    const bool sun = r.permille(10);
    const bool wind = r.permille(3);
    const bool organic = r.permille(5);
    const bool cooker = gas == 2 && r.percent(60);
    row.set(u"BL_EL"_s, 1)
        .set(u"BL_VODOPR"_s, water == 0 ? 1 : 0)
        .set(u"BL_VODA_OUT_OF_HOUSE"_s, water == 1 ? 1 : 0)
        .set(u"BL_VODA_KOLODETC"_s, water == 2 ? 1 : 0)
        .set(u"BL_VODA_DELIVERY"_s, water == 3 ? 1 : 0)
        .set(u"BL_KANALI"_s, sewer == 0 ? 1 : 0)
        .set(u"BL_KANAL_OTHER"_s, sewer == 1 ? 1 : 0)
        .set(u"BL_OTOPL_TETS"_s, heat == 0 ? 1 : 0)
        .set(u"BL_OTOPL_IND"_s, heat != 0 ? 1 : 0)
        .set(u"BL_OTOPL_HARD"_s, heat == 1 ? 1 : 0)
        .set(u"BL_OTOPL_LIQUID"_s, heat == 2 ? 1 : 0)
        .set(u"BL_OTOPL_GAS"_s, heat == 3 ? 1 : 0)
        .set(u"BL_OTOPL_PROCH"_s, heat == 4 ? 1 : 0)
        .set(u"BL_OTOPL_AVTO"_s, autonomous ? 1 : 0)
        .set(u"BL_OTOP_ELEC"_s, electric ? 1 : 0)
        .set(u"BL_OTOPL_PROCH_SUN"_s, sun ? 1 : 0)
        .set(u"BL_OTOPL_PROCH_WIND"_s, wind ? 1 : 0)
        .set(u"BL_OTOPL_PROCH_OTH"_s, organic ? 1 : 0)
        .set(u"BL_OTOPL_PROCH_VOZ"_s, sun || wind || organic ? 1 : 0)
        .set(u"BL_PECH"_s, stove ? 1 : 0)
        .set(u"BL_GORVODA"_s, hot == 0 ? 1 : 0)
        .set(u"BL_GORVODA_IND"_s, hot == 1 ? 1 : 0)
        .set(u"BL_VANNA"_s, bath ? 1 : 0)
        .set(u"BL_EL_PLITA"_s, cooker ? 1 : 0)
        .set(u"BL_GAZ_PRIR"_s, gas == 0 ? 1 : 0)
        .set(u"BL_GAZ_PRIV"_s, gas == 1 ? 1 : 0);
    return row;
}

DemoRow DemoHouseholds::temporaryResident(const QDate &actual)
{
    DemoRandom &r = m_random;
    const int kn = DemoNames::nationality(r);
    const DemoNames::Custom custom = DemoNames::customOf(kn);
    const bool male = r.percent(60);
    const QString fam = DemoNames::surname(custom, r);
    const QString im = DemoNames::firstName(custom, male, r);
    const QString father = DemoNames::firstName(custom, true, r);
    const int years = r.between(18, 55);
    const QDate birth = m_referenceDate.addYears(-years).addDays(-r.between(1, 364));

    DemoPerson p;
    p.sex = male ? 1 : 2;
    p.birth = birth;
    DemoFamily::occupy(p, m_referenceDate, r);

    static const QStringList homes = {
        u"Г. АСТАНА, УЛ. КЕНЕСАРЫ, 40"_s, u"Г. КОКШЕТАУ, УЛ. АУЭЗОВА, 12"_s,
        u"Г. КАРАГАНДА, ПР. БУХАР ЖЫРАУ, 55"_s, u"С. ЕРЕЙМЕНТАУ, УЛ. ЖАМБЫЛА, 7"_s};
    static const QStringList herds = {u"КРС"_s, u"ОВЦЫ"_s, u"ЛОШАДИ"_s};
    const QString home = r.pick(homes);
    const QString iin = m_identity.iin(birth, male, r);
    const int marital = 1 + r.weighted({40, 45, 5, 2, 6, 2});
    const QDate arrived = actual.addDays(-r.between(10, 300));
    DemoRow row(DemoTables::kpuSrn2());
    row.set(u"FAM"_s, male ? fam : DemoNames::femaleSurname(fam))
        .set(u"IM"_s, im)
        .set(u"OT"_s, DemoNames::patronymic(father, male))
        .set(u"IIN"_s, iin)
        .set(u"SOSTBR_ID"_s, marital)
        .set(u"POL_SPP_ID"_s, p.sex)
        .set(u"DATE_R"_s, birth)
        .set(u"SUODH_ID"_s, orNull(p.suodh))
        .set(u"SOOO_ID"_s, orNull(p.sooo))
        .set(u"PZ_ID"_s, orNull(p.pz))
        .set(u"ADDRESS"_s, home)
        .set(u"DATE_IN"_s, arrived)
        .set(u"ADDRESS_FROM"_s, home);
    if (r.percent(30)) {
        const int heads = r.between(2, 30);
        const int young = r.between(0, heads / 2);
        row.set(u"VSK"_s, r.pick(herds)).set(u"KOL_SK"_s, heads).set(u"KOL_SK_DOGODA"_s, young);
    }
    return row;
}

DemoRow DemoHouseholds::trade()
{
    DemoRandom &r = m_random;
    DemoRow row(DemoTables::kpuVtt());
    const int kind = 1 + r.weighted({60, 10, 10, 10, 3, 5, 2});
    row.set(u"SVTT_ID"_s, kind).set(u"KOL"_s, 1).setTenths(u"TORG_SQ"_s, qint64(r.between(80, 800)));
    return row;
}
