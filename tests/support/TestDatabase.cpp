#include "support/TestDatabase.h"

#include "db/Connection.h"
#include "db/DatabaseLocation.h"

#include <QFile>

TestDatabase::TestDatabase(const QString &connectionName)
    : m_dir(QDir::tempPath() + QStringLiteral("/ruvo-test-XXXXXX"))
    , m_name(connectionName)
{
    const QString source = qEnvironmentVariable("RUVO_TEMPLATE_DB");
    if (source.isEmpty()) {
        m_error = QStringLiteral("RUVO_TEMPLATE_DB is not set; run the test through ctest.");
        return;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("No temporary folder: %1").arg(m_dir.errorString());
        return;
    }
    if (!QFile::copy(source, path())) {
        m_error = QStringLiteral("Cannot copy the template %1 to %2").arg(source, path());
        return;
    }
    m_opened = Connection::open(m_name, path(), &m_error).isOpen();
}

TestDatabase::~TestDatabase()
{
    close();
}

bool TestDatabase::isOpen() const
{
    return m_opened && QSqlDatabase::contains(m_name) && db().isOpen();
}

QSqlDatabase TestDatabase::db() const
{
    return QSqlDatabase::database(m_name, false);
}

QString TestDatabase::exeDir() const
{
    return m_dir.path() + u'/';
}

QString TestDatabase::path() const
{
    return DatabaseLocation::forExeDir(exeDir());
}

void TestDatabase::close()
{
    if (m_opened)
        Connection::close(m_name);
    m_opened = false;
}
