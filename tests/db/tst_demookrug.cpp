#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/demo/DemoFaults.h"
#include "db/demo/DemoOkrug.h"
#include "support/TestSql.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using TestSql::scalar;

// The demo okrug as the program, the FLK and the reports will meet it: the
// numbers asked for, the same rows for the same seed, consistent totals
// everywhere except on the deliberate faults, and each fault exactly where
// the plan puts it. These tests make their own databases: the shared template
// is already filled.
namespace {

const QStringList DemoTables = {
    u"KNIGA_KATO"_s, u"KNIGA_PROPERTY"_s, u"VER"_s, u"KPU_CATAL"_s, u"KPU_SRN"_s, u"KPU_SRN2"_s,
    u"KPU_RZHF"_s, u"KPU_VTT"_s, u"KPU_ZAKUP"_s, u"KPU_DOPOL"_s, u"ZEM"_s, u"ZHIV"_s, u"TEHNIKA"_s,
    u"OBOR"_s, u"POSTR_RAST"_s, u"POSTR_ZHIV"_s, u"TEPLITSY"_s, u"KFH_CATAL"_s, u"KFH_SOSTAV"_s,
    u"KFH_MONEY"_s, u"KFH_POSTR_TEH"_s, u"KFH_POSTR_OIL"_s,
};

const QString forbiddenIins =
    u"'000000000000','000000000001','100000000000','111111111111','222222222222','123456789123',"
    "'111222333444','333333333333','444444444444','555555555555','666666666666','777777777777',"
    "'888888888888','999999999999','000011111111','000012312312','000033333333','000000222222',"
    "'000006666666','000000123456'"_s;

// A new database made by create-db and filled with `options`, open as
// connection `name` until close().
class DemoDatabase
{
public:
    DemoDatabase(const QTemporaryDir &dir, const QString &name, const DemoOptions &options)
        : m_name(name)
    {
        const QString path = dir.filePath(name + u".fdb"_s);
        DatabaseCreator creator;
        if (!creator.create(path)) {
            m_error = creator.errorString();
            return;
        }
        QSqlDatabase db = Connection::open(name, path, &m_error);
        if (!db.isOpen())
            return;
        try {
            DemoOkrug::fill(db, options);
        } catch (const std::exception &e) {
            m_error = QString::fromUtf8(e.what());
        }
    }
    ~DemoDatabase() { Connection::close(m_name); }

    bool isReady() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    QString m_error;
};

// A count query's result, or -1 when it gives no row, which no comparison accepts.
int countOf(const QSqlDatabase &db, const QString &sql)
{
    const QVariant v = scalar(db, sql);
    return v.isValid() ? v.toInt() : -1;
}

// A fingerprint of every row the demo writes, in ID order.
QByteArray fingerprint(const QSqlDatabase &db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &table : DemoTables) {
        QSqlQuery q(db);
        const QString order = table == u"KNIGA_PROPERTY" || table == u"VER" ? u"1"_s : u"ID"_s;
        if (!q.exec(u"select * from %1 order by %2"_s.arg(table, order)))
            qWarning("%s", qPrintable(q.lastError().text()));
        hash.addData(table.toUtf8());
        // Asked once: the driver starts a transaction for every record() call.
        const int columns = q.record().count();
        while (q.next()) {
            for (int i = 0; i < columns; ++i)
                hash.addData((q.value(i).toString() + u'\x1f').toUtf8());
            hash.addData("\x1e");
        }
    }
    return hash.result();
}

} // namespace

class TestDemoOkrug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void seedDecidesEveryRow();
    void cardsAsAskedFor_data();
    void cardsAsAskedFor();
    void refusesADatabaseWithCards();

    void everySectionHasRows_data();
    void everySectionHasRows();
    void eachFaultWhereThePlanPutsIt_data();
    void eachFaultWhereThePlanPutsIt();
    void faultsAreASmallShare_data();
    void faultsAreASmallShare();
    void validRowsBreakNoRule_data();
    void validRowsBreakNoRule();
    void referencesPointAtCurrentRows_data();
    void referencesPointAtCurrentRows();
    void iinsMatchBirthDateAndSex();

private:
    QTemporaryDir m_dir;
    DemoDatabase *m_demo = nullptr; // the default okrug: 300 households, 30 farms
};

void TestDemoOkrug::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_demo = new DemoDatabase(m_dir, u"default"_s, DemoOptions{});
    QVERIFY2(m_demo->isReady(), qPrintable(m_demo->errorString()));
}

void TestDemoOkrug::cleanupTestCase()
{
    delete m_demo;
}

void TestDemoOkrug::seedDecidesEveryRow()
{
    DemoOptions options;
    options.households = 150;
    options.farms = 12;
    options.seed = 5;
    DemoOptions chunked = options;
    chunked.cardsPerTransaction = 7;
    DemoOptions otherSeed = options;
    otherSeed.seed = 6;

    const DemoDatabase a(m_dir, u"seed5"_s, options);
    const DemoDatabase b(m_dir, u"seed5chunked"_s, chunked);
    const DemoDatabase c(m_dir, u"seed6"_s, otherSeed);
    QVERIFY2(a.isReady() && b.isReady() && c.isReady(),
             qPrintable(a.errorString() + b.errorString() + c.errorString()));

    const QByteArray first = fingerprint(a.db());
    QCOMPARE(fingerprint(b.db()), first);
    QVERIFY(fingerprint(c.db()) != first);
    // Not merely the same shape: the people differ.
    QVERIFY(scalar(a.db(), u"select list(IIN) from (select first 20 IIN from KPU_SRN order by ID)"_s)
            != scalar(c.db(), u"select list(IIN) from (select first 20 IIN from KPU_SRN order by ID)"_s));
}

void TestDemoOkrug::cardsAsAskedFor_data()
{
    QTest::addColumn<int>("households");
    QTest::addColumn<int>("farms");
    QTest::newRow("an okrug without cards") << 0 << 0;
    QTest::newRow("one of each") << 1 << 1;
    QTest::newRow("a few more than one transaction") << 45 << 4;
}

void TestDemoOkrug::cardsAsAskedFor()
{
    QFETCH(int, households);
    QFETCH(int, farms);
    DemoOptions options;
    options.households = households;
    options.farms = farms;
    options.cardsPerTransaction = 20;
    const DemoDatabase demo(m_dir, u"count_%1_%2"_s.arg(households).arg(farms), options);
    QVERIFY2(demo.isReady(), qPrintable(demo.errorString()));
    const QSqlDatabase db = demo.db();

    QCOMPARE(countOf(db, u"select count(*) from KPU_CATAL"_s), households);
    QCOMPARE(countOf(db, u"select count(*) from KFH_CATAL"_s), farms);
    QCOMPARE(scalar(db, u"select pwd from VER"_s).toString(), QString::fromLatin1(DemoOkrug::Password));

    // The okrug is set up whatever the number of cards: settings, its units
    // up to the region, and settlements the book lists can offer.
    const QString okrug = scalar(db, u"select KATO from KNIGA_PROPERTY"_s).toString();
    QCOMPARE(okrug.size(), 9);
    QVERIFY(okrug.endsWith(u"000"));
    QCOMPARE(countOf(db, u"select count(*) from KNIGA_KATO where KATO = '%1'"_s.arg(okrug)), 1);
    QCOMPARE(countOf(db, u"select count(*) from KNIGA_KATO where KATO = '%1'"_s.arg(okrug.left(4) + u"00000"_s)),
             1);
    QCOMPARE(countOf(db, u"select count(*) from KNIGA_KATO where KATO = '%1'"_s.arg(okrug.left(2) + u"0000000"_s)),
             1);
    QVERIFY(countOf(db, u"select count(*) from KNIGA_KATO where substring(kato FROM 1 FOR 6) = '%1' "
                       "and substring(kato FROM 7 FOR 3) <> '000'"_s.arg(okrug.left(6)))
            >= 5);
    // Every card lives in one of those settlements.
    QCOMPARE(countOf(db, u"select count(*) from (select KATO_ID from KPU_CATAL union all select KATO_ID from "
                        "KFH_CATAL) c where not exists (select 1 from KNIGA_KATO k where k.ID = c.KATO_ID and "
                        "substring(k.KATO FROM 1 FOR 6) = '%1' and substring(k.KATO FROM 7 FOR 3) <> '000')"_s
                         .arg(okrug.left(6))),
             0);
}

void TestDemoOkrug::refusesADatabaseWithCards()
{
    QSqlDatabase db = m_demo->db();
    const int before = countOf(db, u"select count(*) from KPU_CATAL"_s);
    QString message;
    try {
        DemoOkrug::fill(db, DemoOptions{});
    } catch (const std::runtime_error &e) {
        message = QString::fromUtf8(e.what());
    }
    QVERIFY2(message.contains(u"already holds data"), qPrintable(message));
    QCOMPARE(countOf(db, u"select count(*) from KPU_CATAL"_s), before);
    QCOMPARE(countOf(db, u"select count(*) from KNIGA_PROPERTY"_s), 1);
}

void TestDemoOkrug::everySectionHasRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("book");
    for (const QString &t : DemoTables) {
        if (t.startsWith(u"KNIGA") || t == u"VER" || t == u"KPU_CATAL" || t == u"KFH_CATAL")
            continue;
        const bool farmOnly = t.startsWith(u"KFH");
        const bool householdOnly = t.startsWith(u"KPU_") && t != u"KPU_ZAKUP" && t != u"KPU_DOPOL";
        if (!farmOnly)
            QTest::addRow("%s of households", qPrintable(t)) << t << u"KPU_CATAL"_s;
        if (!householdOnly)
            QTest::addRow("%s of farms", qPrintable(t)) << t << u"KFH_CATAL"_s;
    }
}

void TestDemoOkrug::everySectionHasRows()
{
    QFETCH(QString, table);
    QFETCH(QString, book);
    const QSqlDatabase db = m_demo->db();
    const QString link = db.record(table).contains(u"ID_CATAL"_s) ? u"ID_CATAL"_s : u"ID_KPU_CATAL"_s;
    const int rows = countOf(db, u"select count(*) from %1 s join %2 c on c.ID = s.%3"_s.arg(table, book, link));
    QVERIFY2(rows > 0, qPrintable(table));
}

void TestDemoOkrug::eachFaultWhereThePlanPutsIt_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("sql");
    auto row = [](DemoFault f, const QString &sql) {
        QTest::newRow(qPrintable(DemoFaults::name(f))) << int(f) << sql;
    };
    row(DemoFault::NoHousing,
        u"select count(*) from KPU_CATAL k where not exists (select 1 from KPU_RZHF r where r.ID_KPU_CATAL = k.ID)"_s);
    row(DemoFault::MemberWithoutSex, u"select count(*) from KPU_SRN where POL_SPP_ID is null"_s);
    row(DemoFault::ForbiddenIin, u"select count(*) from KPU_SRN where IIN in (%1)"_s.arg(forbiddenIins));
    row(DemoFault::IinWithLetter, u"select count(*) from KPU_SRN where IIN similar to '%[^0-9]%'"_s);
    row(DemoFault::LandBelowParts,
        u"select count(*) from ZEM where coalesce(VSEGO, 0) <> coalesce(POSTROYKI, 0) + coalesce(KFH_SHU, 0) "
        "+ coalesce(ZEM_OTHER, 0) or coalesce(VSEGO_2, 0) <> coalesce(POSTROYKI_2, 0) + coalesce(KFH_SHU2, 0) "
        "+ coalesce(ZEM_OTHER_2, 0)"_s);
    row(DemoFault::PoultryNotSum,
        u"select count(*) from ZHIV where coalesce(PTITSA, 0) <> coalesce(KURY, 0) + coalesce(INDEYKI, 0) "
        "+ coalesce(GUSI, 0) + coalesce(UTKI, 0) + coalesce(CESARKI, 0)"_s);
    row(DemoFault::GreenhouseNoCapacity,
        u"select count(*) from TEPLITSY where (OVOSHEY is null) <> (OVOSHEY_V is null) "
        "or (CVETOV is null) <> (CVETOV_V is null) or (GRIBOV is null) <> (GRIBOV_V is null) "
        "or (PROCHEE is null) <> (PROCHEE_V is null)"_s);
    row(DemoFault::DuplicateLs,
        u"select count(*) from (select LS from KPU_CATAL group by LS having count(*) > 1)"_s);
    row(DemoFault::MarkedDeleted,
        u"select count(*) from KPU_CATAL where IS_DELETED = 1 and DATE_DELETED is not null"_s);
    row(DemoFault::BinAndIin, u"select count(*) from KFH_CATAL where BIN is not null and IIN is not null"_s);
    row(DemoFault::OkedWithSemicolon, u"select count(*) from KFH_CATAL where SEC_OKED similar to '%[^0-9, ]%'"_s);
}

// Each anomaly is found exactly as often as the plan made it: at 300
// households and 30 farms that is once per kind, and no valid row anywhere
// shows it by chance.
void TestDemoOkrug::eachFaultWhereThePlanPutsIt()
{
    QFETCH(int, fault);
    QFETCH(QString, sql);
    QCOMPARE(DemoFaults::count(DemoFault(fault), DemoOptions{}), 1);
    QCOMPARE(countOf(m_demo->db(), sql), 1);
}

void TestDemoOkrug::faultsAreASmallShare_data()
{
    QTest::addColumn<int>("households");
    QTest::addColumn<int>("farms");
    QTest::newRow("default") << 300 << 30;
    QTest::newRow("benchmark") << 10000 << 500;
    QTest::newRow("large") << 100000 << 3000;
}

void TestDemoOkrug::faultsAreASmallShare()
{
    QFETCH(int, households);
    QFETCH(int, farms);
    DemoOptions options;
    options.households = households;
    options.farms = farms;
    int faults = 0;
    for (const QList<DemoFault> &kinds : {DemoFaults::householdKinds(), DemoFaults::farmKinds()}) {
        // The kinds of a book take turns, so none runs more than one ahead.
        int fewest = INT_MAX;
        int most = 0;
        for (const DemoFault f : kinds) {
            const int n = DemoFaults::count(f, options);
            faults += n;
            fewest = qMin(fewest, n);
            most = qMax(most, n);
        }
        QVERIFY(fewest >= 1);
        QVERIFY(most - fewest <= 1);
    }
    const double share = 100.0 * faults / (households + farms);
    QVERIFY2(share >= 2.0 && share <= 3.5, qPrintable(QString::number(share)));

    int marked = 0;
    for (int i = 0; i < households; ++i)
        marked += DemoFaults::forHousehold(i) != DemoFault::None ? 1 : 0;
    for (int i = 0; i < farms; ++i)
        marked += DemoFaults::forFarm(i) != DemoFault::None ? 1 : 0;
    QCOMPARE(marked, faults);
}

void TestDemoOkrug::validRowsBreakNoRule_data()
{
    QTest::addColumn<QString>("sql");
    auto sumOf = [](const QStringList &columns, const QString &suffix) {
        QStringList parts;
        for (const QString &c : columns)
            parts << u"coalesce(%1%2, 0)"_s.arg(c, suffix);
        return parts.join(u" + "_s);
    };
    auto totalIsSum = [&](const char *name, const QString &total, const QStringList &parts) {
        for (const QString &suffix : {QString(), u"_2"_s}) {
            QTest::addRow("%s%s", name, qPrintable(suffix))
                << u"select count(*) from ZEM where coalesce(%1%2, 0) <> %3"_s.arg(total, suffix, sumOf(parts, suffix));
        }
    };
    totalIsSum("ZERNO", u"ZERNO"_s,
               {u"PSH_TOZ"_s, u"PSH_TIAR"_s, u"PSH_MOZS"_s, u"PSH_MOZ"_s, u"PSH_MIAR"_s, u"PSH_IARS"_s,
                u"KUKURUZA"_s, u"IACHM_OZ"_s, u"IACHM_IAR"_s, u"ROJ_OZ"_s, u"ROJ_IAR"_s, u"OVES"_s, u"SORGO"_s,
                u"PROSO"_s, u"GRECHIKHA"_s, u"TRIT_OZ"_s, u"TRIT_IAR"_s, u"SMES_KOLOSOVYKH"_s, u"BOBY_ZELENYE"_s,
                u"BOBY_SUSHENYE"_s, u"ZERNO_PROCHIE"_s});
    totalIsSum("BOBY_SUSHENYE", u"BOBY_SUSHENYE"_s, {u"FASOL_SU"_s, u"NUT_SU"_s, u"CHECH"_s, u"GOROH_SU"_s});
    totalIsSum("SEMENA_MASL", u"SEMENA_MASL"_s,
               {u"SEMENA_LEN_KUDRYASH"_s, u"SEMENA_GORCHITSA"_s, u"RAPS_OZ"_s, u"RAPS_KOLZ"_s, u"CUPER_OZ"_s,
                u"CUPER_IAR"_s, u"SEMENA_PODS"_s, u"SEMENA_SAFLOR"_s, u"BOBY_SOYA"_s, u"OREKHI_ZEML"_s,
                u"MASL_OTHER"_s});
    totalIsSum("DYNI", u"DYNI"_s, {u"ARBUZ"_s, u"DYNI_BAX"_s});
    totalIsSum("OVOSHI", u"OVOSHI"_s,
               {u"SPARZHA"_s, u"KAPUSTA"_s, u"KAPUS_TCV"_s, u"BROKKOL"_s, u"REVEN"_s, u"HCAVEL"_s,
                u"UKROP_BAX"_s, u"PETR"_s, u"SALAT"_s, u"OVOSHI_LIST_CHEREN"_s, u"DYNI"_s, u"BAKLAZHAN"_s,
                u"OGURCY"_s, u"POMIDOR"_s, u"PERTSY"_s, u"TYKVA"_s, u"KABACHKI"_s, u"PATICON"_s,
                u"OVOSHI_OTHER"_s, u"MORKOV"_s, u"CHESNOK"_s, u"LUK"_s, u"SEVOK"_s, u"BATUN"_s,
                u"OVOSHI_LUKOV"_s, u"SELDER"_s, u"REDIS_BAX"_s, u"SVEKLA_STOL"_s, u"REDKA_BAX"_s, u"HREN_BAX"_s,
                u"OVOSHI_BEZ_KRAHMALA"_s, u"OVOSHI_FRESH_OTHER"_s, u"SVEKLA"_s, u"GRIBY"_s, u"KARTOFEL"_s});
    totalIsSum("SOLOMA", u"SOLOMA"_s,
               {u"KORM_KORNEPLOD"_s, u"KORM_BAKHCHA"_s, u"KORM_ZERNO"_s, u"KORM_ZERNOBOB"_s, u"KORM_SILOS"_s,
                u"KORM_KUKURUZA"_s, u"YAR_CEV"_s, u"UCOS"_s, u"KORM_OTHER"_s});
    totalIsSum("YAR_CEV", u"YAR_CEV"_s, {u"ODNOLET"_s, u"MNLET"_s});
    totalIsSum("POSEV", u"POSEV"_s,
               {u"ZERNO"_s, u"SEMENA_MASL"_s, u"RIS"_s, u"OVOSHI"_s, u"TABAK"_s, u"HLOPOK"_s, u"SOLOMA"_s,
                u"CVETY"_s});
    totalIsSum("YAGODY_PROCH", u"YAGODY_PROCH"_s,
               {u"MALINA"_s, u"KLUBNIKA"_s, u"SMORODINA"_s, u"KRYZHOVNIK"_s, u"YAGODY_PLODY_OTHER"_s});
    totalIsSum("MNOGOLETNIE", u"MNOGOLETNIE"_s,
               {u"VINOGRAD"_s, u"YABLOKI"_s, u"GRUSHI"_s, u"ABRIKOS"_s, u"VISHNYA"_s, u"PERSIK"_s, u"SLIVA"_s,
                u"PLODY_SEM"_s, u"YAGODY_PROCH"_s, u"OREKHI"_s});

    const QString agricultural = u"PASHNYA, SADY, ZALEZHI, PASTBISHA, SENOKOS"_s;
    QTest::newRow("household agricultural land")
        << u"select count(*) from ZEM z join KPU_CATAL c on c.ID = z.ID_CATAL where coalesce(KFH_SHU, 0) <> %1 "
           "or coalesce(KFH_SHU2, 0) <> %2"_s.arg(sumOf(agricultural.split(u", "_s), {}),
                                                  sumOf(agricultural.split(u", "_s), u"_2"_s));
    QTest::newRow("farm agricultural land")
        << u"select count(*) from ZEM z join KFH_CATAL c on c.ID = z.ID_CATAL where coalesce(KFH_SHU, 0) <> %1 "
           "+ coalesce(VZYATO, 0) - coalesce(SDANO, 0) or KFH_SHU < 0"_s.arg(sumOf(agricultural.split(u", "_s), {}));
    QTest::newRow("column 2 within column 1")
        << u"select count(*) from ZEM where PASHNYA_2 > PASHNYA or PASTBISHA_2 > PASTBISHA or SENOKOS_2 > SENOKOS "
           "or SADY_2 > SADY or ZALEZHI_2 > ZALEZHI or POSTROYKI_2 > POSTROYKI or ZEM_OTHER_2 > ZEM_OTHER "
           "or VSEGO_2 > VSEGO"_s;
    QTest::newRow("land taken covers its kinds")
        << u"select count(*) from ZEM where coalesce(VZYATO, 0) < coalesce(VZYATO_PASHNYA, 0) "
           "+ coalesce(VZYATO_PASTBISHA, 0) + coalesce(VZYATO_SENOKOS, 0)"_s;
    QTest::newRow("household sown within arable land")
        << u"select count(*) from ZEM z join KPU_CATAL c on c.ID = z.ID_CATAL "
           "where coalesce(POSEV, 0) > coalesce(PASHNYA, 0) + coalesce(VZYATO_PASHNYA, 0)"_s;
    QTest::newRow("farm sown within arable land")
        << u"select count(*) from ZEM z join KFH_CATAL c on c.ID = z.ID_CATAL where coalesce(POSEV, 0) > "
           "coalesce(PASHNYA, 0)"_s;
    QTest::newRow("perennials within plantings")
        << u"select count(*) from ZEM where coalesce(MNOGOLETNIE, 0) > coalesce(SADY, 0) "
           "or (coalesce(SADY, 0) > 0 and coalesce(MNOGOLETNIE, 0) = 0)"_s;
    QTest::newRow("head cabbage within cabbage")
        << u"select count(*) from ZEM where coalesce(KAPUSTA_K, 0) > coalesce(KAPUSTA, 0)"_s;

    auto herd = [&](const char *name, const QString &total, const QStringList &groups) {
        QTest::newRow(name) << u"select count(*) from ZHIV where coalesce(%1, 0) <> %2"_s.arg(total, sumOf(groups, {}));
    };
    herd("dairy cattle", u"SKOT_MOL_VSEGO"_s, {u"KOROVY_MOL"_s, u"BYKI_PROIZV"_s});
    herd("other cattle", u"SKOT_PROCHIY"_s, {u"KOROVY_PROCH"_s, u"BYKI_PROCH"_s, u"VOLY"_s});
    herd("dual-purpose cattle", u"SKOT_KR_MO_MYA"_s, {u"KOROVY_MOL_MYASO"_s, u"BYKI_PROIZ_MYAS"_s});
    herd("sheep", u"OVCY_VSEGO"_s, {u"OVCEMATKI"_s, u"BARANY"_s});
    herd("goats", u"KOZY_VSEGO"_s, {u"KOZOMATKI"_s, u"KOZLY_PROIZV"_s});
    herd("horses", u"LOSHADI"_s, {u"KOBYLY"_s, u"ZHEREBCY"_s, u"MERINY"_s, u"OSLY"_s, u"MULY_LOSHADI"_s});
    herd("camels", u"VERBLUDY"_s, {u"VERBLYDOMATKI"_s, u"VERBL_PROIZV"_s});
    herd("pigs", u"SVINJI"_s, {u"HRYAKI"_s, u"SVINOMATKI"_s});
    herd("other animals", u"ZHIVOTNYE_PROCH"_s,
         {u"KROLIKI"_s, u"PEREPELKI"_s, u"STRAUSY"_s, u"FAZANY"_s, u"PCHELOSEMYI"_s, u"OLENI"_s});
    herd("fur animals", u"ZVERI_PROCH_PUSHNYE"_s, {u"LISICY"_s, u"PESCY"_s, u"NORKI"_s});
    QTest::newRow("laying hens within hens")
        << u"select count(*) from ZHIV where coalesce(KURY, 0) < KURY_NESUSHKI"_s;

    const QString activeHousing =
        u"from KPU_RZHF r join KPU_CATAL c on c.ID = r.ID_KPU_CATAL where coalesce(c.IS_DELETED, 0) = 0 "
        "and coalesce(r.IS_RETIRED, 0) = 0 and "_s;
    QTest::newRow("housing required fields")
        << u"select count(*) from KPU_RZHF where IKD is null or SPVOB_ID is null or VSZHP_ID is null "
           "or HW_ID is null or coalesce(KOL_KOMNAT, 0) = 0 or coalesce(FULL_SQ, 0) = 0 or coalesce(LIVING_SQ, 0) = 0 "
           "or IS_RETIRED is null or (IS_RETIRED = 0 and HS_ID is null) "
           "or (IS_RETIRED = 1 and (RETIRED_ID is null or DATE_RETIRE is null))"_s;
    QTest::newRow("living area within total area")
        << u"select count(*) from KPU_RZHF where LIVING_SQ > FULL_SQ"_s;
    QTest::newRow("areas plausible for the rooms")
        << u"select count(*) from KPU_RZHF where LIVING_SQ < decode(minvalue(KOL_KOMNAT, 5), 1, 5, 2, 11, 3, 16, "
           "4, 28, 36) or FULL_SQ > decode(minvalue(KOL_KOMNAT, 5), 1, 150, 2, 250, 3, 400, 4, 700, 5000)"_s;
    QTest::newRow("one kind per amenity group")
        << u"select count(*) "_s + activeHousing
               + u"(BL_GAZ_PRIR + BL_GAZ_PRIV > 1 or BL_GORVODA + BL_GORVODA_IND > 1 or BL_KANALI + BL_KANAL_OTHER > 1 "
                 "or BL_VODOPR + BL_VODA_OUT_OF_HOUSE + BL_VODA_KOLODETC + BL_VODA_DELIVERY > 1 "
                 "or BL_OTOPL_TETS + BL_OTOPL_HARD + BL_OTOPL_LIQUID + BL_OTOPL_GAS + BL_OTOPL_PROCH > 1)"_s;
    QTest::newRow("required amenities")
        << u"select count(*) "_s + activeHousing
               + u"(BL_EL = 0 or BL_VODOPR + BL_VODA_OUT_OF_HOUSE + BL_VODA_KOLODETC + BL_VODA_DELIVERY = 0 "
                 "or BL_OTOPL_TETS + BL_OTOPL_HARD + BL_OTOPL_LIQUID + BL_OTOPL_GAS + BL_OTOPL_PROCH = 0)"_s;
    QTest::newRow("no electric cooker beside gas")
        << u"select count(*) from KPU_RZHF where BL_EL_PLITA = 1 and (BL_GAZ_PRIR = 1 or BL_GAZ_PRIV = 1)"_s;
    QTest::newRow("one house type per house code")
        << u"select count(*) from KPU_RZHF r where exists (select 1 from KPU_RZHF o where o.IKD = r.IKD "
           "and o.SPVOB_ID <> r.SPVOB_ID)"_s;
    QTest::newRow("one household per one-flat house")
        << u"select count(*) from (select IKD from KPU_RZHF where SPVOB_ID = 1 group by IKD having count(*) > 1)"_s;
    QTest::newRow("withdrawn house types unused") << u"select count(*) from KPU_RZHF where SPVOB_ID in (2, 3)"_s;
    QTest::newRow("flat numbers") << u"select count(*) from KPU_CATAL where FLAT is null"_s;
    QTest::newRow("flat 0 in one-flat houses")
        << u"select count(*) from KPU_RZHF r join KPU_CATAL c on c.ID = r.ID_KPU_CATAL "
           "where r.SPVOB_ID in (1, 6) and c.FLAT <> '0'"_s;
    QTest::newRow("registration codes")
        << u"select count(*) from KPU_CATAL where (AR is not null and (char_length(AR) <> 16 or AR not starting "
           "with '0')) or (AP is not null and (char_length(AP) <> 16 or AP not starting with '1'))"_s;
    QTest::newRow("required card fields")
        << u"select count(*) from KPU_CATAL where LS is null or STREET is null or HOUSE is null or KATO_ID is null"_s;

    const QString activeMember =
        u"from KPU_SRN s join KPU_CATAL c on c.ID = s.ID_KPU_CATAL left join KPU_RZHF r on r.ID_KPU_CATAL = c.ID "
        "where coalesce(c.IS_DELETED, 0) = 0 and coalesce(r.IS_RETIRED, 0) = 0 "
        "and coalesce(r.HS_ID, 0) <> 18120912 and "_s;
    QTest::newRow("member required fields")
        << u"select count(*) "_s + activeMember
               + u"(POR_NOM is null or FAM is null or IM is null or DATE_R is null or SROGD_ID is null "
                 "or KN_ID is null or SID_ID is null or IIN is null)"_s;
    QTest::newRow("one adult head per active household")
        << u"select count(*) from KPU_CATAL c left join KPU_RZHF r on r.ID_KPU_CATAL = c.ID "
           "where coalesce(c.IS_DELETED, 0) = 0 and coalesce(r.IS_RETIRED, 0) = 0 "
           "and coalesce(r.HS_ID, 0) <> 18120912 and 1 <> (select count(*) from KPU_SRN s "
           "where s.ID_KPU_CATAL = c.ID and s.SROGD_ID = 1 and s.DATE_R <= dateadd(-16 year to date '2025-01-01'))"_s;
    QTest::newRow("emptied households keep only the dwelling")
        << u"select count(*) from KPU_CATAL c join KPU_RZHF r on r.ID_KPU_CATAL = c.ID "
           "where (r.IS_RETIRED = 1 or r.HS_ID = 18120912) and (exists (select 1 from KPU_SRN s where "
           "s.ID_KPU_CATAL = c.ID) or exists (select 1 from ZEM z where z.ID_CATAL = c.ID))"_s;
    QTest::newRow("livelihood fits employment")
        << u"select count(*) from KPU_SRN where SUODH_ID between 3 and 9 and ((PZ_ID = 1 and SID_ID <> 1) "
           "or (PZ_ID in (2, 3, 5) and SID_ID <> 2) or (PZ_ID = 4 and SID_ID <> 3))"_s;
    QTest::newRow("pensioners outside the labour force")
        << u"select count(*) from KPU_SRN where SID_ID = 5 and PZ_ID <> 8"_s;
    QTest::newRow("students outside the labour force")
        << u"select count(*) from KPU_SRN where SOOO_ID in (3, 4) and (PZ_ID <> 8 or SID_ID not in (4, 7, 9, 10))"_s;
    QTest::newRow("nobody born on or after the reference day")
        << u"select count(*) from KPU_SRN where DATE_R >= date '2025-01-01'"_s;
    QTest::newRow("temporary residents have arrived")
        << u"select count(*) from KPU_SRN where IS_TEMP = 1 and DATE_IN is null"_s;
    QTest::newRow("no IIN twice") << u"select count(*) from (select IIN from KPU_SRN where IIN not in (%1) "
                                     "group by IIN having count(*) > 1)"_s.arg(forbiddenIins);
    QTest::newRow("no member left or died") << u"select count(*) from KPU_SRN where DATE_SM is not null or "
                                               "DATE_OUT is not null"_s;

    QTest::newRow("machinery counted") << u"select count(*) from TEHNIKA where coalesce(TCOUNT, 0) = 0"_s;
    QTest::newRow("equipment counted") << u"select count(*) from OBOR where coalesce(OCOUNT, 0) = 0"_s;
    QTest::newRow("crop buildings counted with capacity")
        << u"select count(*) from POSTR_RAST where coalesce(PCOUNT, 0) = 0 or VMEST is null"_s;
    QTest::newRow("grain stores within their total")
        << u"select count(*) from (select ID_CATAL from POSTR_RAST p where SPR_POSTR_RAST_ID in "
           "(455815, 18070143, 18070144) group by ID_CATAL having sum(PCOUNT) > coalesce((select PCOUNT from "
           "POSTR_RAST s where s.ID_CATAL = p.ID_CATAL and s.SPR_POSTR_RAST_ID = 1), 0) or sum(VMEST) > "
           "coalesce((select VMEST from POSTR_RAST s where s.ID_CATAL = p.ID_CATAL and s.SPR_POSTR_RAST_ID = 1), 0))"_s;
    QTest::newRow("vegetable stores within their total")
        << u"select count(*) from (select ID_CATAL from POSTR_RAST p where SPR_POSTR_RAST_ID in "
           "(18070136, 18070137) group by ID_CATAL having sum(PCOUNT) > coalesce((select PCOUNT from "
           "POSTR_RAST s where s.ID_CATAL = p.ID_CATAL and s.SPR_POSTR_RAST_ID = 2), 0) or sum(VMEST) > "
           "coalesce((select VMEST from POSTR_RAST s where s.ID_CATAL = p.ID_CATAL and s.SPR_POSTR_RAST_ID = 2), 0))"_s;
    QTest::newRow("livestock buildings with places")
        << u"select count(*) from POSTR_ZHIV where coalesce(PCOUNT, 0) = 0 or (CHISLO_SKM is null and "
           "SPR_POSTR_ZHIV_ID not in (78, 79)) or (CHISLO_SKM is not null and SPR_POSTR_ZHIV_ID in (78, 79))"_s;
    QTest::newRow("greenhouse counts not 0")
        << u"select count(*) from TEPLITSY where OVOSHEY = 0 or CVETOV = 0 or GRIBOV = 0"_s;
    QTest::newRow("trade premises with area")
        << u"select count(*) from KPU_VTT where KOL is not null and coalesce(TORG_SQ, 0) = 0"_s;
    QTest::newRow("farm people") << u"select count(*) from KFH_SOSTAV where VSEGO < ZHEN or VSEGO < NAIM"_s;
    QTest::newRow("machinery sheds") << u"select count(*) from KFH_POSTR_TEH where coalesce(PCOUNT, 0) = 0 "
                                        "or coalesce(PLO, 0) = 0"_s;
    QTest::newRow("oil tanks") << u"select count(*) from KFH_POSTR_OIL where coalesce(PCOUNT, 0) = 0 "
                                  "or coalesce(CHISLO_KUBOV, 0) = 0"_s;
    QTest::newRow("farm identified")
        << u"select count(*) from KFH_CATAL where (BIN is null and IIN is null) "
           "or char_length(IIN) <> 12 or char_length(BIN) not in (12, 16)"_s;
    QTest::newRow("farm head not forbidden") << u"select count(*) from KFH_CATAL where IIN in (%1)"_s.arg(forbiddenIins);
    QTest::newRow("no farm BIN or IIN twice")
        << u"select count(*) from (select coalesce(BIN, IIN) NUMBER from KFH_CATAL group by 1 having count(*) > 1)"_s;
    QTest::newRow("main activity of five characters")
        << u"select count(*) from KFH_CATAL c left join KFH_SPR_OKED o on o.ID = c.PRIM_OKED "
           "where char_length(o.CODE) is distinct from 5"_s;
    QTest::newRow("no card ID in both books")
        << u"select count(*) from KPU_CATAL where ID in (select ID from KFH_CATAL)"_s;
    QTest::newRow("sections belong to cards")
        << u"select count(*) from (select ID_CATAL from ZEM union all select ID_CATAL from ZHIV union all "
           "select ID_CATAL from TEHNIKA union all select ID_KPU_CATAL from KPU_ZAKUP union all "
           "select ID_KPU_CATAL from KPU_DOPOL) s where not exists (select 1 from KPU_CATAL c where c.ID = s.ID_CATAL) "
           "and not exists (select 1 from KFH_CATAL f where f.ID = s.ID_CATAL)"_s;
}

// Everything that is not one of the planned faults passes the save rules and
// the FLK checks; the only rows these queries may find are none.
void TestDemoOkrug::validRowsBreakNoRule()
{
    QFETCH(QString, sql);
    QCOMPARE(countOf(m_demo->db(), sql), 0);
}

void TestDemoOkrug::referencesPointAtCurrentRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("book");
    const QList<QStringList> refs = {
        {u"KPU_SRN"_s, u"SROGD_ID"_s, u"KPU_SPR_SROGD"_s},  {u"KPU_SRN"_s, u"POL_SPP_ID"_s, u"KPU_SPR_SPP"_s},
        {u"KPU_SRN"_s, u"KN_ID"_s, u"KPU_SPR_KN"_s},        {u"KPU_SRN"_s, u"SUODH_ID"_s, u"KPU_SPR_SUODH"_s},
        {u"KPU_SRN"_s, u"SOOO_ID"_s, u"KPU_SPR_SOOO"_s},    {u"KPU_SRN"_s, u"PZ_ID"_s, u"KPU_SPR_PZ"_s},
        {u"KPU_SRN"_s, u"SID_ID"_s, u"KPU_SPR_SID"_s},      {u"KPU_SRN"_s, u"SID2_ID"_s, u"KPU_SPR_SID"_s},
        {u"KPU_SRN2"_s, u"SOSTBR_ID"_s, u"KPU_SPR_SOSTBR"_s}, {u"KPU_RZHF"_s, u"SPVOB_ID"_s, u"KPU_SPR_SPVOB"_s},
        {u"KPU_RZHF"_s, u"HS_ID"_s, u"KPU_SPR_HS"_s},       {u"KPU_RZHF"_s, u"RETIRED_ID"_s, u"KPU_SPR_HR"_s},
        {u"KPU_RZHF"_s, u"VSZHP_ID"_s, u"KPU_SPR_VSZHP"_s}, {u"KPU_RZHF"_s, u"HW_ID"_s, u"KPU_SPR_HW"_s},
        {u"KPU_VTT"_s, u"SVTT_ID"_s, u"KPU_SPR_SVTT"_s},    {u"TEHNIKA"_s, u"SPR_TEHNIKA_ID"_s, u"SPR_TEHNIKA"_s},
        {u"OBOR"_s, u"SPR_OBOR_ID"_s, u"SPR_OBOR"_s},       {u"POSTR_RAST"_s, u"SPR_POSTR_RAST_ID"_s, u"SPR_POSTR_RAST"_s},
        {u"POSTR_ZHIV"_s, u"SPR_POSTR_ZHIV_ID"_s, u"SPR_POSTR_ZHIV"_s},
        {u"KFH_POSTR_TEH"_s, u"SPR_POSTR_TEH_ID"_s, u"KFH_SPR_POSTR_TEH"_s},
        {u"KFH_POSTR_OIL"_s, u"SPR_POSTR_OIL_ID"_s, u"KFH_SPR_POSTR_OIL"_s},
        {u"KFH_CATAL"_s, u"PRIM_OKED"_s, u"KFH_SPR_OKED"_s}, {u"KFH_CATAL"_s, u"SPR_SPP_ID"_s, u"KPU_SPR_SPP"_s},
    };
    for (const QStringList &r : refs)
        QTest::addRow("%s.%s", qPrintable(r[0]), qPrintable(r[1])) << r[0] << r[1] << r[2];
}

// The demo never picks a withdrawn reference row, nor one that is missing.
void TestDemoOkrug::referencesPointAtCurrentRows()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, book);
    const QSqlDatabase db = m_demo->db();
    QVERIFY(countOf(db, u"select count(*) from %1 where %2 is not null"_s.arg(table, column)) > 0);
    QCOMPARE(countOf(db, u"select count(*) from %1 t where t.%2 is not null and not exists (select 1 from %3 e "
                        "where e.ID = t.%2 and coalesce(e.date_end, timestamp 'now') >= timestamp 'now' "
                        "and coalesce(e.date_begin, timestamp 'now') <= timestamp 'now')"_s
                         .arg(table, column, book)),
             0);
}

// An IIN begins with the birth date and a digit for century and sex, and
// ends with the register's check digit; the demo's people are no exception,
// apart from the faulty ones.
void TestDemoOkrug::iinsMatchBirthDateAndSex()
{
    QSqlQuery q(m_demo->db());
    QVERIFY(q.exec(u"select IIN, DATE_R, POL_SPP_ID from KPU_SRN where IIN similar to '[0-9]{12}' and IIN not in (%1) "
                   "and POL_SPP_ID is not null"_s.arg(forbiddenIins)));
    int checked = 0;
    while (q.next()) {
        const QString iin = q.value(0).toString();
        const QDate born = q.value(1).toDate();
        const bool male = q.value(2).toInt() == 1;
        QCOMPARE(iin.left(6), born.toString(u"yyMMdd"_s));
        const int century = born.year() < 2000 ? (male ? 3 : 4) : (male ? 5 : 6);
        QCOMPARE(iin.at(6).digitValue(), century);
        int k = 0;
        for (int i = 0; i < 11; ++i)
            k += iin.at(i).digitValue() * (i + 1);
        k %= 11;
        if (k == 10) {
            const int weights[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 2};
            k = 0;
            for (int i = 0; i < 11; ++i)
                k += iin.at(i).digitValue() * weights[i];
            k %= 11;
        }
        QCOMPARE(iin.at(11).digitValue(), k);
        ++checked;
    }
    QVERIFY(checked > 500);
}

QTEST_GUILESS_MAIN(TestDemoOkrug)
#include "tst_demookrug.moc"
