#include "db/demo/DemoFaults.h"

#include "db/demo/DemoOkrug.h"

namespace DemoFaults {

namespace {

DemoFault inTurn(int index, int period, const QList<DemoFault> &kinds)
{
    const int number = index + 1;
    if (number % period != 0)
        return DemoFault::None;
    return kinds.at((number / period - 1) % kinds.size());
}

int countInTurn(DemoFault fault, int cards, int period, const QList<DemoFault> &kinds)
{
    const int at = int(kinds.indexOf(fault));
    if (at < 0)
        return 0;
    const int faulty = cards / period;
    return faulty / int(kinds.size()) + (faulty % int(kinds.size()) > at ? 1 : 0);
}

} // namespace

QList<DemoFault> householdKinds()
{
    return {DemoFault::NoHousing,     DemoFault::MemberWithoutSex, DemoFault::ForbiddenIin,
            DemoFault::IinWithLetter, DemoFault::LandBelowParts,   DemoFault::PoultryNotSum,
            DemoFault::GreenhouseNoCapacity, DemoFault::DuplicateLs, DemoFault::MarkedDeleted};
}

QList<DemoFault> farmKinds()
{
    return {DemoFault::BinAndIin, DemoFault::OkedWithSemicolon};
}

DemoFault forHousehold(int index)
{
    return inTurn(index, HouseholdPeriod, householdKinds());
}

DemoFault forFarm(int index)
{
    return inTurn(index, FarmPeriod, farmKinds());
}

int count(DemoFault fault, const DemoOptions &options)
{
    return countInTurn(fault, options.households, HouseholdPeriod, householdKinds())
           + countInTurn(fault, options.farms, FarmPeriod, farmKinds());
}

QString name(DemoFault fault)
{
    switch (fault) {
    case DemoFault::None: return QStringLiteral("None");
    case DemoFault::NoHousing: return QStringLiteral("NoHousing");
    case DemoFault::MemberWithoutSex: return QStringLiteral("MemberWithoutSex");
    case DemoFault::ForbiddenIin: return QStringLiteral("ForbiddenIin");
    case DemoFault::IinWithLetter: return QStringLiteral("IinWithLetter");
    case DemoFault::LandBelowParts: return QStringLiteral("LandBelowParts");
    case DemoFault::PoultryNotSum: return QStringLiteral("PoultryNotSum");
    case DemoFault::GreenhouseNoCapacity: return QStringLiteral("GreenhouseNoCapacity");
    case DemoFault::DuplicateLs: return QStringLiteral("DuplicateLs");
    case DemoFault::MarkedDeleted: return QStringLiteral("MarkedDeleted");
    case DemoFault::BinAndIin: return QStringLiteral("BinAndIin");
    case DemoFault::OkedWithSemicolon: return QStringLiteral("OkedWithSemicolon");
    }
    return QString();
}

} // namespace DemoFaults
