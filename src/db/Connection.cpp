#include "db/Connection.h"

#include "db/EmbeddedEngine.h"

#include <QSqlError>

namespace Connection {

QSqlDatabase open(const QString &name, const QString &location, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QSqlDatabase();
    };
    if (QSqlDatabase::contains(name))
        return fail(QStringLiteral("Connection \"%1\" is already open.").arg(name));

    prepareEmbeddedEngine();
    QString openError;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
        if (!db.isValid()) {
            openError = QStringLiteral("The Firebird driver for Qt (QIBASE) is not installed: %1")
                            .arg(db.lastError().text());
        } else {
            db.setDatabaseName(location);
            db.setUserName(QString::fromLatin1(UserName));
            db.setPassword(QString::fromLatin1(Password));
            db.setConnectOptions(QString::fromLatin1(Options));
            if (db.open())
                return db;
            openError = QStringLiteral("Cannot open the database %1:\n%2")
                            .arg(location, db.lastError().databaseText().trimmed());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return fail(openError);
}

void close(const QString &name)
{
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen()) {
            db.commit(); // false when nothing was pending; that is fine
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace Connection
