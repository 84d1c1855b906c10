#pragma once

#include "sim/SimGlobal.h"

namespace sim {

struct Scenario;

// Puts a scenario in place of the client's data service: servers, user, client kind, clock.
class SIM_EXPORT SimPlatform
{
public:
    // Replaces whatever was installed before; the old servers' workers are shut down and
    // their undelivered answers dropped.
    static void install(const Scenario& scenario);
};

} // namespace sim
