#pragma once

#include "db/demo/DemoPlaces.h"
#include "db/demo/DemoSections.h"

#include <QDate>
#include <QList>

class DemoIdentity;
class DemoRandom;

// Makes the farm cards of the demo okrug with their own sections (people,
// money values, machinery sheds, oil tanks) and the shared ones, and the farm
// faults of DemoFaults.
class DemoFarms
{
public:
    DemoFarms(const QList<int> &settlementIds, const QDate &referenceDate, DemoIdentity &identity,
              DemoRandom &random);

    // The farm with writing-order number `index` (from 0).
    DemoCard make(int index);

private:
    // `keepsAnimals`: whether the farm's main activity is animal husbandry.
    DemoRow card(int index, const DemoDwelling &office, const QDateTime &actual, bool &keepsAnimals);

    QList<int> m_settlementIds;
    QDate m_referenceDate;
    DemoIdentity &m_identity;
    DemoRandom &m_random;
    DemoAddresses m_addresses;
};
