#include "app/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &folder)
{
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    m_lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + QString::fromLatin1(GuardName) + QStringLiteral(".lock"));
    // The guard is held for the whole run; staleness is decided by the owner
    // process being gone, never by age.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}
