#include "app/WorkContext.h"
#include "books/SectionRegistry.h"
#include "db/ReferenceLists.h"
#include "db/TFDM.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;
using TestSql::scalar;

namespace {

QStringList columnOf(const Dataset &ds, const QString &field)
{
    QStringList values;
    for (int row = 0; row < ds.recordCount(); ++row)
        values << ds.valueAt(row, field).toString();
    return values;
}

} // namespace

// The data module's lists read as the forms need them, over the demo okrug.
class TestTFDM : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void referenceListsOfferWhatTheyShould_data();
    void referenceListsOfferWhatTheyShould();
    void codeAndNameListsShowTheCodeFirst();
    void householdListFollowsTheSortOrder_data();
    void householdListFollowsTheSortOrder();
    void settlementsOfAnEmptyPrefixAreNone();
    void scriptIsOneOperation();
    void everyListAndSectionOpens();

private:
    std::unique_ptr<TestDatabase> m_tdb;
    WorkContext m_context;
    std::unique_ptr<TFDM> m_fdm;
    QString m_prefix;
};

void TestTFDM::init()
{
    m_tdb = std::make_unique<TestDatabase>();
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    QSqlQuery q(m_tdb->db());
    QVERIFY(q.exec(u"select KATO from KNIGA_PROPERTY"_s) && q.next());
    m_prefix = q.value(0).toString().left(6);
    q.clear();
    m_tdb->close();
    m_context = WorkContext{};
    m_fdm = std::make_unique<TFDM>(m_context);
    m_fdm->connectDatabase(m_tdb->path());
}

void TestTFDM::cleanup()
{
    m_fdm.reset();
    m_tdb.reset();
}

void TestTFDM::referenceListsOfferWhatTheyShould_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("hiddenFilter"); // rows of the book the list must leave out
    QTest::newRow("nationality without code 000") << u"KPU_SPR_KN"_s << u"CODE = '000'"_s;
    QTest::newRow("valid house types") << u"KPU_SPR_SPVOB"_s << u"DATE_END < current_timestamp"_s;
    QTest::newRow("valid house situations") << u"KPU_SPR_HS"_s << u"DATE_END < current_timestamp"_s;
    QTest::newRow("valid machinery") << u"SPR_TEHNIKA"_s << u"DATE_END < current_timestamp"_s;
    QTest::newRow("valid livestock buildings") << u"SPR_POSTR_ZHIV"_s << u"DATE_END < current_timestamp"_s;
    QTest::newRow("every marital status") << u"KPU_SPR_SOSTBR"_s << u"1 = 0"_s;
}

void TestTFDM::referenceListsOfferWhatTheyShould()
{
    QFETCH(QString, table);
    QFETCH(QString, hiddenFilter);

    Dataset &list = m_fdm->reference(table);
    list.open();
    QSqlDatabase db = m_fdm->session().database();
    const int all = scalar(db, u"select count(*) from "_s + table).toInt();
    const int hidden = scalar(db, u"select count(*) from %1 where %2"_s.arg(table, hiddenFilter)).toInt();
    QVERIFY(all > 0);
    QCOMPARE(list.recordCount(), all - hidden);
    if (table == u"KPU_SPR_KN"_s) {
        // Kazakh first, Russian second: the nationality list runs in its display order.
        QCOMPARE(list.valueAt(0, u"ID"_s).toInt(), 39365);
        QCOMPARE(list.valueAt(1, u"ID"_s).toInt(), 39361);
    }
}

void TestTFDM::codeAndNameListsShowTheCodeFirst()
{
    Dataset &sexes = m_fdm->reference(u"KPU_SPR_SPP"_s);
    sexes.open();
    QSqlQuery q(m_fdm->session().database());
    QVERIFY(q.exec(u"select CODE, NAME_RUS, NAME_KAZ from KPU_SPR_SPP where ID = 2"_s) && q.next());
    QVERIFY(sexes.locate(u"ID"_s, 2));
    QCOMPARE(sexes.value(ReferenceLists::displayColumn(false)).toString(),
             q.value(0).toString() + u' ' + q.value(1).toString());
    QCOMPARE(sexes.value(ReferenceLists::displayColumn(true)).toString(),
             q.value(0).toString() + u' ' + q.value(2).toString());
}

void TestTFDM::householdListFollowsTheSortOrder_data()
{
    QTest::addColumn<int>("sortOrder");
    QTest::newRow("by address") << 0;
    QTest::newRow("by account number") << 1;
}

void TestTFDM::householdListFollowsTheSortOrder()
{
    QFETCH(int, sortOrder);
    m_fdm->RefreshKato(m_prefix);
    const int settlement = m_fdm->TKnigaKato.value(u"ID"_s).toInt();
    m_context.SortOrder = sortOrder;
    m_fdm->ChangeKato(settlement);

    const Dataset &list = m_fdm->TKPUCatal;
    QVERIFY(list.recordCount() > 1);
    QStringList keys;
    for (int row = 0; row < list.recordCount(); ++row) {
        QCOMPARE(list.valueAt(row, u"KATO_ID"_s).toInt(), settlement);
        keys << (sortOrder == 1 ? list.valueAt(row, u"LS"_s).toString()
                                : list.valueAt(row, u"STREET"_s).toString());
    }
    QStringList sorted = keys;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    QCOMPARE(keys, sorted);

    // The farm list is loaded for the same settlement.
    for (int row = 0; row < m_fdm->TKFHCatal.recordCount(); ++row)
        QCOMPARE(m_fdm->TKFHCatal.valueAt(row, u"KATO_ID"_s).toInt(), settlement);
}

void TestTFDM::settlementsOfAnEmptyPrefixAreNone()
{
    m_fdm->RefreshKato(m_prefix);
    QVERIFY(m_fdm->TKnigaKato.recordCount() > 0);
    QCOMPARE(m_context.OkrugKatoPrefix, m_prefix);
    m_fdm->RefreshKato(QString());
    QCOMPARE(m_fdm->TKnigaKato.recordCount(), 0);
    QCOMPARE(m_context.OkrugKatoPrefix, QString());
}

void TestTFDM::scriptIsOneOperation()
{
    QSqlDatabase db = m_fdm->session().database();
    const QList<SqlStatement> failing = {
        {u"update KNIGA_PROPERTY set AKIM = ?"_s, {u"Новый аким"_s}},
        {u"update NO_SUCH_TABLE set X = 1"_s, {}},
    };
    QVERIFY_THROWS_EXCEPTION(DatabaseError, m_fdm->runScript(failing));
    QCOMPARE(scalar(db, u"select count(*) from KNIGA_PROPERTY where AKIM = 'Новый аким'"_s).toInt(), 0);

    m_fdm->runScript({failing.first()});
    // Committed: a second connection sees it.
    m_fdm->disconnectDatabase();
    m_fdm->connectDatabase(m_tdb->path());
    QCOMPARE(scalar(m_fdm->session().database(),
                    u"select count(*) from KNIGA_PROPERTY where AKIM = 'Новый аким'"_s).toInt(), 1);
}

void TestTFDM::everyListAndSectionOpens()
{
    m_fdm->openListsAndSections();
    for (const ReferenceListInfo &list : ReferenceLists::all()) {
        if (list.table == u"KFH_SPR_OKED"_s || list.table == u"KPU_SPR_SPP"_s)
            continue; // the start-up opens these two itself
        QVERIFY2(m_fdm->reference(list.table).isActive(), qPrintable(list.table));
    }
    for (const SectionInfo &section : SectionRegistry::all())
        QVERIFY2(m_fdm->section(section.dataset).isActive(), qPrintable(section.dataset));
}

QTEST_GUILESS_MAIN(TestTFDM)
#include "tst_tfdm.moc"
