#include "db/DatabaseCreator.h"

#include "db/Connection.h"
#include "db/EmbeddedEngine.h"
#include "db/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <ibase.h>

namespace {

QString doubledQuotes(QString s)
{
    return s.replace(u'\'', QStringLiteral("''"));
}

QString statusText(const ISC_STATUS *status)
{
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS *p = status;
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << QString::fromLocal8Bit(buffer);
    return parts.join(u'\n');
}

} // namespace

QList<SchemaScript> DatabaseCreator::builtInSchema()
{
    QDir dir(QStringLiteral(":/schema"));
    QStringList names = dir.entryList({QStringLiteral("*.sql")}, QDir::Files);
    std::sort(names.begin(), names.end());
    QList<SchemaScript> scripts;
    for (const QString &name : names) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            scripts.append({name, QString::fromUtf8(f.readAll())});
    }
    return scripts;
}

bool DatabaseCreator::create(const QString &path, const QList<SchemaScript> &scripts)
{
    m_error.clear();
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    if (info.exists() || info.isSymLink()) {
        m_error = QStringLiteral("%1 already exists; it is left as it is.").arg(absolute);
        return false;
    }
    if (!info.absoluteDir().exists()) {
        m_error = QStringLiteral("The folder %1 does not exist.").arg(info.absolutePath());
        return false;
    }
    // Scripts that do not even split are refused before a file is made.
    for (const SchemaScript &script : scripts) {
        const SqlScript parsed(script.text);
        if (!parsed.isValid()) {
            m_error = QStringLiteral("%1, %2").arg(script.name, parsed.errorString());
            return false;
        }
    }
    if (!createEmptyFile(absolute))
        return false;
    if (!applyScripts(absolute, scripts)) {
        QFile::remove(absolute);
        return false;
    }
    return true;
}

bool DatabaseCreator::createEmptyFile(const QString &path)
{
    // Qt's driver can only attach, so the file itself is made through fbclient.
    prepareEmbeddedEngine();
    const QByteArray sql =
        "CREATE DATABASE '" + QFile::encodeName(doubledQuotes(path))
        + "' USER 'SYSDBA' PASSWORD '" + QByteArray(Connection::Password)
        + "' PAGE_SIZE 16384 DEFAULT CHARACTER SET UTF8";
    ISC_STATUS_ARRAY status = {};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), SQL_DIALECT_V6, nullptr)) {
        m_error = QStringLiteral("Cannot create %1:\n%2").arg(path, statusText(status));
        return false;
    }
    if (isc_detach_database(status, &db)) {
        m_error = QStringLiteral("Cannot close the new file %1:\n%2").arg(path, statusText(status));
        QFile::remove(path);
        return false;
    }
    return true;
}

bool DatabaseCreator::applyScripts(const QString &path, const QList<SchemaScript> &scripts)
{
    const QString name = QStringLiteral("ruvo-create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = true;
    {
        QString error;
        QSqlDatabase db = Connection::open(name, path, &error);
        if (!db.isOpen()) {
            m_error = error;
            return false;
        }
        bool inTransaction = false;
        auto begin = [&] {
            if (!inTransaction && !db.transaction())
                return false;
            inTransaction = true;
            return true;
        };
        auto commit = [&] {
            if (inTransaction && !db.commit())
                return false;
            inTransaction = false;
            return true;
        };

        for (const SchemaScript &script : scripts) {
            const SqlScript parsed(script.text);
            for (const SqlStatement &st : parsed.statements()) {
                if (st.isCommit()) {
                    ok = commit();
                } else {
                    // DDL runs alone and is committed at once, so the statements
                    // after it can use the new objects. DML is batched until the
                    // next DDL or the end of the file.
                    ok = (!st.isDdl() || commit()) && begin();
                    if (ok) {
                        QSqlQuery q(db);
                        ok = q.exec(st.text);
                        if (!ok) {
                            const QSqlError e = q.lastError();
                            m_error = QStringLiteral("%1, line %2: %3\n%4")
                                          .arg(script.name)
                                          .arg(st.line)
                                          .arg(st.firstLine(),
                                               e.databaseText().isEmpty() ? e.text() : e.databaseText());
                        }
                    }
                    if (ok && st.isDdl())
                        ok = commit();
                }
                if (!ok)
                    break;
            }
            if (ok)
                ok = commit();
            if (!ok) {
                if (m_error.isEmpty())
                    m_error = QStringLiteral("%1: transaction failed:\n%2").arg(script.name, db.lastError().text());
                if (inTransaction)
                    db.rollback();
                break;
            }
        }
    }
    Connection::close(name);
    return ok;
}
