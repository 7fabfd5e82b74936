#include "support/TestDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

// Every statement the program issues (data/program_queries.sql) must prepare
// against a freshly made database, and every select must also run on the demo
// okrug: a missing table or column, or a type that does not fit its use,
// shows up here rather than in a clerk's hands.
class TestProgramQueries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void statementPrepares_data();
    void statementPrepares();

private:
    TestDatabase *m_tdb = nullptr;
};

void TestProgramQueries::initTestCase()
{
    m_tdb = new TestDatabase;
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    QVERIFY(m_tdb->db().transaction());
}

void TestProgramQueries::cleanupTestCase()
{
    m_tdb->db().rollback();
    delete m_tdb;
}

void TestProgramQueries::statementPrepares_data()
{
    QTest::addColumn<QString>("sql");

    const QString path = QFINDTESTDATA("data/program_queries.sql");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QString text = QString::fromUtf8(file.readAll());

    static const QRegularExpression entry(u"^-- @ (\\S+)\\n(.*?)^;;$"_s,
                                          QRegularExpression::MultilineOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto it = entry.globalMatch(text); it.hasNext(); ++count) {
        const QRegularExpressionMatch m = it.next();
        QTest::newRow(qPrintable(m.captured(1))) << m.captured(2).trimmed();
    }
    QVERIFY2(count > 0, "no statements found");
}

void TestProgramQueries::statementPrepares()
{
    QFETCH(QString, sql);
    QSqlQuery q(m_tdb->db());
    QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    if (!sql.startsWith(u"select"_s, Qt::CaseInsensitive))
        return;
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    while (q.next()) {
    }
    QVERIFY2(!q.lastError().isValid(), qPrintable(q.lastError().text()));
}

QTEST_GUILESS_MAIN(TestProgramQueries)
#include "tst_programqueries.moc"
