#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <utility>

// Rows of the demo and the prepared statements that write them.

enum class DemoType { Integer, BigInt, Text, Date, Timestamp, Decimal };

// The columns the demo writes into one table, in the order of the statement.
class DemoTable
{
public:
    // `link`: the column that ties a section row to its card (empty for cards).
    DemoTable(const QString &name, const QString &link, const QList<std::pair<QString, DemoType>> &columns);

    const QString &name() const { return m_name; }
    const QString &link() const { return m_link; }
    int columnCount() const { return int(m_columns.size()); }
    DemoType type(int i) const { return m_columns.at(i).second; }
    int indexOf(const QString &column) const; // throws std::logic_error for a column not listed

    // NUMERIC columns take their value as text through a VARCHAR cast: the
    // driver would turn a bound value into a double on the way.
    QString insertSql(bool returningId) const;

private:
    QString m_name;
    QString m_link;
    QList<std::pair<QString, DemoType>> m_columns;
    QHash<QString, int> m_index;
};

// One row to insert; columns not set are written as NULL.
class DemoRow
{
public:
    explicit DemoRow(const DemoTable &table);

    const DemoTable &table() const { return *m_table; }
    const QVariant &value(int i) const { return m_values.at(i); }

    DemoRow &set(const QString &column, const QVariant &value);
    DemoRow &setNull(const QString &column);
    // An exact decimal given in tenths: 1234 is 123.4.
    DemoRow &setTenths(const QString &column, qint64 tenths);
    bool isSet(const QString &column) const;

    static QString tenthsText(qint64 tenths);

private:
    const DemoTable *m_table;
    QList<QVariant> m_values;
};

// Inserts rows with one prepared statement per table. Live for one
// transaction only: the statements die with the writer, before the commit.
class DemoWriter
{
public:
    explicit DemoWriter(const QSqlDatabase &db) : m_db(db) {}

    void insert(const DemoRow &row);
    int insertReturningId(const DemoRow &row);

private:
    QSqlQuery &prepared(const DemoTable &table, bool returningId);
    QSqlQuery &run(const DemoRow &row, bool returningId);

    QSqlDatabase m_db;
    std::map<std::pair<const DemoTable *, bool>, std::unique_ptr<QSqlQuery>> m_queries;
};
