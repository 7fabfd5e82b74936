#include "app/PeriodList.h"

#include <QCoreApplication>

namespace PeriodList {

QStringList names()
{
    QStringList list;
    for (int i = 0; i < Count; ++i)
        list << name(i);
    return list;
}

QString name(int index)
{
    if (index < 0 || index >= Count)
        return {};
    const QString month = index % 2 == 0 ? QCoreApplication::translate("PeriodList", "Январь")
                                         : QCoreApplication::translate("PeriodList", "Июль");
    return month + u' ' + QString::number(2012 + index / 2);
}

QString half(int index)
{
    return index % 2 == 0 ? QStringLiteral("1") : QStringLiteral("2");
}

QString yearOf(const QString &periodName)
{
    return periodName.right(4);
}

} // namespace PeriodList
