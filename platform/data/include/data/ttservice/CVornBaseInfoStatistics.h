#pragma once

#include "data/IData.h"

namespace ttservice {

// Platform-wide counts. productsA, accountsA and usersB are the totals of products, accounts
// and users; 2147483647 means a figure is not available.
class DATA_EXPORT CVornBaseInfoStatistics : public IData
{
    TTSERVICE_RECORD(CVornBaseInfoStatistics)
public:
    CVornBaseInfoStatistics();
    ~CVornBaseInfoStatistics() override;

    int productsA = 0;
    int productsB = 0;
    int accountsA = 0;
    int accountsB = 0;
    int usersA = 0;
    int usersB = 0;
    int securitiesCompanies = 0;
    int futuresCompanies = 0;
    int signalOrdersA = 0;
    int signalOrdersB = 0;
    int vipClientsA = 0;
    int vipClientsB = 0;
    int proxiesA = 0;
    int proxiesB = 0;
    int mobileTerminalsA = 0;
    int mobileTerminalsB = 0;
    int algoPermissionsA = 0;
    int productsToday = 0;
    int usersToday = 0;
    int accountsToday = 0;
};

} // namespace ttservice
