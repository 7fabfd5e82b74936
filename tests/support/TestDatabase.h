#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A private copy of the template database (RUVO_TEMPLATE_DB) in a fresh
// temporary folder that serves as the test's ExeDir, opened as a named
// connection. The destructor closes the connection and removes the folder.
//
//     TestDatabase tdb;
//     QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
//     QSqlQuery q(tdb.db());
class TestDatabase
{
public:
    explicit TestDatabase(const QString &connectionName = QStringLiteral("test"));
    ~TestDatabase();

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool isOpen() const;
    QString errorString() const { return m_error; }

    QString connectionName() const { return m_name; }
    QSqlDatabase db() const;
    QString exeDir() const; // ends with "/"
    QString path() const;   // the copy: exeDir() + "p1.fdb"

    // Commits, closes and removes the connection; the copy stays until destruction.
    void close();

private:
    QTemporaryDir m_dir;
    QString m_name;
    QString m_error;
    bool m_opened = false; // the name is ours to close
};
