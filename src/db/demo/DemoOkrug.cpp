#include "db/demo/DemoOkrug.h"

namespace DemoOkrug {

void fill(QSqlDatabase &db, const DemoOptions &options)
{
    Q_UNUSED(db);
    Q_UNUSED(options);
}

} // namespace DemoOkrug
