#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// The risk-control limits of one trading account (data code 23450, param the account id).
// traderType is the account's EQdTraderType. A limit of 0 means "no limit": maxOrderVolume and
// maxPositionVolume in lots (futures-like) or shares (stock-like), maxDailyLoss and maxOrderAmount
// in money with two decimals, maxCancelRatio in percent of the day's orders. tradingAllowed false
// stops the account's new orders. updateTime is "yyyy-MM-dd HH:mm:ss", stamped by the platform.
class DATA_EXPORT CVornAccountRcSetting : public IData
{
    TTSERVICE_RECORD(CVornAccountRcSetting)
public:
    CVornAccountRcSetting();
    ~CVornAccountRcSetting() override;
    // The account id.
    std::string getKey() const override;

    std::string accountId;
    int traderType = 0;
    int maxOrderVolume = 0;
    int maxPositionVolume = 0;
    double maxDailyLoss = 0;
    double maxOrderAmount = 0;
    int maxCancelRatio = 0;
    bool tradingAllowed = true;
    std::string updatedBy;
    std::string updateTime;
};

} // namespace ttservice
