#include "data/ttservice/CVornProductRcSetting.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornProductRcSetting, member)
TTSERVICE_RECORD_IMPL(CVornProductRcSetting, F(productId), F(maxNetAssetLossRatio), F(maxSingleStockRatio),
                      F(maxDailyLoss), F(maxOrderAmount), F(enabled), F(updatedBy), F(updateTime))
#undef F

CVornProductRcSetting::CVornProductRcSetting() = default;

CVornProductRcSetting::~CVornProductRcSetting() = default;

std::string CVornProductRcSetting::getKey() const
{
    return std::to_string(productId);
}

} // namespace ttservice
