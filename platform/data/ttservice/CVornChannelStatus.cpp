#include "data/ttservice/CVornChannelStatus.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornChannelStatus, member)
TTSERVICE_RECORD_IMPL(CVornChannelStatus, F(channelId), F(channelName), F(exchange), F(kind), F(state),
                      F(stateText), F(heartbeatTime))
#undef F

CVornChannelStatus::CVornChannelStatus() = default;

CVornChannelStatus::~CVornChannelStatus() = default;

std::string CVornChannelStatus::getKey() const
{
    return channelId;
}

} // namespace ttservice
