#pragma once

#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QDate>

#include <vector>

namespace sim {

// How many accounts, products and users a server holds; the records themselves are drawn from
// the seed, so the same options always give the same population.
struct PopulationOptions
{
    int accounts = 0;
    int products = 0;
    int users = 0;
    unsigned int seed = 1;
    std::vector<int> managers; // sub-manager ids that look after a share of the population
};

// Appends the generated records to what the server answers for every param of the account
// (12203), product (12224) and user (12209) codes. A few of them are created on today; about
// 70 % of the products have their risk control on.
SIM_EXPORT void addPopulation(ServerSetup& server, const PopulationOptions& options, const QDate& today);

} // namespace sim
