#include "db/Connection.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Runs the real ruvo-admin binary (RUVO_ADMIN) the way scripts do.
class TestRuvoAdmin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arguments_data();
    void arguments();
    void createThenDemo();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList &args);

    QString m_admin;
    QTemporaryDir m_dir;
    QString m_existing; // a file that must never be touched
};

TestRuvoAdmin::Result TestRuvoAdmin::run(const QStringList &args)
{
    QProcess p;
    p.start(m_admin, args);
    Result r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

void TestRuvoAdmin::initTestCase()
{
    m_admin = qEnvironmentVariable("RUVO_ADMIN");
    QVERIFY2(QFileInfo(m_admin).isExecutable(), "RUVO_ADMIN must name the ruvo-admin binary");
    QVERIFY(m_dir.isValid());
    m_existing = m_dir.filePath(QStringLiteral("existing.fdb"));
    QFile f(m_existing);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a database");
}

void TestRuvoAdmin::arguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");

    // EXISTING and MISSING stand for a file that exists and one that does not.
    QTest::newRow("nothing") << QStringList{} << 2 << "ruvo-admin: no command given.\n\nUsage:";
    QTest::newRow("unknown command") << QStringList{"drop-db"} << 2
                                     << "ruvo-admin: unknown command \"drop-db\".";
    QTest::newRow("create-db without path") << QStringList{"create-db"} << 2
                                            << "create-db takes exactly one PATH.";
    QTest::newRow("create-db two paths") << QStringList{"create-db", "MISSING", "MISSING"} << 2
                                         << "create-db takes exactly one PATH.";
    QTest::newRow("create-db on an existing file") << QStringList{"create-db", "EXISTING"} << 1
                                                   << "EXISTING already exists; nothing was changed.";
    QTest::newRow("demo without path") << QStringList{"demo", "--households", "5"} << 2
                                       << "demo needs the PATH of a database.";
    QTest::newRow("demo negative households") << QStringList{"demo", "EXISTING", "--households", "-1"} << 2
                                              << "--households needs a whole number from 0 to 1000000, got \"-1\".";
    QTest::newRow("demo farms not a number") << QStringList{"demo", "EXISTING", "--farms=many"} << 2
                                             << "--farms needs a whole number from 0 to 1000000, got \"many\".";
    QTest::newRow("demo too many households") << QStringList{"demo", "EXISTING", "--households", "1000001"} << 2
                                              << "--households needs a whole number";
    QTest::newRow("demo seed out of range") << QStringList{"demo", "EXISTING", "--seed", "4294967296"} << 2
                                            << "--seed needs a whole number from 0 to 4294967295";
    QTest::newRow("demo option without value") << QStringList{"demo", "EXISTING", "--seed"} << 2
                                               << "--seed needs a value.";
    QTest::newRow("demo unknown option") << QStringList{"demo", "EXISTING", "--people", "3"} << 2
                                         << "unknown option --people.";
    QTest::newRow("demo two paths") << QStringList{"demo", "EXISTING", "MISSING"} << 2
                                    << "demo takes one PATH, got also MISSING.";
    QTest::newRow("demo on a missing file") << QStringList{"demo", "MISSING"} << 1
                                            << "there is no database at MISSING; make one with ruvo-admin create-db first.";
}

void TestRuvoAdmin::arguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);

    const QString missing = m_dir.filePath(QStringLiteral("missing.fdb"));
    auto place = [&](QString s) {
        return s.replace(QStringLiteral("EXISTING"), m_existing).replace(QStringLiteral("MISSING"), missing);
    };
    for (QString &a : args)
        a = place(a);

    const Result r = run(args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(place(stderrHas)), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(missing));
    QFile f(m_existing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("not a database"));
}

void TestRuvoAdmin::createThenDemo()
{
    const QString path = m_dir.filePath(QStringLiteral("made.fdb"));
    Result r = run({QStringLiteral("create-db"), path});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringLiteral("Created %1\n").arg(path));

    r = run({QStringLiteral("demo"), path, QStringLiteral("--households"), QStringLiteral("2"),
             QStringLiteral("--farms=1"), QStringLiteral("--seed"), QStringLiteral("7")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringLiteral("Filled %1: 2 households, 1 farms, seed 7\n").arg(path));

    r = run({QStringLiteral("demo"), QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains(QStringLiteral("--households N")));

    // ruvo-admin has exited, so this process may open the file.
    QString version;
    {
        QString error;
        QSqlDatabase db = Connection::open(QStringLiteral("check"), path, &error);
        QVERIFY2(db.isOpen(), qPrintable(error));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT BVERSION FROM VER")) && q.next());
        version = q.value(0).toString();
    }
    Connection::close(QStringLiteral("check"));
    QCOMPARE(version, QStringLiteral("3.21"));
}

QTEST_GUILESS_MAIN(TestRuvoAdmin)
#include "tst_ruvoadmin.moc"
