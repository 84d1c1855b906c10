#include "data/ttservice/CGlobalStockRCConfig.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CGlobalStockRCConfig, member)
TTSERVICE_RECORD_IMPL(CGlobalStockRCConfig, F(tradeType), F(reverseCheckOff), F(matchedCheckOff),
                      F(reverseWindowSeconds), F(matchedWindowSeconds), F(updatedBy), F(updateTime))
#undef F

CGlobalStockRCConfig::CGlobalStockRCConfig() = default;

CGlobalStockRCConfig::~CGlobalStockRCConfig() = default;

std::string CGlobalStockRCConfig::getKey() const
{
    return "rat|" + std::to_string(tradeType);
}

} // namespace ttservice
