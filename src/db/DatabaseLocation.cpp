#include "db/DatabaseLocation.h"

#include <QDir>

namespace DatabaseLocation {

QString forExeDir(const QString &exeDir, const QString &server)
{
    const QString path = QDir(exeDir).filePath(QString::fromLatin1(FileName));
    return server.isEmpty() ? path : server + u':' + path;
}

} // namespace DatabaseLocation
