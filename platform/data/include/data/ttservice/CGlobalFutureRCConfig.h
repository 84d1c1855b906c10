#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// The platform-wide risk-control switches of one trade type (futures trade types (2, 1024), data code 23434):
// whether the reverse-order check and the matched-order check are switched off, the windows they
// look back over, and who changed them last (updateTime "yyyy-MM-dd HH:mm:ss").
class DATA_EXPORT CGlobalFutureRCConfig : public IData
{
    TTSERVICE_RECORD(CGlobalFutureRCConfig)
public:
    CGlobalFutureRCConfig();
    ~CGlobalFutureRCConfig() override;
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
