#pragma once

#include "db/demo/DemoPlaces.h"
#include "db/demo/DemoSections.h"

#include <QDate>
#include <QList>
#include <QString>

class DemoIdentity;
class DemoRandom;
struct DemoPerson;

// Makes the household cards of the demo okrug one after another, each with
// its members, dwelling and sections, and the household faults of DemoFaults.
class DemoHouseholds
{
public:
    // `settlementIds`: KNIGA_KATO.ID of each of DemoPlaces::settlements().
    DemoHouseholds(const QList<int> &settlementIds, const QDate &referenceDate, DemoIdentity &identity,
                   DemoRandom &random);

    // The household with writing-order number `index` (from 0); call with
    // 0, 1, 2, ... in turn.
    DemoCard make(int index);

private:
    enum class State { LivedIn, Empty, Retired };

    DemoRow card(int index, const DemoDwelling &d, const DemoPerson &head, const QDateTime &actual);
    DemoRow member(const DemoPerson &p, const QDateTime &actual);
    DemoRow housing(const DemoDwelling &d, State state, const QDateTime &actual);
    DemoRow temporaryResident(const QDate &actual);
    DemoRow trade();

    QList<int> m_settlementIds;
    QDate m_referenceDate;
    DemoIdentity &m_identity;
    DemoRandom &m_random;
    DemoAddresses m_addresses;
    QList<int> m_lsSerial;     // last account number handed out per settlement
    QString m_lastActiveLs;    // for the duplicate account number fault
    int m_forbiddenUsed = 0;   // the forbidden IINs are used in turn
};
