#include "db/Connection.h"
#include "db/DbSession.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString ConnectionName = u"session"_s;

// Runs one statement on the session's connection; a refusal becomes a DatabaseError.
void exec(const DbSession &session, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q(session.database());
    if (!q.prepare(sql))
        throw DatabaseError(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DatabaseError(q.lastError());
}

void addCard(const DbSession &session, const QString &ls)
{
    exec(session, u"insert into KPU_CATAL (LS, KATO_ID) values (?, 777001)"_s, {ls});
}

// Account numbers of the test's cards as the database holds them now.
QStringList cards(const DbSession &session)
{
    QSqlQuery q(session.database());
    q.exec(u"select LS from KPU_CATAL where KATO_ID = 777001 order by LS"_s);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

} // namespace

class TestDbSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commitKeepsTheWork();
    void leavingWithoutCommitRollsBack();
    void innerFailureIsUndoneWhileOuterCommits();
    void innerCommitGoesWithOuterRollback();
    void failingStatementReportsServerTextAndCode_data();
    void failingStatementReportsServerTextAndCode();
    void readsInAScopeShareOneTransaction();
    void operationInsideAReadScopeCommitsItsOwnWork();
    void failedOperationInsideAReadScopeLeavesNothing();

private:
    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<DbSession> m_session;
};

void TestDbSession::init()
{
    m_tdb = std::make_unique<TestDatabase>(ConnectionName);
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_session = std::make_unique<DbSession>(ConnectionName);
}

void TestDbSession::cleanup()
{
    m_session.reset();
    m_tdb.reset();
}

void TestDbSession::commitKeepsTheWork()
{
    {
        Operation op(*m_session);
        QVERIFY(m_session->inOperation());
        addCard(*m_session, u"A"_s);
        op.commit();
    }
    QVERIFY(!m_session->inOperation());

    // Still there for a connection made afresh.
    m_tdb->close();
    QString error;
    QVERIFY2(Connection::open(ConnectionName, m_tdb->path(), &error).isOpen(), qPrintable(error));
    QCOMPARE(cards(*m_session), QStringList{u"A"_s});
    Connection::close(ConnectionName);
}

void TestDbSession::leavingWithoutCommitRollsBack()
{
    {
        Operation op(*m_session);
        addCard(*m_session, u"A"_s);
        QCOMPARE(cards(*m_session), QStringList{u"A"_s}); // seen inside its own operation
    }
    QVERIFY(!m_session->inOperation());
    QCOMPARE(cards(*m_session), QStringList());

    // The connection takes the next operation as usual.
    Operation op(*m_session);
    addCard(*m_session, u"B"_s);
    op.commit();
    QCOMPARE(cards(*m_session), QStringList{u"B"_s});
}

void TestDbSession::innerFailureIsUndoneWhileOuterCommits()
{
    {
        Operation outer(*m_session);
        addCard(*m_session, u"A"_s);
        try {
            Operation inner(*m_session);
            addCard(*m_session, u"B"_s);
            exec(*m_session, u"insert into KPU_SRN (ID_KPU_CATAL) values (-1)"_s); // refused
            inner.commit();
            QFAIL("the member without a card was accepted");
        } catch (const DatabaseError &) {
            // the outer operation handles it and goes on
        }
        QCOMPARE(cards(*m_session), QStringList{u"A"_s});
        addCard(*m_session, u"C"_s);
        outer.commit();
    }
    QCOMPARE(cards(*m_session), (QStringList{u"A"_s, u"C"_s}));
}

void TestDbSession::innerCommitGoesWithOuterRollback()
{
    {
        Operation outer(*m_session);
        {
            Operation inner(*m_session);
            addCard(*m_session, u"A"_s);
            inner.commit();
        }
        {
            Operation second(*m_session); // a second savepoint after the first was released
            addCard(*m_session, u"B"_s);
            second.commit();
        }
        QCOMPARE(cards(*m_session), (QStringList{u"A"_s, u"B"_s}));
    }
    QCOMPARE(cards(*m_session), QStringList());
}

void TestDbSession::failingStatementReportsServerTextAndCode_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("nativeCode");

    QTest::newRow("unique key") << u"insert into KNIGA_PROPERTY (KATO) values ('111111111')"_s
                                << u"violation of PRIMARY or UNIQUE KEY constraint \"PK_KNIGA_PROPERTY\""_s
                                << u"-803"_s;
    QTest::newRow("foreign key") << u"insert into KPU_SRN (ID_KPU_CATAL) values (-1)"_s
                                 << u"violation of FOREIGN KEY constraint \"FK_KPU_SRN_1\""_s << u"-530"_s;
    QTest::newRow("unknown column") << u"update KPU_CATAL set NO_SUCH_COLUMN = 1"_s
                                    << u"Column unknown"_s << u"-206"_s;
}

void TestDbSession::failingStatementReportsServerTextAndCode()
{
    QFETCH(QString, sql);
    QFETCH(QString, fragment);
    QFETCH(QString, nativeCode);

    try {
        Operation op(*m_session);
        addCard(*m_session, u"A"_s);
        exec(*m_session, u"insert into KNIGA_PROPERTY (KATO) values ('111111111')"_s);
        exec(*m_session, sql);
        op.commit();
        QFAIL("the statement was accepted");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.text().contains(fragment), qPrintable(e.text()));
        QCOMPARE(e.nativeCode(), nativeCode);
    }
    // The failed operation left nothing behind.
    QCOMPARE(cards(*m_session), QStringList());
    QSqlQuery q(m_session->database());
    QVERIFY(q.exec(u"select count(*) from KNIGA_PROPERTY where KATO = '111111111'"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void TestDbSession::readsInAScopeShareOneTransaction()
{
    auto transaction = [this] {
        return TestSql::scalar(m_session->database(), u"select CURRENT_TRANSACTION from RDB$DATABASE"_s);
    };
    QVariant first, last;
    {
        ReadScope outer(*m_session);
        first = transaction();
        {
            ReadScope inner(*m_session); // scopes nest
            QCOMPARE(transaction(), first);
        }
        last = transaction();
    }
    QVERIFY(first.isValid());
    QCOMPARE(last, first);
    // Outside a scope every statement has a transaction of its own.
    const QVariant after = transaction();
    QVERIFY(after != first);
    QVERIFY(transaction() != after);
}

void TestDbSession::operationInsideAReadScopeCommitsItsOwnWork()
{
    const QString path = m_tdb->path();
    ReadScope reads(*m_session);
    (void)cards(*m_session);
    {
        Operation op(*m_session);
        addCard(*m_session, u"A"_s);
        op.commit();
    }
    QVERIFY(!m_session->inOperation());
    // Committed at the operation's end, not at the scope's: a second
    // connection sees it while the scope still runs.
    const QString other = u"session-other"_s;
    QString error;
    {
        QSqlDatabase db = Connection::open(other, path, &error);
        QVERIFY2(db.isOpen(), qPrintable(error));
        QSqlQuery q(db);
        QVERIFY(q.exec(u"select LS from KPU_CATAL where KATO_ID = 777001"_s) && q.next());
        QCOMPARE(q.value(0).toString(), u"A"_s);
    }
    Connection::close(other);
    QCOMPARE(cards(*m_session), QStringList{u"A"_s});
}

void TestDbSession::failedOperationInsideAReadScopeLeavesNothing()
{
    {
        ReadScope reads(*m_session);
        (void)cards(*m_session);
        try {
            Operation op(*m_session);
            addCard(*m_session, u"A"_s);
            exec(*m_session, u"insert into KPU_SRN (ID_KPU_CATAL) values (-1)"_s); // refused
            op.commit();
            QFAIL("the member without a card was accepted");
        } catch (const DatabaseError &) {
        }
        QCOMPARE(cards(*m_session), QStringList());
        // The scope reads on after the operation.
        {
            Operation op(*m_session);
            addCard(*m_session, u"B"_s);
            op.commit();
        }
        QCOMPARE(cards(*m_session), QStringList{u"B"_s});
    }
    QCOMPARE(cards(*m_session), QStringList{u"B"_s});
}

QTEST_GUILESS_MAIN(TestDbSession)
#include "tst_dbsession.moc"
