#pragma once

#include <QSqlDatabase>

struct DemoOptions
{
    int households = 300;
    int farms = 30;
    quint32 seed = 1; // same seed, same okrug
};

namespace DemoOkrug {

// Fills a freshly created database with reference books, a demo okrug and
// synthetic households and farms. Throws std::runtime_error with a message
// for the user when the database refuses something.
void fill(QSqlDatabase &db, const DemoOptions &options);

} // namespace DemoOkrug
