#include "db/SqlScript.h"

#include <QtTest>

class TestSqlScript : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void errors_data();
    void errors();
    void kinds_data();
    void kinds();
};

void TestSqlScript::split_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("two statements")
        << "CREATE TABLE A (X INTEGER);\nINSERT INTO A VALUES (1);\n"
        << QStringList{"CREATE TABLE A (X INTEGER)", "INSERT INTO A VALUES (1)"}
        << QList<int>{1, 2};

    QTest::newRow("set term block")
        << "CREATE TABLE T (ID INTEGER);\n"
           "SET TERM ^ ;\n"
           "CREATE TRIGGER T_BI FOR T BEFORE INSERT AS\n"
           "BEGIN\n"
           "  NEW.ID = 1;\n"
           "END^\n"
           "SET TERM ; ^\n"
           "INSERT INTO T VALUES (2);\n"
        << QStringList{"CREATE TABLE T (ID INTEGER)",
                       "CREATE TRIGGER T_BI FOR T BEFORE INSERT AS\nBEGIN\n  NEW.ID = 1;\nEND",
                       "INSERT INTO T VALUES (2)"}
        << QList<int>{1, 3, 8};

    QTest::newRow("two-character terminator, lower case")
        << "set term !! ;\nEXECUTE BLOCK AS BEGIN END!!\nset term ; !!\nSELECT 1 FROM RDB$DATABASE;"
        << QStringList{"EXECUTE BLOCK AS BEGIN END", "SELECT 1 FROM RDB$DATABASE"}
        << QList<int>{2, 4};

    QTest::newRow("terminator of the old kind inside a set term block")
        << "SET TERM ^ ;\nSELECT 'a' FROM X;\nSELECT 'b' FROM Y^\nSET TERM ;^"
        << QStringList{"SELECT 'a' FROM X;\nSELECT 'b' FROM Y"}
        << QList<int>{2};

    QTest::newRow("string with ; and --")
        << "INSERT INTO N VALUES ('a;b -- c');\nSELECT 1 FROM D;"
        << QStringList{"INSERT INTO N VALUES ('a;b -- c')", "SELECT 1 FROM D"}
        << QList<int>{1, 2};

    QTest::newRow("doubled quote inside a string")
        << "INSERT INTO N VALUES ('it''s; ok');INSERT INTO N VALUES ('''');"
        << QStringList{"INSERT INTO N VALUES ('it''s; ok')", "INSERT INTO N VALUES ('''')"}
        << QList<int>{1, 1};

    QTest::newRow("string spanning lines keeps line numbers")
        << "INSERT INTO N VALUES ('one\ntwo;\nthree');\nSELECT 2 FROM D;"
        << QStringList{"INSERT INTO N VALUES ('one\ntwo;\nthree')", "SELECT 2 FROM D"}
        << QList<int>{1, 4};

    QTest::newRow("double-quoted identifier")
        << "CREATE TABLE \"a;b\" (\"x\"\"--y\" INTEGER);"
        << QStringList{"CREATE TABLE \"a;b\" (\"x\"\"--y\" INTEGER)"}
        << QList<int>{1};

    QTest::newRow("line comments")
        << "-- heading; not a statement\nSELECT 1 -- trailing; note\nFROM D;\n-- end;"
        << QStringList{"SELECT 1 -- trailing; note\nFROM D"}
        << QList<int>{2};

    QTest::newRow("block comments")
        << "/* first;\n   second; */\nSELECT /* ; */ 1 FROM D;\n/**/SELECT 2 FROM D;"
        << QStringList{"SELECT /* ; */ 1 FROM D", "SELECT 2 FROM D"}
        << QList<int>{3, 4};

    QTest::newRow("quote inside a comment does not open a string")
        << "-- don't\nSELECT 1 FROM D;\n/* it's */SELECT 2 FROM D;"
        << QStringList{"SELECT 1 FROM D", "SELECT 2 FROM D"}
        << QList<int>{2, 3};

    QTest::newRow("empty statements")
        << ";;\n  ;\nSELECT 1 FROM D;;\n-- only a comment\n;\n/* and another */;"
        << QStringList{"SELECT 1 FROM D"}
        << QList<int>{3};

    QTest::newRow("q-string")
        << "INSERT INTO N VALUES (q'{it's; here}');SELECT 1 FROM D;"
        << QStringList{"INSERT INTO N VALUES (q'{it's; here}')", "SELECT 1 FROM D"}
        << QList<int>{1, 1};

    QTest::newRow("q at the end of a name is not a q-string")
        << "SELECT SEQ'x' FROM D;SELECT 2 FROM D;"
        << QStringList{"SELECT SEQ'x' FROM D", "SELECT 2 FROM D"}
        << QList<int>{1, 1};

    QTest::newRow("isql settings are dropped, SET GENERATOR stays")
        << "SET NAMES UTF8;\nSET SQL DIALECT 3;\nset autoddl on;\nSET GENERATOR G TO 5;"
        << QStringList{"SET GENERATOR G TO 5"}
        << QList<int>{4};

    QTest::newRow("commit marker stays")
        << "INSERT INTO N VALUES (1);\nCOMMIT;\nINSERT INTO N VALUES (2);"
        << QStringList{"INSERT INTO N VALUES (1)", "COMMIT", "INSERT INTO N VALUES (2)"}
        << QList<int>{1, 2, 3};

    QTest::newRow("CRLF line ends")
        << "SELECT 1\r\nFROM D;\r\nSELECT 2 FROM D;\r\n"
        << QStringList{"SELECT 1\r\nFROM D", "SELECT 2 FROM D"}
        << QList<int>{1, 3};

    QTest::newRow("Cyrillic text")
        << "INSERT INTO N VALUES ('Сельский округ; №1');"
        << QStringList{"INSERT INTO N VALUES ('Сельский округ; №1')"}
        << QList<int>{1};

    QTest::newRow("nothing but whitespace and comments")
        << "\n  -- a\n/* b */\n"
        << QStringList{}
        << QList<int>{};
}

void TestSqlScript::split()
{
    QFETCH(QString, script);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, lines);

    const SqlScript parsed(script);
    QVERIFY2(parsed.isValid(), qPrintable(parsed.errorString()));
    QStringList gotTexts;
    QList<int> gotLines;
    for (const SqlStatement &st : parsed.statements()) {
        gotTexts << st.text;
        gotLines << st.line;
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotLines, lines);
}

void TestSqlScript::errors_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("error");

    QTest::newRow("string never closed")
        << "SELECT 1 FROM D;\nINSERT INTO N VALUES ('abc);\n"
        << "line 2: string is never closed";
    QTest::newRow("escaped quote at the very end")
        << "INSERT INTO N VALUES ('abc'';"
        << "line 1: string is never closed";
    QTest::newRow("identifier never closed")
        << "\n\nCREATE TABLE \"A (X INTEGER);"
        << "line 3: quoted identifier is never closed";
    QTest::newRow("comment never closed")
        << "SELECT 1 FROM D;\n/* open\n;"
        << "line 2: comment is never closed";
    QTest::newRow("last statement without terminator")
        << "SELECT 1 FROM D;\nSELECT 2\nFROM D"
        << "line 2: statement does not end with \";\": SELECT 2";
    QTest::newRow("set term left open")
        << "SET TERM ^ ;\nCREATE PROCEDURE P AS BEGIN END;\n"
        << "line 2: statement does not end with \"^\": CREATE PROCEDURE P AS BEGIN END;";
}

void TestSqlScript::errors()
{
    QFETCH(QString, script);
    QFETCH(QString, error);

    const SqlScript parsed(script);
    QVERIFY(!parsed.isValid());
    QCOMPARE(parsed.errorString(), error);
    QVERIFY(parsed.statements().isEmpty());
}

void TestSqlScript::kinds_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("ddl");
    QTest::addColumn<bool>("commit");

    QTest::newRow("create table") << "CREATE TABLE A (X INTEGER)" << true << false;
    QTest::newRow("create or alter") << "create or alter procedure P as begin end" << true << false;
    QTest::newRow("recreate") << "RECREATE VIEW V AS SELECT 1 FROM D" << true << false;
    QTest::newRow("alter") << "ALTER TABLE A ADD Y INTEGER" << true << false;
    QTest::newRow("drop") << "DROP TABLE A" << true << false;
    QTest::newRow("comment on") << "COMMENT ON TABLE A IS 'x'" << true << false;
    QTest::newRow("set generator") << "SET GENERATOR G TO 10" << true << false;
    QTest::newRow("set statistics") << "SET STATISTICS INDEX I" << true << false;
    QTest::newRow("grant") << "GRANT ALL ON A TO PUBLIC" << true << false;
    QTest::newRow("insert") << "INSERT INTO A VALUES (1)" << false << false;
    QTest::newRow("update") << "UPDATE A SET X = 1" << false << false;
    QTest::newRow("update or insert") << "UPDATE OR INSERT INTO A VALUES (1)" << false << false;
    QTest::newRow("execute block") << "EXECUTE BLOCK AS BEGIN END" << false << false;
    QTest::newRow("execute procedure") << "EXECUTE PROCEDURE P" << false << false;
    QTest::newRow("delete") << "DELETE FROM A" << false << false;
    QTest::newRow("commit") << "COMMIT" << false << true;
    QTest::newRow("commit work") << "commit  work" << false << true;
}

void TestSqlScript::kinds()
{
    QFETCH(QString, statement);
    QFETCH(bool, ddl);
    QFETCH(bool, commit);

    const SqlScript parsed(statement + u';');
    QVERIFY2(parsed.isValid(), qPrintable(parsed.errorString()));
    QCOMPARE(parsed.statements().size(), 1);
    QCOMPARE(parsed.statements().first().isDdl(), ddl);
    QCOMPARE(parsed.statements().first().isCommit(), commit);
}

QTEST_APPLESS_MAIN(TestSqlScript)
#include "tst_sqlscript.moc"
