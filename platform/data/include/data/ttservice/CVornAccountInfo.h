#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// A trading account on the platform. accountType: 1 futures, 2 stock, 3 credit, 4 stock option,
// 5 NEEQ, 6 futures option, 7 interbank, 8 SH-HK connect, 9 SZ-HK connect, 10 bank, 11 OTC,
// 12 wealth management. managerId -1: no sub-manager looks after it. createdDay is "yyyyMMdd".
class DATA_EXPORT CVornAccountInfo : public IData
{
    TTSERVICE_RECORD(CVornAccountInfo)
public:
    CVornAccountInfo();
    ~CVornAccountInfo() override;
    std::string getKey() const override;

    std::string accountId;
    std::string accountName;
    int accountType = 0;
    std::string brokerName;
    int managerId = -1;
    int tradingEnabled = 0;
    int algoPermission = 0;
    std::string createdDay;
};

} // namespace ttservice
