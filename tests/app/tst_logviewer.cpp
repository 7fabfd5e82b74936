#include "app/LogManager.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "app/TfrmLogs.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextEdit>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct ShownLine
{
    QString text;
    QColor color;
};

// The viewer's paragraphs with the colour each is drawn in.
QList<ShownLine> shownLines(const TfrmLogs &viewer)
{
    QList<ShownLine> lines;
    const QTextDocument *doc = viewer.view()->document();
    if (doc->isEmpty())
        return lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QColor color;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QColor fragment = it.fragment().charFormat().foreground().color();
            if (!color.isValid())
                color = fragment;
            else if (color != fragment)
                color = QColor(); // a line in two colours is a fault
        }
        lines << ShownLine{block.text(), color};
    }
    return lines;
}

QStringList shownTexts(const TfrmLogs &viewer)
{
    QStringList texts;
    for (const ShownLine &line : shownLines(viewer))
        texts << line.text;
    return texts;
}

// A log line as an earlier run wrote it: UTF-16LE, CR LF, no byte-order mark.
bool appendToLogFile(const QString &fileName, const QString &line)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QString record = line + u"\r\n"_s;
    QByteArray bytes;
    for (QChar c : record) {
        const char16_t unit = qToLittleEndian(char16_t(c.unicode()));
        bytes.append(reinterpret_cast<const char *>(&unit), 2);
    }
    return file.write(bytes) == bytes.size();
}

} // namespace

class TestLogViewer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void titleAndReadOnly();
    void linesInOrderWithTheirColours_data();
    void linesInOrderWithTheirColours();
    void markupInALineIsShownAsWritten();
    void mainWindowFeedsTheViewer();
    void earlierLogFilesAreNotShown();
    void secondCopyLineReachesTheViewer();
    void menuItemOpensTheViewerModally();
    void destroyedViewerIsNotCalled();
};

void TestLogViewer::cleanup()
{
    TLogManager &log = TLogManager::GetInstance();
    log.ClearOnLogEventObj();
    log.FileName.clear();
    log.LogEvent = false;
}

void TestLogViewer::titleAndReadOnly()
{
    TfrmLogs viewer;
    QCOMPARE(viewer.windowTitle(), u"Журнал логирования"_s);
    QVERIFY(viewer.view()->isReadOnly());
    QVERIFY(viewer.view()->acceptRichText());
    QVERIFY(shownLines(viewer).isEmpty());
}

void TestLogViewer::linesInOrderWithTheirColours_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("color");
    QTest::newRow("info black") << int(lmtInfo) << QColor(Qt::black);
    QTest::newRow("warning yellow") << int(lmtWarning) << QColor(Qt::yellow);
    QTest::newRow("error red") << int(lmtError) << QColor(Qt::red);
}

void TestLogViewer::linesInOrderWithTheirColours()
{
    QFETCH(int, kind);
    QFETCH(QColor, color);
    QCOMPARE(TfrmLogs::colorOf(TLogMsgType(kind)), color);

    TfrmLogs viewer;
    viewer.appendLine(u"[01.02.2024] [10:00:00] [Info]: первая"_s, lmtInfo);
    viewer.appendLine(u"вторая"_s, TLogMsgType(kind));
    viewer.appendLine(u"[01.02.2024] [10:00:02] [Error]: третья"_s, lmtError);
    const QList<ShownLine> lines = shownLines(viewer);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].text, u"[01.02.2024] [10:00:00] [Info]: первая"_s);
    QCOMPARE(lines[0].color, QColor(Qt::black));
    QCOMPARE(lines[1].text, u"вторая"_s);
    QCOMPARE(lines[1].color, color);
    QCOMPARE(lines[2].text, u"[01.02.2024] [10:00:02] [Error]: третья"_s);
    QCOMPARE(lines[2].color, QColor(Qt::red));
}

void TestLogViewer::markupInALineIsShownAsWritten()
{
    TfrmLogs viewer;
    viewer.appendLine(u"<b>a & b</b>"_s, lmtWarning);
    viewer.appendLine(QString(), lmtInfo);
    viewer.appendLine(u"после пустой"_s, lmtInfo);
    QCOMPARE(shownTexts(viewer), (QStringList{u"<b>a & b</b>"_s, QString(), u"после пустой"_s}));
}

// Lines written through the log manager once the main window exists reach
// its viewer, in order and in their colours; the file gets them too.
void TestLogViewer::mainWindowFeedsTheViewer()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close();
    ScriptedPromptPort port;
    TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    QVERIFY(!form.isEnding());

    TLogManager &log = TLogManager::GetInstance();
    const QDateTime moment(QDate(2024, 2, 1), QTime(9, 30, 5));
    log.SetClock([moment] { return moment; });
    log.WriteToLog(u"Период: 24"_s, lmtInfo);
    log.WriteToLog(u"Осторожно"_s, lmtWarning);
    log.WriteToLog(u"Система заблокированна на 5 минут."_s, lmtError);
    log.WriteToLog(u"Тихая строка"_s, lmtInfo, false); // not for listeners
    log.SetClock({});

    const QList<ShownLine> lines = shownLines(form.logs());
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].text, u"[01.02.2024] [09:30:05] [Info]: Период: 24"_s);
    QCOMPARE(lines[0].color, QColor(Qt::black));
    QCOMPARE(lines[1].text, u"[01.02.2024] [09:30:05] [Warning]: Осторожно"_s);
    QCOMPARE(lines[1].color, QColor(Qt::yellow));
    QCOMPARE(lines[2].text, u"[01.02.2024] [09:30:05] [Error]: Система заблокированна на 5 минут."_s);
    QCOMPARE(lines[2].color, QColor(Qt::red));

    QFile file(log.FileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString stored = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()),
                                              bytes.size() / 2);
    QCOMPARE(stored.count(u"\r\n"_s), 4);
}

// The viewer shows this run's lines only: neither today's file written by an
// earlier run nor the file of an earlier day.
void TestLogViewer::earlierLogFilesAreNotShown()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close();
    QVERIFY(QDir().mkpath(tdb.exeDir() + u"logs"_s));
    const QString today = TLogManager::LogFileName(tdb.exeDir(), QDate::currentDate());
    const QString yesterday = TLogManager::LogFileName(tdb.exeDir(), QDate::currentDate().addDays(-1));
    QVERIFY(appendToLogFile(today, u"[01.01.2024] [08:00:00] [Info]: строка прошлого запуска"_s));
    QVERIFY(appendToLogFile(yesterday, u"[31.12.2023] [08:00:00] [Error]: вчерашняя строка"_s));

    ScriptedPromptPort port;
    TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    QCOMPARE(TLogManager::GetInstance().FileName, today);
    QVERIFY(shownLines(form.logs()).isEmpty());

    TLogManager::GetInstance().WriteToLog(u"строка этого запуска"_s, lmtInfo);
    const QStringList texts = shownTexts(form.logs());
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.constFirst().endsWith(u"[Info]: строка этого запуска"_s), qPrintable(texts.constFirst()));

    // Both lines are in the same file, which the viewer did not read.
    QFile file(today);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString stored = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()),
                                              bytes.size() / 2);
    QVERIFY(stored.contains(u"строка прошлого запуска"_s));
    QVERIFY(stored.contains(u"строка этого запуска"_s));
}

// The viewer exists before the single-instance guard refuses a second copy,
// so that refusal is heard as well.
void TestLogViewer::secondCopyLineReachesTheViewer()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close();
    SingleInstance otherCopy(tdb.exeDir());
    QVERIFY(otherCopy.acquire());
    ScriptedPromptPort port;
    TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    QVERIFY(form.isEnding());
    const QList<ShownLine> lines = shownLines(form.logs());
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].text.endsWith(u"[Info]: Приложение уже работает!"_s), qPrintable(lines[0].text));
    QCOMPARE(lines[0].color, QColor(Qt::black));
}

void TestLogViewer::menuItemOpensTheViewerModally()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close();
    ScriptedPromptPort port;
    TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    TLogManager::GetInstance().WriteToLog(u"до открытия"_s, lmtError);

    QAction *logging = form.actions().ALogging;
    QCOMPARE(logging->text(), u"Логирование"_s);
    QVERIFY(logging->isEnabled());

    QStringList seen;
    QString title;
    port.onExec([&](QDialog &dialog) {
        auto *viewer = qobject_cast<TfrmLogs *>(&dialog);
        if (viewer) {
            title = viewer->windowTitle();
            seen = shownTexts(*viewer);
        }
        return int(QDialog::Rejected);
    });
    logging->trigger();
    QCOMPARE(port.execCount(), 1);
    QCOMPARE(port.pendingExecs(), 0);
    QCOMPARE(title, u"Журнал логирования"_s);
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.constFirst().endsWith(u"[Error]: до открытия"_s), qPrintable(seen.constFirst()));
    QVERIFY(port.messages().isEmpty());

    // Closing keeps what was shown; later lines follow on.
    TLogManager::GetInstance().WriteToLog(u"после закрытия"_s, lmtInfo);
    QCOMPARE(shownLines(form.logs()).size(), 2);
}

// Once the main window and its viewer are gone, writing a line calls nobody.
void TestLogViewer::destroyedViewerIsNotCalled()
{
    TestDatabase tdb;
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    tdb.close();
    {
        ScriptedPromptPort port;
        TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    }
    QStringList heard;
    TLogManager::GetInstance().OnLogEvent = [&](const QString &line, TLogMsgType) { heard << line; };
    TLogManager::GetInstance().WriteToLog(u"после окна"_s, lmtInfo);
    TLogManager::GetInstance().OnLogEvent = nullptr;
    QCOMPARE(heard.size(), 1); // the plain listener still hears it, nothing crashed
}

QTEST_MAIN(TestLogViewer)
#include "tst_logviewer.moc"
