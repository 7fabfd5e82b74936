#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result();
}

} // namespace

class TestTestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void copyIsPrivate();
    void twoAtOnce();
};

void TestTestDatabase::copyIsPrivate()
{
    const QString templatePath = qEnvironmentVariable("RUVO_TEMPLATE_DB");
    const QByteArray before = fileHash(templatePath);
    QVERIFY(!before.isEmpty());

    QString exeDir;
    {
        TestDatabase tdb;
        QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
        exeDir = tdb.exeDir();
        QVERIFY(exeDir.endsWith(u'/'));
        QCOMPARE(tdb.path(), exeDir + QStringLiteral("p1.fdb"));
        QVERIFY(QFileInfo(tdb.path()).canonicalFilePath() != QFileInfo(templatePath).canonicalFilePath());

        QSqlDatabase db = tdb.db();
        QVERIFY(db.transaction());
        {
            QSqlQuery q(db);
            QVERIFY2(q.exec(QStringLiteral("UPDATE VER SET BVERSION = 'changed'")),
                     qPrintable(q.lastError().text()));
        }
        QVERIFY(db.commit());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT BVERSION FROM VER")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("changed"));
    }
    QVERIFY(!QFileInfo::exists(exeDir));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("test")));
    QCOMPARE(fileHash(templatePath), before);
}

void TestTestDatabase::twoAtOnce()
{
    TestDatabase a(QStringLiteral("a"));
    TestDatabase b(QStringLiteral("b"));
    QVERIFY2(a.isOpen(), qPrintable(a.errorString()));
    QVERIFY2(b.isOpen(), qPrintable(b.errorString()));
    QVERIFY(a.exeDir() != b.exeDir());

    // A second helper under a name already taken reports it and leaves the first alone.
    {
        TestDatabase clash(QStringLiteral("a"));
        QVERIFY(!clash.isOpen());
        QCOMPARE(clash.errorString(), QStringLiteral("Connection \"a\" is already open."));
    }
    QVERIFY(a.isOpen());
}

QTEST_GUILESS_MAIN(TestTestDatabase)
#include "tst_testdatabase.moc"
