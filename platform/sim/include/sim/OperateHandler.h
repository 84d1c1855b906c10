#pragma once

#include "data/TTError.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <functional>
#include <map>

namespace ttservice {
class COperateDataReq;
}

namespace sim {

class SimState;

// Carries out an operate request on a server's state, under the server's mutex. The error comes
// in as success; a handler that refuses the request sets it and leaves the state as it was.
using OperateHandler =
    std::function<void(SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error)>;

// The handlers every simulated server has, by operate code; a scenario's own come on top.
// Adding an account (12203), a product (12224) or a user (12209) puts it into the population:
// the id and name must be given, at most 32 characters long and not taken (else a failed error
// says which, and nothing is stored); an empty createdDay becomes today. Modifying a product
// (12224) replaces the one with its id. Deleting a CLoginInfo (626) ends that login on every
// kind's list, and fails when the server lists none such. 23434 / 23435 replace the global
// risk-control config of a trade type (see GlobalRisk.h); 23450 / 23451 save an account's or a
// product's risk-control setting, 23454 / 23455 apply and remove templates and groups (RiskControl.h).
SIM_EXPORT const std::map<int, OperateHandler>& builtInOperateHandlers();

// Keeps records in the answer to (store.queryCode, store.param, store.param2), told apart by
// getKey(): add appends a copy of the request's record, modify replaces, delete removes.
SIM_EXPORT OperateHandler recordStore(const StoreTarget& store);

} // namespace sim
