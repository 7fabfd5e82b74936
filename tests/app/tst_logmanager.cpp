#include "app/LogManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Heard
{
    QString line;
    TLogMsgType kind;
};

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLogManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singleInstance();
    void fileName();
    void lineFormat_data();
    void lineFormat();
    void fileBytes();
    void appendsAcrossWrites();
    void listenersHearWrittenLines();
    void listenerNotHeardWithoutLogEvent();
    void objectListenerDroppedWithItsObject();
    void noFileNameNotifiesOnly();
    void cannotOpenNotifiesOnly();
    void writeFailureNotifies();
    void levelAboveMaximumDropped();
    void writesWhileAnotherHandleHoldsFile();

private:
    TLogManager &log() { return TLogManager::GetInstance(); }

    QTemporaryDir m_dir;
    QString m_file;
    QList<Heard> m_heard;
    const QDateTime m_moment{QDate(2024, 3, 7), QTime(9, 5, 3)};
};

void TestLogManager::init()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("logs")));
    m_file = TLogManager::LogFileName(m_dir.path() + u'/', m_moment.date());
    QFile::remove(m_file);
    m_heard.clear();

    TLogManager &l = log();
    l.FileName = m_file;
    l.MaxLogLevel = lmlDebug;
    l.LogEvent = true;
    l.OnLogEvent = [this](const QString &line, TLogMsgType kind) { m_heard.append({line, kind}); };
    l.ClearOnLogEventObj();
    l.SetClock([this] { return m_moment; });
}

void TestLogManager::cleanup()
{
    TLogManager &l = log();
    l.FileName.clear();
    l.LogEvent = false;
    l.OnLogEvent = nullptr;
    l.ClearOnLogEventObj();
    l.SetClock(nullptr);
}

void TestLogManager::singleInstance()
{
    QCOMPARE(&TLogManager::GetInstance(), &TLogManager::GetInstance());
}

void TestLogManager::fileName()
{
    QCOMPARE(TLogManager::LogFileName(QStringLiteral("/opt/ruvo/"), QDate(2024, 1, 5)),
             QStringLiteral("/opt/ruvo/logs/log_05.01.2024.log"));
}

void TestLogManager::lineFormat_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("info") << int(lmtInfo) << "[07.03.2024] [09:05:03] [Info]: Период: 5";
    QTest::newRow("warning") << int(lmtWarning) << "[07.03.2024] [09:05:03] [Warning]: Период: 5";
    QTest::newRow("error") << int(lmtError) << "[07.03.2024] [09:05:03] [Error]: Период: 5";
}

void TestLogManager::lineFormat()
{
    QFETCH(int, kind);
    QFETCH(QString, line);
    QCOMPARE(TLogManager::FormatLine(m_moment, TLogMsgType(kind), QStringLiteral("Период: 5")), line);
    // 24-hour clock
    QCOMPARE(TLogManager::FormatLine(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)), lmtInfo,
                                     QStringLiteral("x")),
             QStringLiteral("[31.12.2024] [23:59:58] [Info]: x"));
}

void TestLogManager::fileBytes()
{
    log().WriteToLog(QStringLiteral("Приложение уже работает!"), lmtInfo);
    const QByteArray bytes = readAll(m_file);
    const QString expected =
        QStringLiteral("[07.03.2024] [09:05:03] [Info]: Приложение уже работает!\r\n");
    QCOMPARE(bytes, utf16le(expected));
    QCOMPARE(bytes.size(), expected.size() * 2);
    QVERIFY(!bytes.startsWith("\xff\xfe")); // no byte-order mark
    QVERIFY(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
}

void TestLogManager::appendsAcrossWrites()
{
    log().WriteToLog(QStringLiteral("первая"), lmtInfo);
    const qint64 afterFirst = QFileInfo(m_file).size();
    log().WriteToLog(QStringLiteral("вторая"), lmtError);
    const QString second = QStringLiteral("[07.03.2024] [09:05:03] [Error]: вторая\r\n");
    QCOMPARE(QFileInfo(m_file).size(), afterFirst + second.size() * 2);
    QCOMPARE(readAll(m_file),
             utf16le(QStringLiteral("[07.03.2024] [09:05:03] [Info]: первая\r\n") + second));
}

void TestLogManager::listenersHearWrittenLines()
{
    QStringList order;
    log().OnLogEvent = [&](const QString &line, TLogMsgType) { order << "plain:" + line; };
    QObject receiver;
    log().SetOnLogEventObj(&receiver, [&](const QString &line, TLogMsgType kind) {
        order << "obj:" + line;
        QCOMPARE(kind, lmtError);
    });
    log().WriteToLog(QStringLiteral("Система заблокированна на 5 минут."), lmtError);
    const QString line = QStringLiteral("[07.03.2024] [09:05:03] [Error]: Система заблокированна на 5 минут.");
    QCOMPARE(order, (QStringList{"plain:" + line, "obj:" + line}));
}

void TestLogManager::listenerNotHeardWithoutLogEvent()
{
    log().LogEvent = false;
    log().WriteToLog(QStringLiteral("a"), lmtInfo);
    log().LogEvent = true;
    log().WriteToLog(QStringLiteral("b"), lmtInfo, false);
    QVERIFY(m_heard.isEmpty());
    QCOMPARE(readAll(m_file).size(), 2 * 2 * QStringLiteral("[07.03.2024] [09:05:03] [Info]: a\r\n").size());
}

void TestLogManager::objectListenerDroppedWithItsObject()
{
    int calls = 0;
    {
        QObject receiver;
        log().SetOnLogEventObj(&receiver, [&](const QString &, TLogMsgType) { ++calls; });
        log().WriteToLog(QStringLiteral("a"), lmtInfo);
    }
    log().WriteToLog(QStringLiteral("b"), lmtInfo);
    QCOMPARE(calls, 1);
}

void TestLogManager::noFileNameNotifiesOnly()
{
    log().FileName.clear();
    log().LogEvent = false; // the failure is reported all the same
    log().WriteToLog(QStringLiteral("Период: 3"), lmtInfo, false);
    QCOMPARE(m_heard.size(), 1);
    QCOMPARE(m_heard.at(0).kind, lmtError);
    QCOMPARE(m_heard.at(0).line,
             QStringLiteral("[Error]: Не определён файл логирования! LogMsg: "
                            "[07.03.2024] [09:05:03] [Info]: Период: 3"));
    QVERIFY(!QFile::exists(m_file));
}

void TestLogManager::cannotOpenNotifiesOnly()
{
    log().FileName = m_dir.path() + QStringLiteral("/missing/log_07.03.2024.log");
    log().WriteToLog(QStringLiteral("x"), lmtInfo);
    QCOMPARE(m_heard.size(), 1);
    QCOMPARE(m_heard.at(0).kind, lmtError);
    QCOMPARE(m_heard.at(0).line,
             QStringLiteral("[Error]: Ошибка лог-файла: INVALID_HANDLE_VALUE. LogMsg: "
                            "[07.03.2024] [09:05:03] [Info]: x"));
    QVERIFY(!QFile::exists(log().FileName));
}

void TestLogManager::writeFailureNotifies()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    log().FileName = QStringLiteral("/dev/full");
    log().WriteToLog(QStringLiteral("x"), lmtInfo);
    QCOMPARE(m_heard.size(), 2);
    QCOMPARE(m_heard.at(0).line, QStringLiteral("[07.03.2024] [09:05:03] [Info]: x"));
    QCOMPARE(m_heard.at(1).kind, lmtError);
    QVERIFY2(m_heard.at(1).line.startsWith(
                 QStringLiteral("[Error]: Ошибка записи в файл лога: QFile: ")),
             qPrintable(m_heard.at(1).line));
}

void TestLogManager::levelAboveMaximumDropped()
{
    log().MaxLogLevel = lmlInfo;
    log().WriteToLog(QStringLiteral("debug"), lmtInfo, true, lmlDebug);
    QVERIFY(!QFile::exists(m_file));
    QVERIFY(m_heard.isEmpty());
    log().WriteToLog(QStringLiteral("info"), lmtInfo, true, lmlInfo);
    log().MaxLogLevel = lmlMax;
    log().WriteToLog(QStringLiteral("max"), lmtInfo);
    QCOMPARE(readAll(m_file),
             utf16le(QStringLiteral("[07.03.2024] [09:05:03] [Info]: info\r\n"
                                    "[07.03.2024] [09:05:03] [Info]: max\r\n")));
}

void TestLogManager::writesWhileAnotherHandleHoldsFile()
{
    log().WriteToLog(QStringLiteral("до"), lmtInfo);
    QFile other(m_file);
    QVERIFY(other.open(QIODevice::ReadWrite));
    const QByteArray before = other.readAll();

    log().WriteToLog(QStringLiteral("во время"), lmtInfo);

    const QByteArray added = other.readAll(); // the other handle sees the new line
    QCOMPARE(added, utf16le(QStringLiteral("[07.03.2024] [09:05:03] [Info]: во время\r\n")));
    other.close();
    QCOMPARE(readAll(m_file), before + added);
    QCOMPARE(m_heard.size(), 2);
}

QTEST_GUILESS_MAIN(TestLogManager)
#include "tst_logmanager.moc"
