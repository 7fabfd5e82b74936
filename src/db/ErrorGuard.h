#pragma once

#include "db/Dataset.h"

#include <exception>
#include <utility>

// Runs one user action the way every window and widget runs them: a rule's
// Abort ends it silently (the rule has shown its own message), any other
// error goes to `report`. True when the action ran to its end. Qt's slots must
// not throw, so every action started by the user passes through here.
template <typename Action, typename Report>
bool runReporting(Action &&action, Report &&report)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const Abort &) {
    } catch (const std::exception &e) {
        std::forward<Report>(report)(e);
    }
    return false;
}
