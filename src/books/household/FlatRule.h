#pragma once

class TFDM;

// A one-flat (individual) house has no flat number of its own. The rule runs
// after the other rules of a housing, member or trade-premises row have
// passed: when the current housing row's type of dwelling (SPVOB_ID) is 1,
// the household card goes into editing with FLAT "0". The card stays in
// editing until it is saved (the housing save saves it; after a member or
// trade-premises save the user does).
//
// Returns true when the rule applied: the caller then disables the card's
// flat edit (choosing another type of dwelling enables it again).
bool applyFlatRule(TFDM &fdm);

inline constexpr int OneFlatHouse = 1; // KPU_SPR_SPVOB.ID of an individual house
