#pragma once

#include "db/Dataset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// How a dataset talks to the driver: its named parameters, the columns of a
// statement and values in both directions.
namespace DatasetSql {

// The driver's own named-placeholder emulation does not know Firebird's
// comments and quoted names, so ":NAME" is turned into "?" here, with the
// names in order of appearance (a name may appear several times).
struct PositionalSql
{
    QString sql;
    QStringList names; // upper case
};
PositionalSql toPositional(const QString &sql);

// Names and types of the columns of a prepared or executed statement.
QList<FieldInfo> describeColumns(const QSqlQuery &query, bool firebird);

// A value read from the driver, in the field's type (NUMERIC comes as double).
QVariant fromDriver(const QVariant &value, const FieldInfo &field);
// A value ready to bind (Decimal goes as its double).
QVariant toDriver(const QVariant &value);

} // namespace DatasetSql
