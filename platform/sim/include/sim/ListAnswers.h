#pragma once

#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <string>

namespace sim {

class SimState;

// One CVornTypedUserInfo with the logins of the kind a 12311 query names ("1".."5"), tagged with
// the server's system tag; nothing for any other param. The items are the state's, shared: the
// answer costs a copy of the list of pointers, not of the logins.
SIM_EXPORT Records typedUserAnswer(const SimState& state, const std::string& param, int systemTag);

// For ("all", "13"): a fresh CAccountAlgoRange per listed account, sharing the account and the
// settings, which are never changed; nothing for other params.
SIM_EXPORT Records algoRangeAnswer(const SimState& state, const std::string& param,
                                   const std::string& param2);

} // namespace sim
