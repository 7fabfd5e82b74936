#include "db/EmbeddedEngine.h"

#include <QByteArray>
#include <mutex>
#include <unistd.h>

void prepareEmbeddedEngine()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
            return;
        const char *shared = "/tmp/firebird";
        if (::access(shared, F_OK) != 0 || ::access(shared, R_OK | W_OK | X_OK) == 0)
            return;
        const QByteArray own = "/tmp/firebird-" + QByteArray::number(qulonglong(::getuid()));
        qputenv("FIREBIRD_LOCK", own);
    });
}
