#include "db/Dataset.h"
#include "db/DatasetSql.h"
#include "db/DbSession.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;
using TestSql::scalar;

namespace {

const QString ConnectionName = u"dataset"_s;
// The test's own settlements; nothing else in the template uses them.
constexpr int Kato = 777001;
constexpr int OtherKato = 777002;

QVariant dec(const char *text, int scale)
{
    return QVariant::fromValue(*Decimal::parse(QString::fromLatin1(text), scale));
}

// The text of the exception `f` throws; empty when it throws none.
template<typename F>
QString errorOf(F f)
{
    try {
        f();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (const Abort &) {
        return u"Abort"_s;
    }
    return {};
}

const StatementSet CardStatements{
    u"insert into KPU_CATAL (LS, STREET, HOUSE, KATO_ID) values (:LS, :STREET, :HOUSE, :KATO_ID) returning ID"_s,
    // Both old values: a modify that bound the new LS instead would change nothing.
    u"update KPU_CATAL set LS = :LS, STREET = :STREET, HOUSE = :HOUSE, KATO_ID = :KATO_ID"
    " where ID = :OLD_ID and LS = :OLD_LS"_s,
    u"delete from KPU_CATAL where ID = :OLD_ID"_s,
    u"select ID, LS, STREET, HOUSE, KATO_ID, DATE_ACTUAL from KPU_CATAL where ID = :ID"_s,
};

const QString CardSelect = u"select ID, LS, STREET, HOUSE, KATO_ID, IS_DELETED, DATE_DELETED, DATE_ACTUAL"
                           " from KPU_CATAL where KATO_ID = :KATO_ID order by LS"_s;

} // namespace

class TestDataset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithItsParameter();
    void fieldTypesFollowTheColumns_data();
    void fieldTypesFollowTheColumns();
    void navigation_data();
    void navigation();
    void appendedCardGetsItsIdAndDatabaseFilledValues();
    void editedCardIsWrittenByItsOldValues();
    void abortInBeforePostKeepsTheInputAndWritesNothing();
    void refusedPostLeavesDataAndInput();
    void refusedRemoveKeepsTheRow();
    void failingAfterDeleteUndoesTheWholeDelete();
    void removeStaysAtThePosition();
    void cancelledAppendReturnsToThePreviousRow();
    void movingAwayPostsTypedInputAndDropsAnUntouchedRow();
    void readOnlyAndBrowsingRefuse_data();
    void readOnlyAndBrowsingRefuse();
    void setValueConverts_data();
    void setValueConverts();
    void afterScrollRunsOnMovesUnlessHeld();
    void fieldChangeKeepsTotalsLive();
    void calculatedField();
    void refreshReturnsToTheSameId();
    void operationSharesItsWritesWithDatasetsOpenedInIt();
    void afterScrollReadsInOneTransaction();
    void namedParameters_data();
    void namedParameters();
    void engineDescriptionAgreesWithTheDriver();

private:
    QSqlDatabase db() const { return m_session->database(); }
    int addCard(const QString &ls, int kato = Kato);
    std::unique_ptr<Dataset> cardList(bool editable = true);

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<DbSession> m_session;
    int m_cardWithMember = 0;
};

void TestDataset::init()
{
    m_tdb = std::make_unique<TestDatabase>(ConnectionName);
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_session = std::make_unique<DbSession>(ConnectionName);

    Operation op(*m_session);
    m_cardWithMember = addCard(u"A1"_s);
    addCard(u"A2"_s);
    addCard(u"A3"_s);
    addCard(u"B1"_s, OtherKato);
    scalar(db(),
           u"insert into KPU_SRN (ID_KPU_CATAL, FAM, IM, OT) values (?, 'Иванов', 'Иван', 'Иванович') returning ID"_s,
           {m_cardWithMember});
    scalar(db(), u"insert into ZEM (ID_CATAL, VSEGO, VODO, PASHNYA) values (?, ?, ?, ?) returning ID"_s,
           {m_cardWithMember, 1234567.8912, 0.3, 0.0001});
    scalar(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, IKD, FULL_SQ, DATE_ENTER) values (?, ?, ?, ?) returning ID"_s,
           {m_cardWithMember, 1234567890123456LL, 0.29, QDateTime(QDate(2024, 2, 29), QTime(13, 14, 15))});
    op.commit();
}

void TestDataset::cleanup()
{
    m_session.reset();
    m_tdb.reset();
}

int TestDataset::addCard(const QString &ls, int kato)
{
    return scalar(db(), u"insert into KPU_CATAL (LS, STREET, HOUSE, KATO_ID) values (?, 'S', 'H', ?) returning ID"_s,
                  {ls, kato})
        .toInt();
}

std::unique_ptr<Dataset> TestDataset::cardList(bool editable)
{
    auto ds = std::make_unique<Dataset>(*m_session, u"cards"_s);
    ds->setSelectSql(CardSelect);
    ds->setParam(u"KATO_ID"_s, Kato);
    if (editable)
        ds->setStatements(CardStatements);
    return ds;
}

void TestDataset::opensWithItsParameter()
{
    Dataset ds(*m_session, u"cards"_s);
    ds.setSelectSql(CardSelect);
    QSignalSpy resets(&ds, &Dataset::reset);

    ds.setParam(u"KATO_ID"_s, Kato);
    ds.open();
    QVERIFY(ds.isActive());
    QCOMPARE(ds.state(), DatasetState::Browse);
    QCOMPARE(ds.recordCount(), 3);
    QCOMPARE(ds.recNo(), 0);
    QCOMPARE(ds.value(u"LS"_s), QVariant(u"A1"_s));
    QCOMPARE(ds.valueAt(2, u"ls"_s), QVariant(u"A3"_s)); // names in any case
    QCOMPARE(resets.count(), 1);

    ds.close();
    ds.setParam(u"KATO_ID"_s, OtherKato);
    ds.open();
    QCOMPARE(ds.recordCount(), 1);
    QCOMPARE(ds.value(u"LS"_s), QVariant(u"B1"_s));

    ds.setParam(u"KATO_ID"_s, QVariant()); // NULL matches nothing
    ds.open();
    QVERIFY(ds.isEmpty());
    QCOMPARE(ds.recNo(), -1);
    QVERIFY(!ds.value(u"LS"_s).isValid());

    Dataset unset(*m_session, u"unset"_s);
    unset.setSelectSql(CardSelect);
    unset.open();
    QVERIFY(unset.isActive());
    QVERIFY(unset.isEmpty());

    Dataset broken(*m_session, u"broken"_s);
    broken.setSelectSql(u"select NO_SUCH_COLUMN from KPU_CATAL"_s);
    try {
        broken.open();
        QFAIL("a select of an unknown column opened");
    } catch (const DatabaseError &e) {
        QCOMPARE(e.nativeCode(), u"-206"_s);
    }
    QVERIFY(!broken.isActive());
}

void TestDataset::fieldTypesFollowTheColumns_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QMetaType>("type");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QVariant>("value");

    const QMetaType decimal = QMetaType::fromType<Decimal>();
    QTest::newRow("NUMERIC(18,4)") << u"ZEM"_s << u"VSEGO"_s << decimal << 4 << dec("1234567.8912", 4);
    QTest::newRow("NUMERIC(18,4) small") << u"ZEM"_s << u"PASHNYA"_s << decimal << 4 << dec("0.0001", 4);
    QTest::newRow("NUMERIC(18,1)") << u"ZEM"_s << u"VODO"_s << decimal << 1 << dec("0.3", 1);
    QTest::newRow("NUMERIC(18,4) NULL") << u"ZEM"_s << u"SADY"_s << decimal << 4 << QVariant();
    QTest::newRow("NUMERIC(18,2)") << u"KPU_RZHF"_s << u"FULL_SQ"_s << decimal << 2 << dec("0.29", 2);
    QTest::newRow("BIGINT") << u"KPU_RZHF"_s << u"IKD"_s << QMetaType::fromType<qlonglong>() << 0
                            << QVariant(1234567890123456LL);
    QTest::newRow("TIMESTAMP") << u"KPU_RZHF"_s << u"DATE_ENTER"_s << QMetaType::fromType<QDateTime>() << 0
                               << QVariant(QDateTime(QDate(2024, 2, 29), QTime(13, 14, 15)));
    QTest::newRow("INTEGER") << u"KPU_RZHF"_s << u"KOL_KOMNAT"_s << QMetaType::fromType<int>() << 0 << QVariant();
    QTest::newRow("SMALLINT") << u"KPU_CATAL"_s << u"IS_DELETED"_s << QMetaType::fromType<int>() << 0 << QVariant();
    QTest::newRow("DATE") << u"KPU_CATAL"_s << u"DATE_DELETED"_s << QMetaType::fromType<QDate>() << 0 << QVariant();
    QTest::newRow("VARCHAR") << u"KPU_CATAL"_s << u"LS"_s << QMetaType::fromType<QString>() << 0
                             << QVariant(u"A1"_s);
}

void TestDataset::fieldTypesFollowTheColumns()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QMetaType, type);
    QFETCH(int, scale);
    QFETCH(QVariant, value);

    const QString link = table == u"ZEM"_s ? u"ID_CATAL"_s : table == u"KPU_CATAL"_s ? u"ID"_s : u"ID_KPU_CATAL"_s;
    Dataset ds(*m_session, table);
    ds.setSelectSql(u"select * from %1 where %2 = :CARD"_s.arg(table, link));
    ds.setParam(u"CARD"_s, m_cardWithMember);
    ds.open();
    QCOMPARE(ds.recordCount(), 1);

    const FieldInfo info = ds.field(field);
    QCOMPARE(info.name, field);
    QCOMPARE(info.type, type);
    QCOMPARE(info.scale, scale);
    QVERIFY(!info.calculated);
    QCOMPARE(ds.value(field), value);
    if (value.isValid())
        QCOMPARE(ds.value(field).metaType(), type);
    if (type == QMetaType::fromType<Decimal>() && value.isValid())
        QCOMPARE(ds.value(field).value<Decimal>().scale(), scale);
    if (field == u"LS"_s)
        QCOMPARE(info.length, 25);
}

void TestDataset::navigation_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("bof");
    QTest::addColumn<bool>("eof");

    QTest::newRow("opened") << 3 << u""_s << 0 << true << false;
    QTest::newRow("next") << 3 << u"next"_s << 1 << false << false;
    QTest::newRow("next onto the last row") << 3 << u"next next"_s << 2 << false << false;
    QTest::newRow("next past the last row") << 3 << u"next next next"_s << 2 << false << true;
    QTest::newRow("last") << 3 << u"last"_s << 2 << false << true;
    QTest::newRow("last prior") << 3 << u"last prior"_s << 1 << false << false;
    QTest::newRow("prior before the first row") << 3 << u"next prior prior"_s << 0 << true << false;
    QTest::newRow("first after last") << 3 << u"last first"_s << 0 << true << false;
    QTest::newRow("moveTo") << 3 << u"moveTo2"_s << 2 << false << false;
    QTest::newRow("moveTo beyond the end") << 3 << u"moveTo9"_s << 2 << false << false;
    QTest::newRow("one row opened") << 1 << u""_s << 0 << true << false;
    QTest::newRow("one row next") << 1 << u"next"_s << 0 << false << true;
    QTest::newRow("one row prior") << 1 << u"prior"_s << 0 << true << false;
    QTest::newRow("empty opened") << 0 << u""_s << -1 << true << true;
    QTest::newRow("empty next") << 0 << u"next"_s << -1 << true << true;
    QTest::newRow("empty last") << 0 << u"last"_s << -1 << true << true;
}

void TestDataset::navigation()
{
    QFETCH(int, rows);
    QFETCH(QString, moves);
    QFETCH(int, recNo);
    QFETCH(bool, bof);
    QFETCH(bool, eof);

    Dataset ds(*m_session, u"cards"_s);
    ds.setSelectSql(u"select first (:N) LS from KPU_CATAL where KATO_ID = :KATO_ID order by LS"_s);
    ds.setParam(u"N"_s, rows);
    ds.setParam(u"KATO_ID"_s, Kato);
    ds.open();
    QCOMPARE(ds.recordCount(), rows);
    for (const QString &move : moves.split(u' ', Qt::SkipEmptyParts)) {
        if (move == u"next")
            ds.next();
        else if (move == u"prior")
            ds.prior();
        else if (move == u"first")
            ds.first();
        else if (move == u"last")
            ds.last();
        else if (move.startsWith(u"moveTo"))
            ds.moveTo(move.mid(6).toInt());
    }
    QCOMPARE(ds.recNo(), recNo);
    QCOMPARE(ds.bof(), bof);
    QCOMPARE(ds.eof(), eof);

    // The usual loop visits every row once.
    QStringList seen;
    for (ds.first(); !ds.eof(); ds.next())
        seen << ds.value(u"LS"_s).toString();
    QCOMPARE(seen, (QStringList{u"A1"_s, u"A2"_s, u"A3"_s}.mid(0, rows)));
}

void TestDataset::appendedCardGetsItsIdAndDatabaseFilledValues()
{
    auto ds = cardList();
    ds->open();
    QSignalSpy inserted(ds.get(), &Dataset::rowInserted);
    QSignalSpy current(ds.get(), &Dataset::currentRowChanged);

    ds->append();
    QCOMPARE(ds->state(), DatasetState::Insert);
    QCOMPARE(ds->recordCount(), 4);
    QCOMPARE(ds->recNo(), 3);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(current.last().first().toInt(), 3);
    for (const FieldInfo &f : ds->fields())
        QVERIFY2(ds->isNull(f.name), qPrintable(f.name));
    QVERIFY(!ds->oldValue(u"LS"_s).isValid());

    ds->setValue(u"LS"_s, u"A4"_s);
    ds->setValue(u"STREET"_s, u"Абая"_s);
    ds->setValue(u"KATO_ID"_s, Kato);
    ds->post();

    QCOMPARE(ds->state(), DatasetState::Browse);
    QVERIFY(!m_session->inOperation());
    const QVariant id = ds->value(u"ID"_s);
    QVERIFY(id.toInt() > 0);
    QCOMPARE(ds->value(u"DATE_ACTUAL"_s).metaType(), QMetaType::fromType<QDateTime>()); // by the trigger
    QCOMPARE(ds->oldValue(u"LS"_s), QVariant(u"A4"_s));
    QCOMPARE(scalar(db(), u"select STREET from KPU_CATAL where ID = ? and LS = 'A4'"_s, {id}), QVariant(u"Абая"_s));
}

void TestDataset::editedCardIsWrittenByItsOldValues()
{
    auto ds = cardList();
    ds->open();
    ds->moveTo(1);
    const QVariant id = ds->value(u"ID"_s);
    QSignalSpy states(ds.get(), &Dataset::stateChanged);

    ds->edit();
    QCOMPARE(ds->state(), DatasetState::Edit);
    ds->setValue(u"LS"_s, u"B2"_s);
    QCOMPARE(ds->oldValue(u"LS"_s), QVariant(u"A2"_s));
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"B2"_s));
    ds->post();

    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(states.count(), 2);
    QCOMPARE(ds->recNo(), 1); // a post does not move
    QCOMPARE(ds->oldValue(u"LS"_s), QVariant(u"B2"_s));
    QCOMPARE(scalar(db(), u"select LS from KPU_CATAL where ID = ?"_s, {id}), QVariant(u"B2"_s));
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where LS in ('A1', 'A3')"_s).toInt(), 2);
}

void TestDataset::abortInBeforePostKeepsTheInputAndWritesNothing()
{
    auto ds = cardList();
    int calls = 0;
    ds->beforePost = [&](Dataset &d) {
        ++calls;
        // Work done before the refusal goes with it.
        QSqlQuery q(m_session->database());
        q.exec(u"update KPU_CATAL set STREET = 'changed by the rule'"_s);
        if (d.isNull(u"HOUSE"_s))
            throw Abort();
    };
    ds->open();

    ds->append();
    ds->setValue(u"LS"_s, u"A9"_s);
    ds->setValue(u"KATO_ID"_s, Kato);
    QCOMPARE(errorOf([&] { ds->post(); }), u"Abort"_s);
    QCOMPARE(calls, 1);
    QCOMPARE(ds->state(), DatasetState::Insert);
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"A9"_s));
    QCOMPARE(ds->recordCount(), 4);
    QVERIFY(!m_session->inOperation());
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where LS = 'A9'"_s).toInt(), 0);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where STREET = 'changed by the rule'"_s).toInt(), 0);

    // Mended, the same row posts.
    ds->setValue(u"HOUSE"_s, u"5"_s);
    ds->post();
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where LS = 'A9'"_s).toInt(), 1);
}

void TestDataset::refusedPostLeavesDataAndInput()
{
    Dataset members(*m_session, u"members"_s);
    members.setSelectSql(u"select ID, ID_KPU_CATAL, FAM from KPU_SRN where ID_KPU_CATAL = :CARD"_s);
    members.setParam(u"CARD"_s, m_cardWithMember);
    members.setStatements(StatementSet{
        u"insert into KPU_SRN (ID_KPU_CATAL, FAM) values (:ID_KPU_CATAL, :FAM) returning ID"_s,
        u"update KPU_SRN set ID_KPU_CATAL = :ID_KPU_CATAL, FAM = :FAM where ID = :OLD_ID"_s,
        u"delete from KPU_SRN where ID = :OLD_ID"_s,
        {},
    });
    members.open();
    QCOMPARE(members.recordCount(), 1);

    members.edit();
    members.setValue(u"FAM"_s, u"Петров"_s);
    members.setValue(u"ID_KPU_CATAL"_s, -1); // no such card
    try {
        members.post();
        QFAIL("a member of a missing card was written");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.text().contains(u"violation of FOR"_s), qPrintable(e.text()));
        QCOMPARE(e.nativeCode(), u"-530"_s);
    }
    QCOMPARE(members.state(), DatasetState::Edit);
    QCOMPARE(members.value(u"FAM"_s), QVariant(u"Петров"_s));
    QCOMPARE(members.value(u"ID_KPU_CATAL"_s), QVariant(-1));
    QVERIFY(!m_session->inOperation());
    QCOMPARE(scalar(db(), u"select FAM from KPU_SRN where ID_KPU_CATAL = ?"_s, {m_cardWithMember}),
             QVariant(u"Иванов"_s));

    members.cancel();
    QCOMPARE(members.state(), DatasetState::Browse);
    QCOMPARE(members.value(u"FAM"_s), QVariant(u"Иванов"_s));
}

void TestDataset::refusedRemoveKeepsTheRow()
{
    auto ds = cardList();
    ds->open();
    QVERIFY(ds->locate(u"ID"_s, m_cardWithMember));
    const int row = ds->recNo();
    try {
        ds->remove(); // the card still has a member
        QFAIL("a card with members was deleted");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.text().contains(u"violation of FOR"_s), qPrintable(e.text()));
        QCOMPARE(e.nativeCode(), u"-530"_s);
    }
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->recNo(), row);
    QCOMPARE(ds->value(u"ID"_s), QVariant(m_cardWithMember));
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {m_cardWithMember}).toInt(), 1);
}

void TestDataset::failingAfterDeleteUndoesTheWholeDelete()
{
    auto ds = cardList();
    ds->afterDelete = [&](Dataset &) {
        QSqlQuery q(m_session->database());
        q.exec(u"delete from KPU_SRN"_s);
        throw std::runtime_error("the follow-up failed");
    };
    ds->open();
    ds->moveTo(2);
    const QVariant id = ds->value(u"ID"_s);
    const int members = scalar(db(), u"select count(*) from KPU_SRN"_s).toInt();
    QCOMPARE(errorOf([&] { ds->remove(); }), u"the follow-up failed"_s);

    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->recNo(), 2);
    QCOMPARE(ds->value(u"ID"_s), id);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {id}).toInt(), 1);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_SRN"_s).toInt(), members);
}

void TestDataset::removeStaysAtThePosition()
{
    auto ds = cardList();
    int afterDeletes = 0;
    ds->afterDelete = [&](Dataset &d) {
        ++afterDeletes;
        QCOMPARE(d.recordCount(), afterDeletes == 1 ? 2 : 1);
    };
    ds->open();
    QSignalSpy removed(ds.get(), &Dataset::rowRemoved);

    ds->moveTo(1); // A2
    ds->remove();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().first().toInt(), 1);
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"A3"_s));

    ds->remove(); // the last row: the new last one becomes current
    QCOMPARE(ds->recNo(), 0);
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"A1"_s));
    QCOMPARE(afterDeletes, 2);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where KATO_ID = ?"_s, {Kato}).toInt(), 1);
}

void TestDataset::cancelledAppendReturnsToThePreviousRow()
{
    auto ds = cardList();
    ds->open();
    ds->moveTo(1);
    ds->append();
    ds->setValue(u"LS"_s, u"X"_s);
    QSignalSpy removed(ds.get(), &Dataset::rowRemoved);
    ds->cancel();
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().first().toInt(), 3);
}

void TestDataset::movingAwayPostsTypedInputAndDropsAnUntouchedRow()
{
    auto ds = cardList();
    ds->open();
    ds->edit();
    ds->setValue(u"HOUSE"_s, u"12"_s);
    ds->next(); // posts
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(scalar(db(), u"select HOUSE from KPU_CATAL where LS = 'A1'"_s), QVariant(u"12"_s));

    ds->append();
    ds->first(); // nothing was set: the new row goes
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->recNo(), 0);

    // A refused post stops the move.
    ds->beforePost = [](Dataset &) { throw Abort(); };
    ds->edit();
    ds->setValue(u"HOUSE"_s, u"13"_s);
    QCOMPARE(errorOf([&] { ds->last(); }), u"Abort"_s);
    QCOMPARE(ds->recNo(), 0);
    QCOMPARE(ds->state(), DatasetState::Edit);
}

void TestDataset::readOnlyAndBrowsingRefuse_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");

    QTest::newRow("edit read-only") << false << u"edit"_s << u"Cannot modify a read-only dataset"_s;
    QTest::newRow("append read-only") << false << u"append"_s << u"Cannot modify a read-only dataset"_s;
    QTest::newRow("remove read-only") << false << u"remove"_s << u"Cannot delete from a read-only dataset"_s;
    QTest::newRow("setValue browsing") << true << u"setValue"_s << u"Dataset not in edit or insert mode"_s;
    QTest::newRow("post browsing") << true << u"post"_s << u"Dataset not in edit or insert mode"_s;
}

void TestDataset::readOnlyAndBrowsingRefuse()
{
    QFETCH(bool, editable);
    QFETCH(QString, action);
    QFETCH(QString, message);

    auto ds = cardList(editable);
    ds->open();
    QCOMPARE(ds->isReadOnly(), !editable);
    const QString error = errorOf([&] {
        if (action == u"edit")
            ds->edit();
        else if (action == u"append")
            ds->append();
        else if (action == u"remove")
            ds->remove();
        else if (action == u"setValue")
            ds->setValue(u"LS"_s, u"Z"_s);
        else if (action == u"post")
            ds->post();
    });
    QCOMPARE(error, message);
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"A1"_s));
}

void TestDataset::setValueConverts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("error");

    QTest::newRow("decimal text with comma") << u"VSEGO"_s << QVariant(u"12,5"_s) << dec("12.5000", 4) << QString();
    QTest::newRow("decimal text with point") << u"VODO"_s << QVariant(u"-0.5"_s) << dec("-0.5", 1) << QString();
    QTest::newRow("decimal from int") << u"VSEGO"_s << QVariant(7) << dec("7.0000", 4) << QString();
    QTest::newRow("decimal from double") << u"VODO"_s << QVariant(0.25) << dec("0.3", 1) << QString();
    QTest::newRow("decimal of another scale") << u"VODO"_s << dec("1.25", 2) << dec("1.3", 1) << QString();
    QTest::newRow("decimal empty text") << u"VSEGO"_s << QVariant(u""_s) << QVariant() << QString();
    QTest::newRow("decimal letters") << u"VSEGO"_s << QVariant(u"abc"_s) << QVariant()
                                     << u"'abc' is not a valid floating point value"_s;
    QTest::newRow("decimal too many places") << u"VODO"_s << QVariant(u"1.25"_s) << QVariant()
                                             << u"'1.25' is not a valid floating point value"_s;
    QTest::newRow("integer text") << u"UNITS_ID"_s << QVariant(u" 42 "_s) << QVariant(42) << QString();
    QTest::newRow("integer from whole decimal") << u"UNITS_ID"_s << dec("3.00", 2) << QVariant(3) << QString();
    QTest::newRow("integer letters") << u"UNITS_ID"_s << QVariant(u"abc"_s) << QVariant()
                                     << u"'abc' is not a valid integer value"_s;
    QTest::newRow("integer fraction") << u"UNITS_ID"_s << QVariant(u"1,5"_s) << QVariant()
                                      << u"'1,5' is not a valid integer value"_s;
    QTest::newRow("date text") << u"ACTUAL_DATE"_s << QVariant(u"01.02.2020"_s) << QVariant(QDate(2020, 2, 1))
                               << QString();
    QTest::newRow("date empty mask") << u"ACTUAL_DATE"_s << QVariant(u"  .  .    "_s) << QVariant() << QString();
    QTest::newRow("date impossible") << u"ACTUAL_DATE"_s << QVariant(u"31.02.2020"_s) << QVariant()
                                     << u"'31.02.2020' is not a valid date"_s;
    QTest::newRow("NULL") << u"VSEGO"_s << QVariant() << QVariant() << QString();
}

void TestDataset::setValueConverts()
{
    QFETCH(QString, field);
    QFETCH(QVariant, input);
    QFETCH(QVariant, stored);
    QFETCH(QString, error);

    Dataset ds(*m_session, u"land"_s);
    ds.setSelectSql(u"select * from ZEM where ID_CATAL = :CARD"_s);
    ds.setParam(u"CARD"_s, m_cardWithMember);
    ds.setStatements(StatementSet{u"-"_s, u"-"_s, u"-"_s, {}}); // never run here
    ds.open();
    ds.edit();
    const QVariant before = ds.value(field);
    QCOMPARE(errorOf([&] { ds.setValue(field, input); }), error);
    QCOMPARE(ds.value(field), error.isEmpty() ? stored : before);
    if (stored.isValid())
        QCOMPARE(ds.value(field).metaType(), stored.metaType());
}

void TestDataset::afterScrollRunsOnMovesUnlessHeld()
{
    auto ds = cardList();
    QStringList seen;
    ds->afterScroll = [&](Dataset &d) { seen << d.value(u"LS"_s).toString(); };
    ds->open();
    QCOMPARE(seen, QStringList{u"A1"_s});
    ds->next();
    QCOMPARE(seen, (QStringList{u"A1"_s, u"A2"_s}));
    {
        Dataset::AfterScrollHold hold(*ds);
        Dataset::AfterScrollHold nested(*ds);
        ds->next();
        ds->first();
        QVERIFY(ds->locate(u"LS"_s, u"A3"_s));
        ds->refresh();
    }
    QCOMPARE(seen.size(), 2);
    ds->runAfterScroll();
    QCOMPARE(seen, (QStringList{u"A1"_s, u"A2"_s, u"A3"_s}));

    // A post does not scroll; a locate that finds nothing does not either.
    ds->edit();
    ds->setValue(u"HOUSE"_s, u"7"_s);
    ds->post();
    QVERIFY(!ds->locate(u"LS"_s, u"none"_s));
    QCOMPARE(seen.size(), 3);
    QCOMPARE(ds->recNo(), 2);
}

void TestDataset::fieldChangeKeepsTotalsLive()
{
    Dataset land(*m_session, u"land"_s);
    land.setSelectSql(u"select * from ZEM where ID_CATAL = :CARD"_s);
    land.setParam(u"CARD"_s, m_cardWithMember);
    land.setStatements(StatementSet{
        {},
        u"update ZEM set PASHNYA = :PASHNYA, SADY = :SADY, KFH_SHU = :KFH_SHU, VSEGO = :VSEGO where ID = :OLD_ID"_s,
        {},
        u"select * from ZEM where ID = :ID"_s,
    });
    QStringList changes;
    auto amount = [](Dataset &d, const char *f) {
        const QVariant v = d.value(QString::fromLatin1(f));
        return v.isValid() ? v.value<Decimal>() : Decimal();
    };
    land.onFieldChange = [&](Dataset &d, const QString &field) {
        changes << field;
        if (field == u"PASHNYA" || field == u"SADY")
            d.setValue(u"KFH_SHU"_s, QVariant::fromValue(amount(d, "PASHNYA") + amount(d, "SADY")));
        else if (field == u"KFH_SHU")
            d.setValue(u"VSEGO"_s, QVariant::fromValue(amount(d, "KFH_SHU")));
    };
    land.open();
    land.edit();
    land.setValue(u"PASHNYA"_s, u"0,1"_s);
    land.setValue(u"SADY"_s, u"0.2"_s);
    QCOMPARE(land.value(u"KFH_SHU"_s), dec("0.3", 4));
    QCOMPARE(land.value(u"VSEGO"_s), dec("0.3", 4));
    land.setValue(u"SADY"_s, u"0.2"_s); // the same value runs the handler again
    QCOMPARE(changes.count(u"SADY"_s), 2);
    QCOMPARE(changes.count(u"VSEGO"_s), 3); // set by the handler, reported like any other
    QCOMPARE(changes.mid(0, 3), (QStringList{u"PASHNYA"_s, u"KFH_SHU"_s, u"VSEGO"_s}));
    land.post();
    QCOMPARE(scalar(db(), u"select cast(KFH_SHU as varchar(30)) from ZEM where ID_CATAL = ?"_s, {m_cardWithMember}),
             QVariant(u"0.3000"_s));
    QCOMPARE(land.value(u"VSEGO"_s), dec("0.3", 4)); // as reread
}

void TestDataset::calculatedField()
{
    Dataset members(*m_session, u"members"_s);
    members.setSelectSql(u"select ID, FAM, IM, OT from KPU_SRN where ID_KPU_CATAL = :CARD"_s);
    members.setParam(u"CARD"_s, m_cardWithMember);
    members.setStatements(StatementSet{{}, u"update KPU_SRN set FAM = :FAM where ID = :OLD_ID"_s, {}, {}});
    members.addCalculatedField(u"FIO"_s, QMetaType::fromType<QString>(), [](const RowView &row) {
        return QVariant(QStringList{row.value(u"FAM"_s).toString(), row.value(u"IM"_s).toString(),
                                    row.value(u"OT"_s).toString()}
                            .join(u' '));
    });
    members.open();

    const FieldInfo info = members.field(u"fio"_s);
    QVERIFY(info.calculated);
    QCOMPARE(info.name, u"FIO"_s);
    QCOMPARE(members.fields().last().name, u"FIO"_s);
    QCOMPARE(members.value(u"FIO"_s), QVariant(u"Иванов Иван Иванович"_s));

    members.edit();
    members.setValue(u"FAM"_s, u"Сидоров"_s);
    QCOMPARE(members.value(u"FIO"_s), QVariant(u"Сидоров Иван Иванович"_s)); // computed on read
    QCOMPARE(errorOf([&] { members.setValue(u"FIO"_s, u"x"_s); }), u"Field 'FIO' cannot be modified"_s);
    members.post(); // a calculated field is no column of the statements
    QCOMPARE(scalar(db(), u"select FAM from KPU_SRN where ID_KPU_CATAL = ?"_s, {m_cardWithMember}),
             QVariant(u"Сидоров"_s));
}

void TestDataset::refreshReturnsToTheSameId()
{
    auto ds = cardList();
    ds->open();
    ds->moveTo(1);
    const QVariant id = ds->value(u"ID"_s);
    addCard(u"A0"_s); // sorts before every other card

    QSignalSpy resets(ds.get(), &Dataset::reset);
    ds->refresh();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(ds->recordCount(), 4);
    QCOMPARE(ds->value(u"ID"_s), id);
    QCOMPARE(ds->recNo(), 2);
    QCOMPARE(ds->valueAt(0, u"LS"_s), QVariant(u"A0"_s));
}

void TestDataset::operationSharesItsWritesWithDatasetsOpenedInIt()
{
    auto writer = cardList();
    auto reader = cardList(false);
    writer->open();
    {
        Operation op(*m_session);
        writer->append();
        writer->setValue(u"LS"_s, u"A5"_s);
        writer->setValue(u"KATO_ID"_s, Kato);
        writer->post(); // a savepoint inside the operation
        QVERIFY(m_session->inOperation());

        reader->open();
        QCOMPARE(reader->recordCount(), 4);
        QVERIFY(reader->locate(u"LS"_s, u"A5"_s));
        // no commit: the operation rolls back
    }
    reader->open();
    QCOMPARE(reader->recordCount(), 3);
    QVERIFY(!reader->locate(u"LS"_s, u"A5"_s));
}

void TestDataset::afterScrollReadsInOneTransaction()
{
    auto ds = cardList();
    Dataset first(*m_session, u"first"_s), second(*m_session, u"second"_s);
    for (Dataset *probe : {&first, &second})
        probe->setSelectSql(u"select CURRENT_TRANSACTION as T from RDB$DATABASE"_s);
    QList<QVariant> seen;
    ds->afterScroll = [&](Dataset &) {
        for (Dataset *probe : {&first, &second}) {
            probe->close();
            probe->open();
            seen << probe->value(u"T"_s);
        }
    };
    ds->open();
    ds->next();
    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen[1], seen[0]); // the reopens of one move share a transaction
    QCOMPARE(seen[3], seen[2]);
    QVERIFY(seen[2] != seen[0]); // the next move has its own
    QVERIFY(!m_session->inOperation());
}

void TestDataset::namedParameters_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("positional");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("plain") << u"select * from T where ID = :id and X = :Old_X"_s
                           << u"select * from T where ID = ? and X = ?"_s << QStringList{u"ID"_s, u"OLD_X"_s};
    QTest::newRow("twice") << u"update T set A = :A where A <> :A"_s << u"update T set A = ? where A <> ?"_s
                           << QStringList{u"A"_s, u"A"_s};
    QTest::newRow("literal") << u"select ':A', 'it''s :B' from T where C = :C"_s
                             << u"select ':A', 'it''s :B' from T where C = ?"_s << QStringList{u"C"_s};
    QTest::newRow("quoted name") << u"select \"x:A\" from T"_s << u"select \"x:A\" from T"_s << QStringList();
    QTest::newRow("comments") << u"select 1 -- :A\nfrom T /* :B */ where D = :D"_s
                              << u"select 1 -- :A\nfrom T /* :B */ where D = ?"_s << QStringList{u"D"_s};
    QTest::newRow("time literal") << u"select time '12:30' from T"_s << u"select time '12:30' from T"_s
                                  << QStringList();
}

void TestDataset::namedParameters()
{
    QFETCH(QString, sql);
    QFETCH(QString, positional);
    QFETCH(QStringList, names);

    const DatasetSql::PositionalSql out = DatasetSql::toPositional(sql);
    QCOMPARE(out.sql, positional);
    QCOMPARE(out.names, names);
}

void TestDataset::engineDescriptionAgreesWithTheDriver()
{
    // The engine's description replaces the driver's slow record(); both must
    // tell the same names, types and places.
    QSqlQuery q(m_session->database());
    QVERIFY(q.prepare(u"select z.*, r.IKD, r.FULL_SQ, r.DATE_ENTER, c.LS, c.IS_DELETED, c.DATE_DELETED,"
                      " cast(z.VSEGO * 2 as numeric(18,3)) as TWICE"
                      " from ZEM z join KPU_RZHF r on r.ID_KPU_CATAL = z.ID_CATAL"
                      " join KPU_CATAL c on c.ID = z.ID_CATAL where z.ID_CATAL = ?"_s));
    q.addBindValue(m_cardWithMember);
    QVERIFY(q.exec());
    const QList<FieldInfo> engine = DatasetSql::describeColumns(q, true);
    const QList<FieldInfo> driver = DatasetSql::describeColumns(q, false);
    QCOMPARE(engine.size(), driver.size());
    QVERIFY(engine.size() > 300);
    for (int i = 0; i < engine.size(); ++i) {
        const QString where = u"%1 / %2"_s.arg(engine[i].name, driver[i].name);
        QVERIFY2(engine[i].name == driver[i].name, qPrintable(where));
        QVERIFY2(engine[i].type == driver[i].type, qPrintable(where));
        QVERIFY2(engine[i].scale == driver[i].scale, qPrintable(where));
        QVERIFY2(engine[i].length == driver[i].length, qPrintable(where));
    }
    QCOMPARE(engine.last().scale, 3);
}

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
