#pragma once

#include <QString>
#include <QStringList>

// The fixed list of reporting periods: January and July of each year from
// 2012 to 2026, in time order. Entry i is January of 2012 + i / 2 when i is
// even and July of that year when i is odd.
namespace PeriodList {

inline constexpr int Count = 30;

QStringList names();              // "Январь 2012", "Июль 2012", ... (translated texts)
QString name(int index);          // empty outside the list
QString half(int index);          // "1" January, "2" July
QString yearOf(const QString &periodName); // the last four characters

} // namespace PeriodList
