#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// The platform-wide risk-control switches of one trade type (stock-like trade types (1, 256, 128, 16384, 32), data code 23435):
// whether the reverse-order check and the matched-order check are switched off, the windows they
// look back over, and who changed them last (updateTime "yyyy-MM-dd HH:mm:ss").
class DATA_EXPORT CGlobalStockRCConfig : public IData
{
    TTSERVICE_RECORD(CGlobalStockRCConfig)
public:
    CGlobalStockRCConfig();
    ~CGlobalStockRCConfig() override;
    // "rat|" and the trade type, e.g. "rat|2".
    std::string getKey() const override;

    int tradeType = 0;
    bool reverseCheckOff = false;
    bool matchedCheckOff = false;
    int reverseWindowSeconds = 0;
    int matchedWindowSeconds = 0;
    std::string updatedBy;
    std::string updateTime;
};

} // namespace ttservice
