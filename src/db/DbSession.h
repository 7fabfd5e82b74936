#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <stdexcept>

// A database error raised by the dataset layer, the work queries and the
// script runner. what() carries the server's text (databaseText + " " +
// driverText), which the application error handler matches against its
// replacement table; nativeCode is Firebird's SQLCODE ("-803", "-530").
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(const QString &text, const QString &nativeCode = {});
    // text() and nativeErrorCode() of a driver error.
    explicit DatabaseError(const QSqlError &error);
    QString text() const { return QString::fromUtf8(what()); }
    QString nativeCode() const { return m_nativeCode; }

private:
    QString m_nativeCode;
};

// The one connection of the program and its transaction policy.
//
// Every completed user operation is committed at its end (one posted or
// deleted record with its follow-up statements, one batch function), so a
// power cut loses at most the operation in progress. An operation that fails
// part-way is rolled back whole. Operations nest: only the outermost one owns
// the transaction; an inner one is a savepoint, so an inner failure that the
// outer operation handles undoes just the inner work.
class DbSession
{
public:
    explicit DbSession(const QString &connectionName);

    QString connectionName() const { return m_connectionName; }
    QSqlDatabase database() const;
    bool inOperation() const { return m_depth > 0; }

private:
    friend class Operation;
    friend class ReadScope;
    void begin();            // throws DatabaseError
    void finish(bool commit); // throws DatabaseError when a commit fails
    void beginReads();
    void endReads();
    void endReadTransaction();

    QString m_connectionName;
    int m_depth = 0;
    QStringList m_savepoints; // of the inner operations, innermost last
    quint64 m_savepointCounter = 0;
    int m_readScopes = 0;
    bool m_readTransaction = false; // started by a read scope, still open
};

// Scope of one operation:
//
//     Operation op(session);
//     ... statements, dataset posts ...
//     op.commit();           // leaving the scope without it rolls back
class Operation
{
public:
    explicit Operation(DbSession &session);
    ~Operation();
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

    void commit();

private:
    DbSession &m_session;
    bool m_done = false;
};

// Scope of a run of reads that belong together (a card switch, the lists of
// a settlement): the statements inside share one transaction. Without it
// every statement is a transaction of its own, and for every transaction the
// engine writes its header page to disk synchronously (forced writes), even
// when nothing was changed. Scopes nest; inside an operation a scope changes
// nothing. An operation that begins inside a scope first ends the reads'
// transaction, so writes keep their own transaction and commit; the reads
// after it run each in its own again. Writes inside belong in an operation;
// statements read inside must be read to their end (a dataset does): the
// transaction ends with the scope.
class ReadScope
{
public:
    explicit ReadScope(DbSession &session);
    ~ReadScope();
    ReadScope(const ReadScope &) = delete;
    ReadScope &operator=(const ReadScope &) = delete;

private:
    DbSession &m_session;
};
