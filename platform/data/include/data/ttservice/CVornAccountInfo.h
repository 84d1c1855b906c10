#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// A trading account on the platform. accountType: 1 futures, 2 securities, 3 credit, 4 NEEQ,
// 5 futures option, 6 stock option, 7 SH-HK connect, 8 interbank, 9 bank, 10 OTC, 11 SZ-HK connect,
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
