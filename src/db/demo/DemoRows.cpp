#include "db/demo/DemoRows.h"

#include <QSqlError>
#include <QStringList>

#include <stdexcept>

namespace {

QVariant nullOf(DemoType type)
{
    switch (type) {
    case DemoType::Integer: return QVariant(QMetaType::fromType<int>());
    case DemoType::BigInt: return QVariant(QMetaType::fromType<qlonglong>());
    case DemoType::Text:
    case DemoType::Decimal: return QVariant(QMetaType::fromType<QString>());
    case DemoType::Date: return QVariant(QMetaType::fromType<QDate>());
    case DemoType::Timestamp: return QVariant(QMetaType::fromType<QDateTime>());
    }
    return QVariant();
}

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    const QString why = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw std::runtime_error((what + QStringLiteral(": ") + why.trimmed()).toStdString());
}

} // namespace

DemoTable::DemoTable(const QString &name, const QString &link,
                     const QList<std::pair<QString, DemoType>> &columns)
    : m_name(name)
    , m_link(link)
    , m_columns(columns)
{
    for (int i = 0; i < int(m_columns.size()); ++i)
        m_index.insert(m_columns.at(i).first, i);
}

int DemoTable::indexOf(const QString &column) const
{
    const auto it = m_index.constFind(column);
    if (it == m_index.constEnd())
        throw std::logic_error(("the demo does not write " + m_name + "." + column).toStdString());
    return *it;
}

QString DemoTable::insertSql(bool returningId) const
{
    QStringList names;
    QStringList marks;
    for (const auto &[name, type] : m_columns) {
        names << name;
        marks << (type == DemoType::Decimal ? QStringLiteral("CAST(? AS VARCHAR(40))") : QStringLiteral("?"));
    }
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(m_name, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    if (returningId)
        sql += QStringLiteral(" RETURNING ID");
    return sql;
}

DemoRow::DemoRow(const DemoTable &table)
    : m_table(&table)
{
    m_values.reserve(table.columnCount());
    for (int i = 0; i < table.columnCount(); ++i)
        m_values.append(nullOf(table.type(i)));
}

DemoRow &DemoRow::set(const QString &column, const QVariant &value)
{
    const int i = m_table->indexOf(column);
    m_values[i] = value.isNull() ? nullOf(m_table->type(i)) : value;
    return *this;
}

DemoRow &DemoRow::setNull(const QString &column)
{
    const int i = m_table->indexOf(column);
    m_values[i] = nullOf(m_table->type(i));
    return *this;
}

DemoRow &DemoRow::setTenths(const QString &column, qint64 tenths)
{
    return set(column, tenthsText(tenths));
}

bool DemoRow::isSet(const QString &column) const
{
    return !m_values.at(m_table->indexOf(column)).isNull();
}

QString DemoRow::tenthsText(qint64 tenths)
{
    const bool negative = tenths < 0;
    const quint64 magnitude = negative ? quint64(-tenths) : quint64(tenths);
    return (negative ? QStringLiteral("-") : QString())
           + QString::number(magnitude / 10) + u'.' + QString::number(magnitude % 10);
}

QSqlQuery &DemoWriter::prepared(const DemoTable &table, bool returningId)
{
    auto &slot = m_queries[{&table, returningId}];
    if (!slot) {
        slot = std::make_unique<QSqlQuery>(m_db);
        if (!slot->prepare(table.insertSql(returningId)))
            fail(QStringLiteral("Cannot prepare the insert into %1").arg(table.name()), slot->lastError());
    }
    return *slot;
}

QSqlQuery &DemoWriter::run(const DemoRow &row, bool returningId)
{
    QSqlQuery &q = prepared(row.table(), returningId);
    for (int i = 0; i < row.table().columnCount(); ++i)
        q.bindValue(i, row.value(i));
    if (!q.exec())
        fail(QStringLiteral("Cannot insert into %1").arg(row.table().name()), q.lastError());
    return q;
}

void DemoWriter::insert(const DemoRow &row)
{
    run(row, false);
}

int DemoWriter::insertReturningId(const DemoRow &row)
{
    QSqlQuery &q = run(row, true);
    if (!q.next())
        fail(QStringLiteral("No ID came back from %1").arg(row.table().name()), q.lastError());
    return q.value(0).toInt();
}
