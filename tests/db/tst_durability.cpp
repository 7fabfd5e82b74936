#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DbSession.h"
#include "support/TestDatabase.h"

#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString CrashArgument = u"--post-and-crash"_s;
constexpr int Kato = 777003;

// The child: posts one card through a dataset, starts a second one inside an
// operation that never ends, prints the first card's ID and dies without
// closing anything, as a power cut would leave the program.
int postAndCrash(const QString &path)
{
    QString error;
    if (!Connection::open(u"child"_s, path, &error).isOpen()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    DbSession session(u"child"_s);
    Dataset cards(session, u"cards"_s);
    cards.setSelectSql(u"select ID, LS, KATO_ID from KPU_CATAL where KATO_ID = :KATO_ID"_s);
    cards.setParam(u"KATO_ID"_s, Kato);
    cards.setStatements(StatementSet{
        u"insert into KPU_CATAL (LS, KATO_ID) values (:LS, :KATO_ID) returning ID"_s,
        u"update KPU_CATAL set LS = :LS where ID = :OLD_ID"_s,
        u"delete from KPU_CATAL where ID = :OLD_ID"_s,
        {},
    });
    try {
        cards.open();
        cards.append();
        cards.setValue(u"LS"_s, u"posted"_s);
        cards.setValue(u"KATO_ID"_s, Kato);
        cards.post();
        std::printf("%d\n", cards.value(u"ID"_s).toInt());

        Operation unfinished(session);
        cards.append();
        cards.setValue(u"LS"_s, u"in flight"_s);
        cards.setValue(u"KATO_ID"_s, Kato);
        cards.post();
        std::fflush(stdout);

        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        std::abort();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 3;
    }
}

} // namespace

class TestDurability : public QObject
{
    Q_OBJECT

private slots:
    void postedCardSurvivesACrash();
};

void TestDurability::postedCardSurvivesACrash()
{
    TestDatabase tdb(u"durability"_s);
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close(); // one process at a time may hold the file

    QProcess child;
    child.setWorkingDirectory(tdb.exeDir());
    child.start(QCoreApplication::applicationFilePath(), {CrashArgument, tdb.path()});
    QVERIFY2(child.waitForFinished(60000), "the child did not end");
    const QByteArray output = child.readAllStandardOutput();
    QVERIFY2(child.exitStatus() == QProcess::CrashExit,
             qPrintable(u"the child ended normally (%1): %2"_s.arg(child.exitCode())
                            .arg(QString::fromLocal8Bit(child.readAllStandardError()))));
    bool ok = false;
    const int id = output.trimmed().toInt(&ok);
    QVERIFY2(ok && id > 0, output.constData());

    QString error;
    QVERIFY2(Connection::open(u"durability"_s, tdb.path(), &error).isOpen(), qPrintable(error));
    QStringList cards;
    {
        QSqlQuery q(QSqlDatabase::database(u"durability"_s));
        QVERIFY(q.prepare(u"select ID, LS from KPU_CATAL where KATO_ID = ? order by ID"_s));
        q.addBindValue(Kato);
        QVERIFY(q.exec());
        while (q.next())
            cards << u"%1 %2"_s.arg(q.value(0).toInt()).arg(q.value(1).toString());
    }
    Connection::close(u"durability"_s);
    // The completed post is there; the one of the unfinished operation is not.
    QCOMPARE(cards, QStringList{u"%1 posted"_s.arg(id)});
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype crash = args.indexOf(CrashArgument);
    if (crash >= 0)
        return postAndCrash(args.value(crash + 1));
    TestDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_durability.moc"
