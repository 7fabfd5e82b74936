#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Statements a test runs on its database to set rows up and to look at them.
// `values` bind to the `?` placeholders in order. A statement that cannot be
// prepared or executed stops the test binary at once (qFatal), naming the
// statement and the server's error: a test that means to see an error runs
// its own QSqlQuery and checks lastError().
//
//     TestSql::run(db, u"insert into ZEM (ID_CATAL) values (?)"_s, {card});
//     QCOMPARE(TestSql::scalar(db, u"select count(*) from ZEM"_s).toInt(), 1);
namespace TestSql {

// The executed query, positioned before its first row.
QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

// The first column of the first row; an invalid QVariant when there is no row.
QVariant scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

// The first column of every row, as text, in the order the rows come.
QStringList column(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

} // namespace TestSql
