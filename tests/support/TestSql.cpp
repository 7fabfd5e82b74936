#include "support/TestSql.h"

#include <QSqlError>

namespace TestSql {

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db);
    if (!q.prepare(sql))
        qFatal("prepare failed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("exec failed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
    return q;
}

QVariant scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q = run(db, sql, values);
    return q.next() ? q.value(0) : QVariant();
}

QStringList column(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q = run(db, sql, values);
    QStringList texts;
    while (q.next())
        texts << q.value(0).toString();
    return texts;
}

} // namespace TestSql
