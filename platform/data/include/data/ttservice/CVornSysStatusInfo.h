#pragma once

#include "data/IData.h"
#include "data/ttservice/EQdSysStatusType.h"

#include <string>

namespace ttservice {

// One status line of the platform: a service, a plug-in, a host resource or a counted item,
// told apart by statusType (EQdSysStatusType). Sizes are kilobytes, ratios percent.
class DATA_EXPORT CVornSysStatusInfo : public IData
{
    TTSERVICE_RECORD(CVornSysStatusInfo)
public:
    CVornSysStatusInfo();
    ~CVornSysStatusInfo() override;
    std::string getKey() const override;

    int statusType = 0;
    int itemCount = 0;
    std::string itemName;
    std::string deviceName;
    int running = 0;
    std::string runTime;
    double cpuUsage = 0;
    double memoryUsed = 0;
    double memTotal = 0;
    double idle = 0;
    double userRatio = 0;
    double kernelRatio = 0;
    double waitRatio = 0;
    double fsSize = 0;
    double cache = 0;
    double fsAvailable = 0;
    double used = 0;
    double uploadRate = 0;
    double downloadRate = 0;
    int faultFlag = 0;
};

typedef boost::shared_ptr<CVornSysStatusInfo> CVornSysStatusInfoPtr;

} // namespace ttservice
