#pragma once

#include "sim/OperateHandler.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <string>
#include <vector>

namespace sim {

// The trade types that have a global risk-control config, in the order the client lists them.
SIM_EXPORT const std::vector<int>& globalRiskTradeTypes();
// 23434 for the futures trade types (2, 1024), 23435 for the others; 0 for a type without config.
SIM_EXPORT int globalRiskCodeFor(int tradeType);
// The config record class that code 23434 or 23435 holds; empty for any other code.
SIM_EXPORT std::string globalRiskClassFor(int dataType);

// Files each record (a CGlobalFutureRCConfig or CGlobalStockRCConfig) under the answer of the code
// of its trade type, param the trade type in decimal, whatever its class: a stock record with trade
// type 2 is answered to futures queries, as a wrong record. Throws std::invalid_argument for
// another class or a trade type without config.
SIM_EXPORT void addGlobalRisk(ServerSetup& server, const Records& records);

// Operate 23434 / 23435: operation 0 with key "rat|T" replaces the records answered to param T
// with a copy of the request's record (its trade type set to T, its updateTime to now).
// A record of the other class, a key that names no trade type of the code, or another operation
// is refused and changes nothing.
SIM_EXPORT OperateHandler globalRiskConfig(int dataType);

} // namespace sim
