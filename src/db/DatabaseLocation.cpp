#include "db/DatabaseLocation.h"

#include <QDir>

namespace DatabaseLocation {

QString forExeDir(const QString &exeDir, const QString &server)
{
    const QString path = QDir(exeDir).filePath(QString::fromLatin1(FileName));
    return server.isEmpty() ? path : server + u':' + path;
}

bool isLocal(const QString &location)
{
    // Firebird reads "host:/path" as remote; a local Linux path has no colon
    // before its first slash.
    const qsizetype colon = location.indexOf(u':');
    return colon < 0 || (location.indexOf(u'/') >= 0 && location.indexOf(u'/') < colon);
}

} // namespace DatabaseLocation
