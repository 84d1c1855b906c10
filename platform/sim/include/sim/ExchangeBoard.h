#pragma once

#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QtGlobal>

#include <string>
#include <vector>

namespace sim {

// The exchange records (CVornExchangeInfo) of every domestic and overseas market as a server
// sees them at a given second of its clock. Trade days and trading hours follow a simple
// session table in each market's own local time (fixed offsets from the platform's, no daylight
// saving); after the evening roll a market with a night session is on its next trading day.
// In a live scenario one market now and then stops updating for 40 to 90 seconds and recovers,
// drawn from the seed and the clock, so the same second always gives the same records.
class SIM_EXPORT ExchangeBoard
{
public:
    ExchangeBoard(const ExchangeOptions& options, unsigned int seed, bool live);

    Records records(qint64 serverSecs) const;

    static const std::vector<std::string>& domesticCodes();
    static const std::vector<std::string>& overseasCodes();

private:
    // The second from which an unscripted lag holds the market's updates back, or -1.
    qint64 lagStart(int market, qint64 serverSecs) const;

    ExchangeOptions m_options;
    unsigned int m_seed;
    bool m_live;
};

} // namespace sim
