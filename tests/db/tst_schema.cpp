#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using namespace Qt::StringLiterals;
using TestSql::run;
using TestSql::scalar;

namespace {

// Live record tables and their archive twins (the slice copies them whole).
const QStringList ArchivedTables = {
    u"KFH_CATAL"_s, u"KFH_SOSTAV"_s, u"KFH_MONEY"_s, u"KFH_POSTR_TEH"_s, u"KFH_POSTR_OIL"_s,
    u"KPU_CATAL"_s, u"KPU_SRN"_s, u"KPU_SRN2"_s, u"KPU_RZHF"_s, u"KPU_DOPOL"_s,
    u"KPU_VTT"_s, u"KPU_ZAKUP"_s, u"OBOR"_s, u"POSTR_RAST"_s, u"POSTR_ZHIV"_s,
    u"TEHNIKA"_s, u"ZEM"_s, u"ZHIV"_s,
};

int newCard(const QSqlDatabase &db, const QString &table, const QVariant &givenId = {})
{
    const QString sql = table == u"KPU_CATAL"_s
        ? u"insert into KPU_CATAL (ID, LS, STREET, HOUSE, KATO_ID) values (?, 'T1', 'S', 'H', 1) returning ID"_s
        : u"insert into KFH_CATAL (ID, IIN, KATO_ID) values (?, '123456789012', 1) returning ID"_s;
    QSqlQuery q = run(db, sql, {givenId.isValid() ? givenId : QVariant(QMetaType::fromType<int>())});
    return q.next() ? q.value(0).toInt() : -1;
}

// Name and full type of each column of `table`, in column order.
QStringList columnsOf(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery q = run(db, uR"(
        select trim(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, coalesce(f.RDB$FIELD_SUB_TYPE, 0),
               coalesce(f.RDB$FIELD_SCALE, 0), coalesce(f.RDB$FIELD_PRECISION, 0),
               coalesce(f.RDB$CHARACTER_LENGTH, 0)
          from RDB$RELATION_FIELDS rf
          join RDB$FIELDS f on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE
         where rf.RDB$RELATION_NAME = ?
         order by rf.RDB$FIELD_POSITION)"_s, {table});
    QStringList columns;
    while (q.next()) {
        columns << u"%1 %2/%3/%4/%5/%6"_s.arg(q.value(0).toString(), q.value(1).toString(),
                                             q.value(2).toString(), q.value(3).toString(),
                                             q.value(4).toString(), q.value(5).toString());
    }
    return columns;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void householdAndFarmNeverShareAnId();
    void bookRowsAreNumberedByTheDatabase();
    void referenceRowsKeepAGivenId();
    void cardWithMembersCannotBeDeleted();
    void archiveTablesFollowLiveTables_data();
    void archiveTablesFollowLiveTables();
    void saveKpuTwiceLeavesOneActiveSlice_data();
    void saveKpuTwiceLeavesOneActiveSlice();
    void sliceStatementsOfTheProgramRun();
    void actualityDateIsKeptByTheDatabase();
    void housingViewsCountFlatsAndHouses();

private:
    TestDatabase *m_tdb = nullptr;
    QSqlDatabase db() const { return m_tdb->db(); }
};

void TestSchema::init()
{
    m_tdb = new TestDatabase;
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    QVERIFY(db().transaction());
}

void TestSchema::cleanup()
{
    db().rollback();
    delete m_tdb;
    m_tdb = nullptr;
}

void TestSchema::householdAndFarmNeverShareAnId()
{
    QSet<int> ids;
    for (int i = 0; i < 5; ++i) {
        ids << newCard(db(), u"KPU_CATAL"_s);
        ids << newCard(db(), u"KFH_CATAL"_s);
    }
    QCOMPARE(ids.size(), 10);
    QVERIFY(!ids.contains(-1));

    // An ID handed in for a card is replaced, so even a copied card cannot collide.
    const int household = newCard(db(), u"KPU_CATAL"_s);
    QVERIFY(newCard(db(), u"KFH_CATAL"_s, household) != household);

    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL k join KFH_CATAL f on f.ID = k.ID"_s).toInt(), 0);
}

void TestSchema::bookRowsAreNumberedByTheDatabase()
{
    const int card = newCard(db(), u"KPU_CATAL"_s);
    const int taken = scalar(db(), u"select max(ID) from ZEM"_s).toInt();
    QSqlQuery q = run(db(), u"insert into ZEM (ID, ID_CATAL) values (?, ?) returning ID"_s, {taken, card});
    QVERIFY(q.next());
    QVERIFY(q.value(0).toInt() > taken);
}

void TestSchema::referenceRowsKeepAGivenId()
{
    run(db(), u"insert into KNIGA_KATO (ID, KATO, NAME) values (987654, '999999999', 'Тест')"_s);
    QCOMPARE(scalar(db(), u"select NAME from KNIGA_KATO where ID = 987654"_s).toString(), u"Тест"_s);
    QSqlQuery q = run(db(), u"insert into KPU_SPR_HR (CODE, NAME_RUS) values ('X', 'Без ID') returning ID"_s);
    QVERIFY(q.next());
    QVERIFY(!q.value(0).isNull());
}

void TestSchema::cardWithMembersCannotBeDeleted()
{
    const int card = newCard(db(), u"KPU_CATAL"_s);
    run(db(), u"insert into KPU_SRN (ID_KPU_CATAL, FAM) values (?, 'Иванов')"_s, {card});

    QSqlQuery del(db());
    QVERIFY(del.prepare(u"delete from KPU_CATAL where ID = ?"_s));
    del.addBindValue(card);
    QVERIFY(!del.exec());
    QCOMPARE(del.lastError().nativeErrorCode(), u"-530"_s);
    QVERIFY2(del.lastError().text().contains(u"FK_KPU_SRN_1"_s), qPrintable(del.lastError().text()));
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {card}).toInt(), 1);

    run(db(), u"delete from KPU_SRN where ID_KPU_CATAL = ?"_s, {card});
    run(db(), u"delete from KPU_CATAL where ID = ?"_s, {card});
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {card}).toInt(), 0);
}

void TestSchema::archiveTablesFollowLiveTables_data()
{
    QTest::addColumn<QString>("table");
    for (const QString &t : ArchivedTables)
        QTest::newRow(qPrintable(t)) << t;
}

void TestSchema::archiveTablesFollowLiveTables()
{
    QFETCH(QString, table);
    QStringList expected = columnsOf(db(), table);
    QVERIFY(!expected.isEmpty());
    expected << u"EXPORT_ID 8/0/0/0/0"_s;
    QCOMPARE(columnsOf(db(), u"AR_"_s + table), expected);
}

void TestSchema::saveKpuTwiceLeavesOneActiveSlice_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QDate>("firstDay");
    QTest::newRow("January 2012") << 0 << QDate(2012, 1, 1);
    QTest::newRow("July 2015") << 7 << QDate(2015, 7, 1);
    QTest::newRow("July 2026") << 29 << QDate(2026, 7, 1);
}

void TestSchema::saveKpuTwiceLeavesOneActiveSlice()
{
    QFETCH(int, period);
    QFETCH(QDate, firstDay);

    run(db(), u"execute procedure SAVE_KPU(?)"_s, {period});
    newCard(db(), u"KPU_CATAL"_s); // the second slice must see this card
    run(db(), u"insert into TEPLITSY (ID_CATAL, OVOSHEY, OVOSHEY_V) values (1, 2, 30)"_s);
    run(db(), u"execute procedure SAVE_KPU(?)"_s, {period});

    QCOMPARE(scalar(db(), u"select DATE_PERIOD from PERIODS where ID = ?"_s, {period}).toDate(), firstDay);
    QSqlQuery headers = run(db(),
        u"select VERSION_N, ISACTIVE, ACTUAL_DATE from EXPORT_PERIOD where PERIOD = ? order by VERSION_N"_s,
        {period});
    QList<QVariantList> rows;
    while (headers.next())
        rows << QVariantList{headers.value(0).toInt(), headers.value(1).toInt(), headers.value(2).toDate()};
    QCOMPARE(rows, (QList<QVariantList>{{1, 0, QDate::currentDate()}, {2, 1, QDate::currentDate()}}));

    // The list of slices shown to the user joins the active header with its period.
    QCOMPARE(scalar(db(), u"select count(*) from export_period e, periods p "
                          "where isactive=1 and p.id=e.period and p.id = ?"_s, {period}).toInt(), 1);

    for (const QString &table : ArchivedTables + QStringList{u"TEPLITSY"_s}) {
        const int live = scalar(db(), u"select count(*) from "_s + table).toInt();
        const int archived = scalar(db(), u"select count(*) from AR_%1 where EXPORT_ID = ?"_s.arg(table),
                                    {period}).toInt();
        QVERIFY2(live > 0, qPrintable(table));
        QVERIFY2(archived == live, qPrintable(u"%1: %2 archived, %3 live"_s.arg(table).arg(archived).arg(live)));
    }
}

void TestSchema::sliceStatementsOfTheProgramRun()
{
    run(db(), u"execute procedure SAVE_KPU(3)"_s);
    // The slice command replaces four archive tables itself with these statements.
    const QStringList statements = {
        u"delete from ar_kfh_catal  where export_id = 3"_s,
        u"insert into ar_kfh_catal  select e.*, 3 from kfh_catal e"_s,
        u"delete from ar_zem  where export_id = 3"_s,
        u"insert into ar_zem  select e.*, 3 from zem e"_s,
        u"delete from ar_teplitsy  where export_id = 3"_s,
        u"insert into ar_teplitsy  select ID, ID_CATAL, OVOSHEY, CVETOV, GRIBOV, PROCHEE, ACTUAL_DATE, "
        "OVOSHEY_V, CVETOV_V, GRIBOV_V, PROCHEE_V, 3 from teplitsy "_s,
        u"delete from ar_zhiv  where export_id = 3"_s,
        u"insert into ar_zhiv  select e.*, 3 from zhiv e"_s,
    };
    for (const QString &sql : statements)
        run(db(), sql);
    QCOMPARE(scalar(db(), u"select count(*) from ar_zem where export_id = 3"_s).toInt(),
             scalar(db(), u"select count(*) from zem"_s).toInt());
}

void TestSchema::actualityDateIsKeptByTheDatabase()
{
    const int card = newCard(db(), u"KPU_CATAL"_s);
    QCOMPARE(scalar(db(), u"select cast(DATE_ACTUAL as date) from KPU_CATAL where ID = ?"_s, {card}).toDate(),
             QDate::currentDate());

    // A row brought in with its own date keeps it; an update renews it.
    QSqlQuery q = run(db(), u"insert into ZHIV (ID_CATAL, KURY, ACTUAL_DATE) values (?, 3, ?) returning ID"_s,
                      {card, QDate(2014, 3, 1)});
    QVERIFY(q.next());
    const int row = q.value(0).toInt();
    QCOMPARE(scalar(db(), u"select ACTUAL_DATE from ZHIV where ID = ?"_s, {row}).toDate(), QDate(2014, 3, 1));
    run(db(), u"update ZHIV set KURY = 4 where ID = ?"_s, {row});
    QCOMPARE(scalar(db(), u"select ACTUAL_DATE from ZHIV where ID = ?"_s, {row}).toDate(), QDate::currentDate());
}

void TestSchema::housingViewsCountFlatsAndHouses()
{
    const int a = newCard(db(), u"KPU_CATAL"_s);
    const int b = newCard(db(), u"KPU_CATAL"_s);
    const int c = newCard(db(), u"KPU_CATAL"_s);
    const int d = newCard(db(), u"KPU_CATAL"_s);
    const QString housing = u"insert into KPU_RZHF (ID_KPU_CATAL, IKD, SPVOB_ID, IS_RETIRED, HS_ID, "
                            "FULL_SQ, LIVING_SQ, BL_EL) values (?, ?, ?, ?, ?, ?, ?, ?)"_s;
    // Two flats of one lived-in house, an empty house, a house that left the register.
    run(db(), housing, {a, 9100000000000001LL, 4, 0, 560, 50, 30, 1});
    run(db(), housing, {b, 9100000000000001LL, 4, 0, 560, 70, 40, 0});
    run(db(), housing, {c, 9100000000000002LL, 6, 0, 18120912, 90, 60, 0});
    run(db(), housing, {d, 9100000000000003LL, 6, 1, 560, 80, 50, 1});

    const QString inFixture = u" where ID_KPU_CATAL in (%1, %2, %3, %4)"_s.arg(a).arg(b).arg(c).arg(d);
    QSqlQuery flats = run(db(), u"select ID_KPU_CATAL, IS_LIVING, BL_EL from rep_rzhf_flat"_s + inFixture
                                    + u" order by ID_KPU_CATAL"_s);
    QList<QVariantList> flatRows;
    while (flats.next())
        flatRows << QVariantList{flats.value(0).toInt(), flats.value(1).toInt(), flats.value(2).toInt()};
    QCOMPARE(flatRows, (QList<QVariantList>{{a, 1, 1}, {b, 1, 0}, {c, 0, 0}}));

    QSqlQuery houses = run(db(), u"select ID_KPU_CATAL, IKD, IS_LIVING, FULL_SQ, LIVING_SQ, BL_EL "
                                  "from rep_rzhf_house"_s + inFixture + u" order by IKD"_s);
    QList<QVariantList> houseRows;
    while (houses.next()) {
        houseRows << QVariantList{houses.value(0).toInt(), houses.value(1).toLongLong(), houses.value(2).toInt(),
                                  houses.value(3).toDouble(), houses.value(4).toDouble(), houses.value(5).toInt()};
    }
    QCOMPARE(houseRows, (QList<QVariantList>{{a, 9100000000000001LL, 1, 120.0, 70.0, 1},
                                             {c, 9100000000000002LL, 0, 90.0, 60.0, 0}}));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
