#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// The risk-control limits of one investment product (data code 23451, param the product id in
// decimal, on the server of the product's system tag). A limit of 0 means "no limit":
// maxNetAssetLossRatio and maxSingleStockRatio in percent (the loss against the net assets, one
// stock's share of them), maxDailyLoss and maxOrderAmount in money with two decimals. enabled
// false switches the product's limits off. updateTime is stamped by the platform.
class DATA_EXPORT CVornProductRcSetting : public IData
{
    TTSERVICE_RECORD(CVornProductRcSetting)
public:
    CVornProductRcSetting();
    ~CVornProductRcSetting() override;
    // The product id in decimal.
    std::string getKey() const override;

    int productId = 0;
    double maxNetAssetLossRatio = 0;
    double maxSingleStockRatio = 0;
    double maxDailyLoss = 0;
    double maxOrderAmount = 0;
    bool enabled = true;
    std::string updatedBy;
    std::string updateTime;
};

} // namespace ttservice
