#include "data/ttservice/CGlobalFutureRCConfig.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CGlobalFutureRCConfig, member)
TTSERVICE_RECORD_IMPL(CGlobalFutureRCConfig, F(tradeType), F(reverseCheckOff), F(matchedCheckOff),
                      F(reverseWindowSeconds), F(matchedWindowSeconds), F(updatedBy), F(updateTime))
#undef F

CGlobalFutureRCConfig::CGlobalFutureRCConfig() = default;

CGlobalFutureRCConfig::~CGlobalFutureRCConfig() = default;

std::string CGlobalFutureRCConfig::getKey() const
{
    return "rat|" + std::to_string(tradeType);
}

} // namespace ttservice
