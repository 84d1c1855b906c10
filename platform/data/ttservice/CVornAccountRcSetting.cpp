#include "data/ttservice/CVornAccountRcSetting.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornAccountRcSetting, member)
TTSERVICE_RECORD_IMPL(CVornAccountRcSetting, F(accountId), F(traderType), F(maxOrderVolume), F(maxPositionVolume),
                      F(maxDailyLoss), F(maxOrderAmount), F(maxCancelRatio), F(tradingAllowed), F(updatedBy),
                      F(updateTime))
#undef F

CVornAccountRcSetting::CVornAccountRcSetting() = default;

CVornAccountRcSetting::~CVornAccountRcSetting() = default;

std::string CVornAccountRcSetting::getKey() const
{
    return accountId;
}

} // namespace ttservice
