#pragma once

#include "data/IData.h"

namespace ttservice {

// What a sub-manager looks after: accounts per trading type, users per role, resources.
// 2147483647 in a resource count means the figure is not available.
class DATA_EXPORT CVornSubManagerInfo : public IData
{
    TTSERVICE_RECORD(CVornSubManagerInfo)
public:
    CVornSubManagerInfo();
    ~CVornSubManagerInfo() override;

    int futuresAccounts = 0;
    int stockAccounts = 0;
    int creditAccounts = 0;
    int stockOptionAccounts = 0;
    int futuresOptionAccounts = 0;
    int neeqAccounts = 0;
    int shHkAccounts = 0;
    int independentAdvisers = 0;
    int investmentAdvisers = 0;
    int investmentManagers = 0;
    int queryOfficers = 0;
    int riskOfficers = 0;
    int positionClosers = 0;
    int orderTakers = 0;
    int traders = 0;
    int productCount = 0;
    int signalOrderCount = 0;
    int apiCount = 0;
    int proxyCount = 0;
    int independentTraders = 0;
    int szHkAccounts = 0;
    int interbankAccounts = 0;
    int bankAccounts = 0;
    int otcAccounts = 0;
    int financeAccounts = 0;
};

} // namespace ttservice
