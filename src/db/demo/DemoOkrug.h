#pragma once

#include <QDate>
#include <QSqlDatabase>

struct DemoOptions
{
    int households = 300;
    int farms = 30;
    quint32 seed = 1; // same seed, same okrug
    int cardsPerTransaction = 2000;
};

namespace DemoOkrug {

// The login password of a demo database (VER.PWD).
inline constexpr char Password[] = "Demo2024!";

// The day the demo register describes: ages, dates of arrival and of the last
// update are counted back from it, so the same seed gives the same rows on
// any day.
inline QDate referenceDate() { return QDate(2025, 1, 1); }

// Fills a freshly created database (its reference books come with it) with a
// demo okrug: the okrug settings and its KATO classifier, the demo password,
// and synthetic households and farms with every section filled, a few of them
// with the deliberate faults of DemoFaults. Refuses a database that already
// holds an okrug or cards. Throws std::runtime_error with a message for the
// user when it refuses or the database does.
void fill(QSqlDatabase &db, const DemoOptions &options);

} // namespace DemoOkrug
