#pragma once

#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QDate>

namespace sim {

class SimState;

// Whether the state holds a population: an answer for accounts, products or users.
SIM_EXPORT bool holdsPopulation(const SimState& state);

// The platform-wide counts (one CVornBaseInfoStatistics) of the population the state holds;
// the "today" figures count what was created on that day.
SIM_EXPORT Records platformStatistics(const SimState& state, const QDate& today);

// What a sub-manager looks after (one CVornSubManagerInfo): the accounts, products and users
// with that managerId. Someone who is no sub-manager (-1, 2147483647) sees the whole population.
SIM_EXPORT Records subManagerStatistics(const SimState& state, int subManagerId);

} // namespace sim
