#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// One exchange: its code, current trade day ("yyyyMMdd"), the epoch second of its last
// market-data update (below 1: none) and whether it is trading now.
class DATA_EXPORT CVornExchangeInfo : public IData
{
    TTSERVICE_RECORD(CVornExchangeInfo)
public:
    CVornExchangeInfo();
    ~CVornExchangeInfo() override;
    std::string getKey() const override;

    std::string m_strMarketName;
    std::string m_strMarketTradeDay;
    int m_nToUpdateSecond = 0;
    bool m_bInTradingTime = false;
};

} // namespace ttservice
