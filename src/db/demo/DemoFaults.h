#pragma once

#include <QList>
#include <QString>

struct DemoOptions;

// The deliberate faults of a demo okrug. A demo that passed every check would
// never show the FLK, the save rules or the result window at work, so a small
// known share of the cards breaks one rule each:
//
// * every 33rd household (the 33rd, 66th, ... in writing order, about 3 %)
//   gets one household fault, the kinds taking turns in the order of
//   DemoFault below: the 33rd card gets NoHousing, the 66th MemberWithoutSex,
//   ..., the 297th MarkedDeleted, the 330th NoHousing again;
// * every 15th farm gets one farm fault, BinAndIin and OkedWithSemicolon
//   taking turns the same way.
//
// Which card gets which fault depends only on the numbers of cards, never on
// the seed, so 297 households and 30 farms hold every kind exactly once. A
// faulty household is always lived in (its house is neither empty nor left the
// register), so that the checks for active households see it; everything on
// it apart from its one fault is valid.
enum class DemoFault {
    None,
    // household faults, in turn order
    NoHousing,          // no housing row at all
    MemberWithoutSex,   // the last member has no sex
    ForbiddenIin,       // the last member's IIN is one of the 20 forbidden values
    IinWithLetter,      // the last member's IIN has a Cyrillic "О" for a zero
    LandBelowParts,     // total land left out the land under buildings
    PoultryNotSum,      // poultry total counts the hens only
    GreenhouseNoCapacity, // greenhouses for vegetables and flowers without capacity
    DuplicateLs,        // the account number of an earlier active household
    MarkedDeleted,      // the card is marked deleted
    // farm faults, in turn order
    BinAndIin,          // both BIN and IIN filled
    OkedWithSemicolon,  // secondary OKED codes separated by "; "
};

namespace DemoFaults {

inline constexpr int HouseholdPeriod = 33;
inline constexpr int FarmPeriod = 15;

// `index` counts from 0 in writing order.
DemoFault forHousehold(int index);
DemoFault forFarm(int index);

// Every kind, households first, in turn order.
QList<DemoFault> householdKinds();
QList<DemoFault> farmKinds();

// How many cards of a demo made with `options` carry `fault`.
int count(DemoFault fault, const DemoOptions &options);

QString name(DemoFault fault);

} // namespace DemoFaults
