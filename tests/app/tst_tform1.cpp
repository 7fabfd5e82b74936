#include "app/TForm1.h"
#include "db/Connection.h"
#include "support/TestDatabase.h"

#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

class TestTForm1 : public QObject
{
    Q_OBJECT

private slots:
    void showsOkrugName();
    void closingCommitsAndCloses();
};

void TestTForm1::showsOkrugName()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    if (!tdb.db().tables().contains(QStringLiteral("KNIGA_PROPERTY")))
        QSKIP("the schema has no KNIGA_PROPERTY yet");

    const QString name = QStringLiteral("Ақсу ауылдық округі");
    {
        QSqlDatabase db = tdb.db();
        QVERIFY(db.transaction());
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE KNIGA_PROPERTY SET NAME_SO = ?"));
        q.addBindValue(name);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        if (q.numRowsAffected() == 0) {
            q.prepare(QStringLiteral("INSERT INTO KNIGA_PROPERTY (NAME_SO) VALUES (?)"));
            q.addBindValue(name);
            if (!q.exec())
                QSKIP(qPrintable(QStringLiteral("cannot add a KNIGA_PROPERTY row: ") + q.lastError().text()));
        }
        q.clear();
        QVERIFY(db.commit());
    }

    TForm1 form(tdb.connectionName());
    QCOMPARE(form.windowTitle(), QStringLiteral("RUVO"));
    QCOMPARE(form.okrugName(), name);
    auto *label = qobject_cast<QLabel *>(form.centralWidget());
    QVERIFY(label);
    QCOMPARE(label->text(), name);
}

void TestTForm1::closingCommitsAndCloses()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));

    TForm1 form(tdb.connectionName());
    QCOMPARE(form.windowTitle(), QStringLiteral("RUVO"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    {
        QSqlDatabase db = tdb.db();
        QVERIFY(db.transaction());
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE VER SET PWD = ?"));
        q.addBindValue(QStringLiteral("pending at close"));
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }

    QVERIFY(form.close());
    QVERIFY(!QSqlDatabase::contains(tdb.connectionName()));

    QString pwd;
    {
        QString error;
        QSqlDatabase db = Connection::open(QStringLiteral("reopened"), tdb.path(), &error);
        QVERIFY2(db.isOpen(), qPrintable(error));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT PWD FROM VER")) && q.next());
        pwd = q.value(0).toString();
    }
    Connection::close(QStringLiteral("reopened"));
    QCOMPARE(pwd, QStringLiteral("pending at close"));
}

QTEST_MAIN(TestTForm1)
#include "tst_tform1.moc"
