// The benchmark of the record work on one synthetic okrug (made by
// ruvo-admin demo; bench/run makes them and calls this once per size).
//
//   ruvo-bench measure --db FILE --work DIR [--label TEXT] [--runs N]
//                      [--switches N] [--saves N] [--startups N] [--isql-runs N]
//
// copies FILE into DIR as the program's p1.fdb and prints median and spread
// of: the start-up to the first card (a child process each time), the load
// of the book lists of the largest settlement (ChangeKato), the card switch,
// the save of a member row and of a housing row, peak resident memory, and
// the same SQL of the list load and the card switch run by the Qt driver
// alone and by isql-fb.

#include "BenchProgram.h"
#include "Figures.h"
#include "RawSql.h"

#include "app/GuardedApplication.h"
#include "app/TForm1.h"
#include "db/Dataset.h"
#include "db/TFDM.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void say(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The one-minute load average of the machine.
QString loadAverage()
{
    QFile f(u"/proc/loadavg"_s);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().split(' ').value(0)) : u"?"_s;
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// `times` copies of `statements`, for repeated runs.
QList<QStringList> repeated(const QList<QStringList> &statements, int times)
{
    QList<QStringList> all;
    for (int i = 0; i < times; ++i)
        all << statements;
    return all;
}

struct Options
{
    QString db;
    QString work;
    QString label;
    int runs = 10;      // list loads
    int switches = 60;  // cards visited per pass (one recording pass, three timed)
    int saves = 20;     // member rows and housing rows
    int startups = 7;
    int isqlRuns = 3;
};

// ------------------------------------------------------------ start-up child

int startupChild(const QString &work, int settlementId, qint64 t0)
{
    BenchPort port;
    QString error;
    auto form = startProgram(port, work, settlementId, &error);
    const qint64 shown = steadyNs();
    if (!form) {
        std::fprintf(stderr, "ruvo-bench: %s\n", qPrintable(error));
        return 1;
    }
    say(u"STARTUP ms=%1 hwm_kb=%2"_s.arg(double(shown - t0) / 1e6, 0, 'f', 3).arg(peakResidentKb()));
    return 0;
}

// ------------------------------------------------------------ measure

class Bench
{
public:
    explicit Bench(const Options &o) : m_o(o) {}
    int run();

private:
    QString database() const { return m_o.work + u"/p1.fdb"_s; }
    void startups();
    void inProcess();
    void changeKato(TFDM &fdm, StatementRecorder &recorder);
    void cardSwitch(TFDM &fdm, StatementRecorder &recorder);
    void withDriver(TFDM &fdm);
    void saves(TFDM &fdm, BenchPort &port);
    void saveRows(TFDM &fdm, BenchPort &port, const QString &what, const QString &section, const QString &field);
    void withIsql();
    void ratio(const QString &what, double ours, double raw);

    Options m_o;
    Report m_report;
    Settlement m_settlement;
    QList<int> m_rows; // the cards the switches visit
    QStringList m_katoSql;
    QList<QStringList> m_switchSql;
    double m_katoMs = -1;   // our medians, for the ratios
    double m_switchMs = -1;
    qint64 m_startupHwmKb = -1;
};

int Bench::run()
{
    QDir(m_o.work).removeRecursively();
    if (!QDir().mkpath(m_o.work + u"/isql"_s) || !QFile::copy(m_o.db, database())) {
        std::fprintf(stderr, "ruvo-bench: cannot copy %s into %s\n", qPrintable(m_o.db), qPrintable(m_o.work));
        return 1;
    }
    QString error;
    m_settlement = largestSettlement(database(), &error);
    if (m_settlement.id == 0) {
        std::fprintf(stderr, "ruvo-bench: %s\n", qPrintable(error));
        return 1;
    }
    say(u"== %1: %2 (%3 MB), largest settlement \"%4\" with %5 households"_s.arg(
        m_o.label, QFileInfo(m_o.db).fileName(), QString::number(QFileInfo(m_o.db).size() / 1048576),
        m_settlement.name, QString::number(m_settlement.households)));
    say(u"   %1 cores (%2), %3, load average %4"_s.arg(QThread::idealThreadCount())
            .arg(QSysInfo::prettyProductName(), QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm"_s),
                 loadAverage()));

    startups();
    inProcess();
    withIsql();

    if (m_startupHwmKb > 0) {
        m_report.addValue(u"peak resident memory (program)"_s, double(m_startupHwmKb) / 1024, u"MB"_s,
                          u"VmHWM of the start-up, largest settlement shown"_s);
    }
    say(m_report.text());
    say(u"   load average %1 at the end (other work on the machine spreads the figures)"_s.arg(loadAverage()));
    return 0;
}

void Bench::startups()
{
    QList<double> ms;
    for (int i = 0; i < m_o.startups; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        const qint64 t0 = steadyNs();
        child.start(QCoreApplication::applicationFilePath(),
                    {u"startup-child"_s, u"--work"_s, m_o.work, u"--settlement"_s, QString::number(m_settlement.id),
                     u"--t0"_s, QString::number(t0)});
        if (!child.waitForFinished(300000) || child.exitCode() != 0) {
            m_report.addFailure(u"start-up to the first card"_s,
                                QString::fromUtf8(child.readAllStandardError()).trimmed().left(300));
            return;
        }
        for (const QString &line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n')) {
            if (!line.startsWith(u"STARTUP "_s))
                continue;
            for (const QString &pair : line.mid(8).split(u' ')) {
                if (pair.startsWith(u"ms="_s))
                    ms << pair.mid(3).toDouble();
                else if (pair.startsWith(u"hwm_kb="_s))
                    m_startupHwmKb = qMax(m_startupHwmKb, pair.mid(7).toLongLong());
            }
        }
    }
    m_report.add(u"start-up to the first card"_s, ms, u"ms"_s);
    m_report.addNote(u"a new process each time, login and period dialogs answered, largest settlement chosen"_s);
}

void Bench::inProcess()
{
    BenchPort port;
    QString error;
    std::unique_ptr<TForm1> form = startProgram(port, m_o.work, m_settlement.id, &error);
    if (!form) {
        m_report.addFailure(u"program start in the benchmark"_s, error);
        return;
    }
    TFDM &fdm = form->fdm();
    port.clearRecord(); // the boxes of the start-up (the login's notice) are not ours to count
    {
        StatementRecorder recorder(fdm);
        try {
            changeKato(fdm, recorder);
        } catch (const std::exception &e) {
            m_report.addFailure(u"ChangeKato"_s, QString::fromUtf8(e.what()));
        }
        try {
            cardSwitch(fdm, recorder);
        } catch (const std::exception &e) {
            m_report.addFailure(u"card switch"_s, QString::fromUtf8(e.what()));
        }
    }
    withDriver(fdm);
    if (!port.messages().isEmpty()) {
        m_report.addNote(u"boxes shown during the list loads and card switches: %1, e.g. \"%2\""_s
                             .arg(port.messages().size())
                             .arg(port.messages().first().text.section(u'\n', 0, 0)));
    }
    saves(fdm, port);
    m_report.addValue(u"peak resident memory (benchmark)"_s, double(peakResidentKb()) / 1024, u"MB"_s,
                      u"VmHWM of this process after all of the above"_s);
    form.reset(); // closes the database, so isql-fb may open it
}

void Bench::changeKato(TFDM &fdm, StatementRecorder &recorder)
{
    recorder.start();
    fdm.ChangeKato(m_settlement.id); // also the first, untimed run
    m_katoSql = recorder.stop();
    QCoreApplication::processEvents();
    QList<double> ms;
    const qint64 written = bytesWritten();
    for (int i = 0; i < m_o.runs; ++i) {
        QElapsedTimer t;
        t.start();
        fdm.ChangeKato(m_settlement.id);
        ms << msSince(t);
        QCoreApplication::processEvents();
    }
    m_report.add(u"ChangeKato, largest settlement"_s, ms, u"ms"_s);
    m_report.addNote(u"%1 households, %2 statements (both lists and the first card), %3 kB written each"_s
                         .arg(fdm.TKPUCatal.recordCount())
                         .arg(m_katoSql.size())
                         .arg((bytesWritten() - written) / 1024 / m_o.runs));
    m_katoMs = summarize(ms).median;
}

void Bench::cardSwitch(TFDM &fdm, StatementRecorder &recorder)
{
    Dataset &list = fdm.TKPUCatal;
    const int count = list.recordCount();
    m_rows.clear();
    for (int k = 0; k < m_o.switches && count > 0; ++k)
        m_rows << int((qint64(k) * count) / m_o.switches + (k % 2 ? 1 : 0)) % count;

    // The first pass writes the statements down and warms the caches.
    for (int row : m_rows) {
        recorder.start();
        list.moveTo(row);
        m_switchSql << recorder.stop();
        QCoreApplication::processEvents();
    }
    QList<double> ms, paint;
    qint64 written = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (int row : m_rows) {
            const qint64 before = bytesWritten();
            QElapsedTimer t;
            t.start();
            list.moveTo(row);
            ms << msSince(t);
            written += bytesWritten() - before;
            t.restart();
            QCoreApplication::processEvents();
            paint << msSince(t);
        }
    }
    m_report.add(u"card switch"_s, ms, u"ms"_s);
    m_report.addNote(u"%1 cards, 3 passes; %2 statements and %3 kB written a switch"_s.arg(m_rows.size())
                         .arg(m_switchSql.isEmpty() ? 0 : m_switchSql.first().size())
                         .arg(written / 1024 / qMax(1, int(ms.size()))));
    m_report.add(u"  repaint after it (offscreen)"_s, paint, u"ms"_s);
    m_switchMs = summarize(ms).median;
}

void Bench::withDriver(TFDM &fdm)
{
    const QSqlDatabase db = fdm.session().database();
    auto measure = [&](const QString &what, const QList<QStringList> &units, double ours) {
        if (units.isEmpty())
            return;
        QList<double> ms;
        QString error;
        for (const QStringList &statements : units) {
            const double t = runWithDriver(db, statements, &error);
            if (t < 0) {
                m_report.addFailure(what + u" SQL, Qt driver alone"_s, error);
                return;
            }
            ms << t;
        }
        m_report.add(what + u" SQL, Qt driver alone"_s, ms, u"ms"_s);
        ratio(what + u" / Qt driver alone"_s, ours, summarize(ms).median);
    };
    measure(u"ChangeKato"_s, repeated({m_katoSql}, m_o.runs), m_katoMs);
    measure(u"card switch"_s, repeated(m_switchSql, 3), m_switchMs);
}

void Bench::saves(TFDM &fdm, BenchPort &port)
{
    // Through the data module's datasets, with whatever rules are installed.
    saveRows(fdm, port, u"member row save"_s, u"TSRN"_s, u"FAM"_s);
    saveRows(fdm, port, u"housing row save"_s, u"TRZHF"_s, u"KOL_KOMNAT"_s);
}

// Each sample: on another card, the section's first row put into editing
// with one value set to itself, then post() timed: the rules, the write, the
// reread of the row, the commit and the reread of the section. Saves whose
// rules also saved the household card (which rereads the household list)
// are shown on a line of their own. A save during which the rules showed a
// box (a question, a refusal) is no plain save: it is counted apart and left
// out of the figures.
void Bench::saveRows(TFDM &fdm, BenchPort &port, const QString &what, const QString &sectionName,
                     const QString &field)
{
    Dataset &list = fdm.TKPUCatal;
    Dataset &section = fdm.section(sectionName);
    QList<double> ms, withCard;
    int listReads = 0; // the card's save rereads the household list
    const QMetaObject::Connection counting = QObject::connect(&list, &Dataset::reset, [&] { ++listReads; });
    int apart = 0;
    QString example;
    const int count = list.recordCount();
    for (int k = 0; k < count && ms.size() + withCard.size() < m_o.saves && apart < 3 * m_o.saves; ++k) {
        const int row = int((qint64(k) * 7919 + 13) % count); // cards across the whole list
        const qsizetype shown = port.messages().size();
        try {
            list.moveTo(row);
            QCoreApplication::processEvents();
            if (!section.isActive() || section.isEmpty() || !section.hasField(field))
                continue;
            section.edit();
            section.setValue(field, section.value(field));
            listReads = 0;
            QElapsedTimer t;
            t.start();
            section.post();
            const double elapsed = msSince(t);
            if (port.messages().size() == shown) {
                (listReads > 0 ? withCard : ms) << elapsed;
            } else {
                ++apart;
                example = port.lastMessage().text;
            }
        } catch (const Abort &) {
            ++apart;
            example = port.messages().size() > shown ? port.lastMessage().text : u"(refused silently)"_s;
            section.cancel();
        } catch (const std::exception &e) {
            ++apart;
            example = QString::fromUtf8(e.what());
            section.cancel();
        }
        QCoreApplication::processEvents();
    }
    QObject::disconnect(counting);
    if (ms.isEmpty() && withCard.isEmpty())
        m_report.addFailure(what, example.isEmpty() ? u"no card with such a row"_s : example);
    if (!ms.isEmpty())
        m_report.add(what, ms, u"ms"_s);
    if (!withCard.isEmpty())
        m_report.add(u"  with the card saved too"_s, withCard, u"ms"_s);
    if (apart > 0) {
        m_report.addNote(u"%1: %2 saves showed a box or were refused, left out; e.g. \"%3\""_s.arg(sectionName)
                             .arg(apart)
                             .arg(example.section(u'\n', 0, 0)));
    }
}

void Bench::withIsql()
{
    auto measure = [&](const QString &what, const QList<QStringList> &units, double ours) {
        if (units.isEmpty() || units.first().isEmpty())
            return;
        const IsqlResult r = runWithIsql(database(), units, m_o.isqlRuns, m_o.work + u"/isql"_s);
        if (!r.error.isEmpty()) {
            m_report.addFailure(what + u" SQL, isql-fb"_s, r.error);
            return;
        }
        m_report.add(what + u" SQL, isql-fb"_s, r.perUnitMs, u"ms"_s);
        ratio(what + u" / isql-fb"_s, ours, summarize(r.perUnitMs).median);
    };
    measure(u"ChangeKato"_s, repeated({m_katoSql}, m_o.runs), m_katoMs);
    measure(u"card switch"_s, repeated(m_switchSql, 3), m_switchMs);
    m_report.addNote(u"isql-fb: the recorded statements with their parameters as literals, one transaction,"
                     " rows printed to /dev/null; its time less that of a run that only connects"_s);
}

void Bench::ratio(const QString &what, double ours, double raw)
{
    if (ours > 0 && raw > 0)
        m_report.addValue(what, ours / raw, u"x"_s, u"ratio of the medians"_s);
}

int usage()
{
    std::fputs("Usage: ruvo-bench measure --db FILE --work DIR [--label TEXT] [--runs N] [--switches N]\n"
               "                  [--saves N] [--startups N] [--isql-runs N]\n"
               "The okrugs are made and the sizes chosen by bench/run.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform says this of every window it shows.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (!text.contains(u"propagateSizeHints"_s))
            standard(type, context, text);
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    app.setErrorHandler([](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception &ex) {
            std::fprintf(stderr, "ruvo-bench: error in an event handler: %s\n", ex.what());
        } catch (...) {
        }
    });

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    QHash<QString, QString> values;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (!args[i].startsWith(u"--"_s))
            return usage();
        values.insert(args[i].mid(2), args[i + 1]);
    }
    if (args.size() % 2)
        return usage();

    if (command == u"startup-child"_s)
        return startupChild(values.value(u"work"_s), values.value(u"settlement"_s).toInt(),
                            values.value(u"t0"_s).toLongLong());
    if (command != u"measure"_s || !values.contains(u"db"_s) || !values.contains(u"work"_s))
        return usage();

    Options o;
    o.db = values.value(u"db"_s);
    o.work = QFileInfo(values.value(u"work"_s)).absoluteFilePath();
    o.label = values.value(u"label"_s, QFileInfo(o.db).completeBaseName());
    auto number = [&](const char *name, int &to) {
        if (values.contains(QLatin1String(name)))
            to = qMax(1, values.value(QLatin1String(name)).toInt());
    };
    number("runs", o.runs);
    number("switches", o.switches);
    number("saves", o.saves);
    number("startups", o.startups);
    number("isql-runs", o.isqlRuns);
    return Bench(o).run();
}
