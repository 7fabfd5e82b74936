#include "db/Connection.h"
#include "db/DatabaseCreator.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Runs one query on a fresh connection to `path` and returns the first row.
QVariantList firstRow(const QString &path, const QString &sql)
{
    const QString name = QStringLiteral("check");
    QVariantList row;
    {
        QString error;
        QSqlDatabase db = Connection::open(name, path, &error);
        if (!db.isOpen()) {
            qWarning("%s", qPrintable(error));
            return row;
        }
        QSqlQuery q(db);
        if (q.exec(sql) && q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
        } else {
            qWarning("%s", qPrintable(q.lastError().text()));
        }
    }
    Connection::close(name);
    return row;
}

} // namespace

class TestDatabaseCreator : public QObject
{
    Q_OBJECT

private slots:
    void builtInSchema();
    void pathNames_data();
    void pathNames();
    void ddlIsCommittedBeforeLaterStatements();
    void refusesExistingFile();
    void refusesMissingFolder();
    void failureLeavesNoFile_data();
    void failureLeavesNoFile();

private:
    QTemporaryDir m_dir;
};

void TestDatabaseCreator::builtInSchema()
{
    const QList<SchemaScript> scripts = DatabaseCreator::builtInSchema();
    QVERIFY(!scripts.isEmpty());
    QStringList names;
    for (const SchemaScript &s : scripts)
        names << s.name;
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(names, sorted);

    const QString path = m_dir.filePath(QStringLiteral("p1.fdb"));
    DatabaseCreator creator;
    QVERIFY2(creator.create(path), qPrintable(creator.errorString()));
    QCOMPARE(firstRow(path, QStringLiteral("SELECT BVERSION FROM VER")), QVariantList{u"3.21"_s});
    const QVariantList db = firstRow(path,
        QStringLiteral("SELECT MON$PAGE_SIZE, MON$SQL_DIALECT, TRIM(RDB$CHARACTER_SET_NAME) "
                       "FROM MON$DATABASE CROSS JOIN RDB$DATABASE"));
    QCOMPARE(db, (QVariantList{16384, 3, u"UTF8"_s}));
}

void TestDatabaseCreator::pathNames_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("apostrophe") << "o'neil's";
    QTest::newRow("Cyrillic and spaces") << "Сельский округ 1";
}

void TestDatabaseCreator::pathNames()
{
    QFETCH(QString, folder);
    QVERIFY(QDir(m_dir.path()).mkpath(folder));
    const QString path = m_dir.filePath(folder + QStringLiteral("/p1.fdb"));
    DatabaseCreator creator;
    QVERIFY2(creator.create(path), qPrintable(creator.errorString()));
    QVERIFY(QFile::exists(path));
    QCOMPARE(firstRow(path, QStringLiteral("SELECT BVERSION FROM VER")), QVariantList{u"3.21"_s});
}

void TestDatabaseCreator::ddlIsCommittedBeforeLaterStatements()
{
    // Each statement below uses what the one before created or wrote.
    const QList<SchemaScript> scripts = {
        {u"10_a.sql"_s,
         u"CREATE TABLE T (ID INTEGER, C INTEGER, NAME VARCHAR(40));\n"
         "INSERT INTO T (ID, NAME) VALUES (1, 'Ақсу ауылы');\n"
         "ALTER TABLE T ADD D INTEGER;\n"
         "UPDATE T SET C = ID + 1, D = 7;\n"
         "CREATE GENERATOR G;\n"
         "SET GENERATOR G TO 41;\n"
         "SET TERM ^ ;\n"
         "CREATE PROCEDURE NEXT_ID RETURNS (V INTEGER) AS\n"
         "BEGIN\n"
         "  V = GEN_ID(G, 1);\n"
         "  SUSPEND;\n"
         "END^\n"
         "SET TERM ; ^\n"
         "COMMIT;\n"
         "UPDATE T SET ID = (SELECT V FROM NEXT_ID);\n"_s},
        {u"20_b.sql"_s, u"CREATE VIEW V_T AS SELECT ID, C, D, NAME FROM T;\n"_s},
    };
    const QString path = m_dir.filePath(QStringLiteral("ddl.fdb"));
    DatabaseCreator creator;
    QVERIFY2(creator.create(path, scripts), qPrintable(creator.errorString()));
    QCOMPARE(firstRow(path, QStringLiteral("SELECT ID, C, D, NAME FROM V_T")),
             (QVariantList{42, 2, 7, u"Ақсу ауылы"_s}));
}

void TestDatabaseCreator::refusesExistingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("existing.fdb"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    DatabaseCreator creator;
    QVERIFY(!creator.create(path));
    QCOMPARE(creator.errorString(), path + QStringLiteral(" already exists; it is left as it is."));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("keep me"));
}

void TestDatabaseCreator::refusesMissingFolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("no-such-folder"));
    DatabaseCreator creator;
    QVERIFY(!creator.create(folder + QStringLiteral("/p1.fdb")));
    QCOMPARE(creator.errorString(), QStringLiteral("The folder %1 does not exist.").arg(folder));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestDatabaseCreator::failureLeavesNoFile_data()
{
    QTest::addColumn<QList<SchemaScript>>("scripts");
    QTest::addColumn<QString>("errorStart");
    QTest::addColumn<QString>("serverSays");

    QTest::newRow("bad DDL")
        << QList<SchemaScript>{{u"10_bad.sql"_s,
                                u"CREATE TABLE A (X INTEGER);\n\nCREATE TABLE A (Y INTEGER);\n"_s}}
        << u"10_bad.sql, line 3: CREATE TABLE A (Y INTEGER)\n"_s
        << u"Table A already exists"_s;
    QTest::newRow("bad DML in the second file, multi-line statement")
        << QList<SchemaScript>{{u"10_ok.sql"_s, u"CREATE TABLE A (X INTEGER NOT NULL);\n"_s},
                               {u"20_bad.sql"_s,
                                u"INSERT INTO A VALUES (1);\n-- next one breaks\nINSERT INTO A\n  VALUES (NULL);\n"_s}}
        << u"20_bad.sql, line 3: INSERT INTO A\n"_s
        << u"validation error for column \"A\".\"X\""_s;
    QTest::newRow("script that does not split")
        << QList<SchemaScript>{{u"10_ok.sql"_s, u"CREATE TABLE A (X INTEGER);\n"_s},
                               {u"20_open.sql"_s, u"INSERT INTO A VALUES (1)\n"_s}}
        << u"20_open.sql, line 1: statement does not end with \";\": INSERT INTO A VALUES (1)"_s
        << QString();
}

void TestDatabaseCreator::failureLeavesNoFile()
{
    QFETCH(QList<SchemaScript>, scripts);
    QFETCH(QString, errorStart);
    QFETCH(QString, serverSays);

    const QString path = m_dir.filePath(QStringLiteral("broken.fdb"));
    DatabaseCreator creator;
    QVERIFY(!creator.create(path, scripts));
    QVERIFY2(creator.errorString().startsWith(errorStart), qPrintable(creator.errorString()));
    QVERIFY2(creator.errorString().contains(serverSays), qPrintable(creator.errorString()));
    QVERIFY(!QFileInfo::exists(path));

    // The name is free again: a good schema goes in at the same path.
    QVERIFY2(creator.create(path), qPrintable(creator.errorString()));
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestDatabaseCreator)
#include "tst_databasecreator.moc"
