#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// One exchange channel the platform monitors. kind: 1 trading, 2 market data. state 0 is normal,
// any other value abnormal, with stateText saying how. heartbeatTime is the time of day of the
// last heartbeat, "HH:mm:ss".
class DATA_EXPORT CVornChannelStatus : public IData
{
    TTSERVICE_RECORD(CVornChannelStatus)
public:
    CVornChannelStatus();
    ~CVornChannelStatus() override;
    std::string getKey() const override;

    std::string channelId;
    std::string channelName;
    std::string exchange;
    int kind = 0;
    int state = 0;
    std::string stateText;
    std::string heartbeatTime;
};

} // namespace ttservice
