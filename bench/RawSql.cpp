#include "RawSql.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DatasetSql.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString literal(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return u"NULL"_s;
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::Double:
        return value.toString();
    case QMetaType::QDate:
        return u"DATE '"_s + value.toDate().toString(u"yyyy-MM-dd"_s) + u'\'';
    case QMetaType::QDateTime:
        return u"TIMESTAMP '"_s + value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss.zzz"_s) + u'\'';
    default:
        if (value.metaType() == QMetaType::fromType<Decimal>())
            return value.value<Decimal>().toString();
        return u'\'' + value.toString().replace(u"'"_s, u"''"_s) + u'\'';
    }
}

double median(QList<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Milliseconds of one isql-fb run of `script`, or -1 with *error set.
double isqlRun(const QString &isql, const QString &database, const QString &script, QString *error)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(isql, {u"-q"_s, u"-b"_s, u"-ch"_s, u"UTF8"_s, u"-user"_s, QString::fromLatin1(Connection::UserName),
                   u"-password"_s, QString::fromLatin1(Connection::Password), u"-i"_s, script, database});
    if (!p.waitForFinished(600000)) {
        *error = u"isql-fb did not finish: "_s + p.errorString();
        p.kill();
        p.waitForFinished();
        return -1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const QString err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !err.isEmpty()) {
        *error = u"isql-fb failed (exit %1): %2"_s.arg(p.exitCode()).arg(err.left(400));
        return -1;
    }
    return ms;
}

bool writeScript(const QString &path, const QStringList &statements)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString &s : statements) {
        f.write(s.toUtf8());
        f.write(";\n");
    }
    f.write("commit;\n");
    return true;
}

} // namespace

StatementRecorder::StatementRecorder(QObject &owner)
{
    for (Dataset *ds : owner.findChildren<Dataset *>()) {
        Hooked h{ds, ds->beforeOpen};
        ds->beforeOpen = [this, before = h.before](Dataset &d) {
            if (m_recording)
                m_statements << withLiterals(d);
            if (before)
                before(d);
        };
        m_hooked << h;
    }
}

StatementRecorder::~StatementRecorder()
{
    for (const Hooked &h : m_hooked) {
        if (h.dataset)
            h.dataset->beforeOpen = h.before;
    }
}

void StatementRecorder::start()
{
    m_statements.clear();
    m_recording = true;
}

QStringList StatementRecorder::stop()
{
    m_recording = false;
    return std::exchange(m_statements, {});
}

QString withLiterals(const Dataset &dataset)
{
    const DatasetSql::PositionalSql positional = DatasetSql::toPositional(dataset.selectSql());
    QString out;
    qsizetype next = 0;
    QChar quote;
    for (const QChar c : positional.sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            out += c;
        } else if (c == u'?' && next < positional.names.size()) {
            out += literal(dataset.param(positional.names[next++]));
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

double runWithDriver(QSqlDatabase db, const QStringList &statements, QString *error)
{
    QElapsedTimer timer;
    timer.start();
    const bool together = db.transaction(); // as our layer and isql-fb run them
    for (const QString &sql : statements) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(sql)) {
            *error = q.lastError().text();
            if (together)
                db.rollback();
            return -1;
        }
        // The engine's own description: the driver's record() would look
        // every NUMERIC column up in the system tables first.
        const int columns = int(DatasetSql::describeColumns(q, true).size());
        while (q.next()) {
            for (int i = 0; i < columns; ++i)
                (void)q.value(i);
        }
    }
    if (together)
        db.commit();
    return double(timer.nsecsElapsed()) / 1e6;
}

IsqlResult runWithIsql(const QString &database, const QList<QStringList> &groups, int repeats,
                       const QString &scriptFolder)
{
    IsqlResult result;
    const QString isql = QStandardPaths::findExecutable(u"isql-fb"_s);
    if (isql.isEmpty()) {
        result.error = u"isql-fb is not installed (package firebird3.0-utils)"_s;
        return result;
    }
    QStringList all;
    for (const QStringList &g : groups)
        all << g;
    const QString script = scriptFolder + u"/statements.sql"_s;
    const QString base = scriptFolder + u"/connect-only.sql"_s;
    if (!writeScript(script, all) || !writeScript(base, {u"select 1 from rdb$database"_s})) {
        result.error = u"cannot write the scripts in "_s + scriptFolder;
        return result;
    }
    if (groups.isEmpty()) {
        result.error = u"nothing was recorded"_s;
        return result;
    }
    QList<double> baseRuns, scriptRuns;
    for (int i = 0; i < repeats; ++i) {
        const double b = isqlRun(isql, database, base, &result.error);
        const double s = b < 0 ? -1 : isqlRun(isql, database, script, &result.error);
        if (b < 0 || s < 0)
            return result;
        baseRuns << b;
        scriptRuns << s;
    }
    const double connectOnly = median(baseRuns);
    for (double s : scriptRuns)
        result.perUnitMs << std::max(0.0, s - connectOnly) / double(groups.size());
    return result;
}
