#include "data/ttservice/CVornSysStatusInfo.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornSysStatusInfo, member)
TTSERVICE_RECORD_IMPL(CVornSysStatusInfo, F(statusType), F(itemCount), F(itemName), F(deviceName), F(running),
                      F(runTime), F(cpuUsage), F(memoryUsed), F(memTotal), F(idle), F(userRatio),
                      F(kernelRatio), F(waitRatio), F(fsSize), F(cache), F(fsAvailable), F(used),
                      F(uploadRate), F(downloadRate), F(faultFlag))
#undef F

CVornSysStatusInfo::CVornSysStatusInfo() = default;

CVornSysStatusInfo::~CVornSysStatusInfo() = default;

std::string CVornSysStatusInfo::getKey() const
{
    return std::to_string(statusType) + "|" + deviceName + "|" + itemName;
}

} // namespace ttservice
