#include "db/DbSession.h"

#include <QSqlQuery>

DatabaseError::DatabaseError(const QString &text, const QString &nativeCode)
    : std::runtime_error(text.toStdString())
    , m_nativeCode(nativeCode)
{
}

DatabaseError::DatabaseError(const QSqlError &error)
    : DatabaseError(error.text(), error.nativeErrorCode())
{
}

namespace {

void execute(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery q(db);
    if (!q.exec(statement))
        throw DatabaseError(q.lastError());
}

} // namespace

DbSession::DbSession(const QString &connectionName)
    : m_connectionName(connectionName)
{
}

QSqlDatabase DbSession::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void DbSession::begin()
{
    QSqlDatabase db = database();
    if (m_depth == 0) {
        if (m_readTransaction)
            endReadTransaction(); // the rows read so far are all fetched
        if (!db.transaction()) {
            const QSqlError error = db.lastError();
            throw DatabaseError(error.isValid() ? error
                                                : QSqlError(QStringLiteral("Cannot start a transaction on connection \"%1\"")
                                                                .arg(m_connectionName)));
        }
    } else {
        // Names never repeat within a run, so no savepoint is ever replaced by
        // a namesake.
        const QString name = QStringLiteral("OP_%1").arg(++m_savepointCounter);
        execute(db, QStringLiteral("SAVEPOINT ") + name);
        m_savepoints.append(name);
    }
    ++m_depth;
}

void DbSession::finish(bool commit)
{
    Q_ASSERT(m_depth > 0);
    --m_depth;
    QSqlDatabase db = database();
    if (m_depth > 0) {
        const QString name = m_savepoints.takeLast();
        if (!commit)
            execute(db, QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
        execute(db, QStringLiteral("RELEASE SAVEPOINT ") + name);
        return;
    }
    if (!commit) {
        db.rollback();
        return;
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback(); // nothing of a failed operation may stay pending
        throw DatabaseError(error);
    }
}

void DbSession::beginReads()
{
    ++m_readScopes;
    if (m_depth > 0 || m_readTransaction)
        return;
    QSqlDatabase db = database();
    // Without a transaction of their own the reads still run, one by one.
    m_readTransaction = db.isOpen() && db.transaction();
}

void DbSession::endReads()
{
    Q_ASSERT(m_readScopes > 0);
    if (--m_readScopes == 0 && m_readTransaction)
        endReadTransaction();
}

void DbSession::endReadTransaction()
{
    m_readTransaction = false;
    QSqlDatabase db = database();
    if (!db.commit())
        db.rollback(); // nothing may stay pending
}

Operation::Operation(DbSession &session)
    : m_session(session)
{
    m_session.begin();
}

Operation::~Operation()
{
    if (m_done)
        return;
    try {
        m_session.finish(false);
    } catch (const std::exception &e) {
        // A destructor must not throw; the transaction is gone either way.
        qWarning("Rolling back an operation failed: %s", e.what());
    }
}

void Operation::commit()
{
    Q_ASSERT(!m_done);
    m_done = true;
    m_session.finish(true);
}

ReadScope::ReadScope(DbSession &session)
    : m_session(session)
{
    m_session.beginReads();
}

ReadScope::~ReadScope()
{
    m_session.endReads();
}
