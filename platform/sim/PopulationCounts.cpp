#include "sim/PopulationCounts.h"

#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/DataCodes.h"
#include "sim/SimState.h"

#include <boost/make_shared.hpp>

#include <climits>
#include <functional>
#include <set>
#include <string>

namespace sim {

namespace {

enum ClientKind
{
    kSignalOrderClient = 1,
    kVipClient = 2,
    kProxyClient = 3,
    kMobileClient = 4,
    kApiClient = 5
};

bool isSecuritiesType(int accountType)
{
    // Stock, credit, NEEQ, stock option and the two connect markets go through securities firms.
    return accountType == 2 || accountType == 3 || accountType == 4 || accountType == 6 || accountType == 7 ||
           accountType == 11;
}

bool isFuturesType(int accountType)
{
    // Futures and futures options.
    return accountType == 1 || accountType == 5;
}

// A record without its inner account is no account; excluded accounts still count.
bool counted(const ttservice::CVornAccountInfo& account)
{
    return account.account != nullptr;
}

template <class T>
void forEach(const SimState& state, int dataType, const std::function<void(const T&)>& visit)
{
    for (const ttservice::IDataPtr& record : state.everyParam(dataType)) {
        if (auto typed = boost::dynamic_pointer_cast<const T>(record))
            visit(*typed);
    }
}

} // namespace

bool holdsPopulation(const SimState& state)
{
    return state.holds(kAccountCode) || state.holds(kProductCode) || state.holds(kUserCode);
}

Records platformStatistics(const SimState& state, const QDate& today)
{
    const std::string day = today.toString("yyyyMMdd").toStdString();
    auto counts = boost::make_shared<ttservice::CVornBaseInfoStatistics>();
    ttservice::CVornBaseInfoStatistics& c = *counts;
    std::set<std::string> securitiesFirms;
    std::set<std::string> futuresFirms;
    forEach<ttservice::CVornAccountInfo>(state, kAccountCode, [&](const ttservice::CVornAccountInfo& a) {
        if (!counted(a))
            return;
        ++c.accountsA;
        c.accountsB += a.tradingEnabled != 0;
        c.algoPermissionsA += a.algoPermission != 0;
        c.accountsToday += a.createdDay == day;
        if (!a.brokerName.empty() && isSecuritiesType(a.account->accountType))
            securitiesFirms.insert(a.brokerName);
        if (!a.brokerName.empty() && isFuturesType(a.account->accountType))
            futuresFirms.insert(a.brokerName);
    });
    c.securitiesCompanies = static_cast<int>(securitiesFirms.size());
    c.futuresCompanies = static_cast<int>(futuresFirms.size());
    forEach<ttservice::CVornProductInfo>(state, kProductCode, [&](const ttservice::CVornProductInfo& p) {
        ++c.productsA;
        c.productsB += p.active != 0;
        c.productsToday += p.createdDay == day;
    });
    forEach<ttservice::CVornUserInfo>(state, kUserCode, [&](const ttservice::CVornUserInfo& u) {
        const int online = u.online != 0;
        ++c.usersB;
        c.usersA += online;
        c.usersToday += u.createdDay == day;
        switch (u.clientKind) {
        case kSignalOrderClient:
            c.signalOrdersA += online;
            ++c.signalOrdersB;
            break;
        case kVipClient:
            c.vipClientsA += online;
            ++c.vipClientsB;
            break;
        case kProxyClient:
            c.proxiesA += online;
            ++c.proxiesB;
            break;
        case kMobileClient:
            c.mobileTerminalsA += online;
            ++c.mobileTerminalsB;
            break;
        default:
            break;
        }
    });
    return {counts};
}

Records subManagerStatistics(const SimState& state, int subManagerId)
{
    const bool everything = subManagerId == -1 || subManagerId == INT_MAX;
    const auto mine = [&](int managerId) { return everything || managerId == subManagerId; };
    auto counts = boost::make_shared<ttservice::CVornSubManagerInfo>();
    ttservice::CVornSubManagerInfo& c = *counts;
    forEach<ttservice::CVornAccountInfo>(state, kAccountCode, [&](const ttservice::CVornAccountInfo& a) {
        if (!counted(a) || !mine(a.managerId))
            return;
        int* const byType[] = {nullptr,
                               &c.futuresAccounts,
                               &c.stockAccounts,
                               &c.creditAccounts,
                               &c.neeqAccounts,
                               &c.futuresOptionAccounts,
                               &c.stockOptionAccounts,
                               &c.shHkAccounts,
                               &c.interbankAccounts,
                               &c.bankAccounts,
                               &c.otcAccounts,
                               &c.szHkAccounts,
                               &c.financeAccounts};
        const int type = a.account->accountType;
        if (type >= 1 && type <= 12)
            ++*byType[type];
    });
    forEach<ttservice::CVornProductInfo>(state, kProductCode, [&](const ttservice::CVornProductInfo& p) {
        c.productCount += mine(p.managerId);
    });
    forEach<ttservice::CVornUserInfo>(state, kUserCode, [&](const ttservice::CVornUserInfo& u) {
        if (!mine(u.managerId))
            return;
        switch (u.userType) {
        case 10:
            ++c.investmentManagers;
            break;
        case 11:
            ++c.traders;
            break;
        case 12:
            ++c.riskOfficers;
            break;
        case 13:
            ++c.queryOfficers;
            break;
        case 14:
            ++c.positionClosers;
            break;
        case 15:
            ++c.orderTakers;
            break;
        case 16:
            ++c.independentTraders;
            break;
        case 20:
            ++c.investmentAdvisers;
            break;
        case 21:
            ++c.independentAdvisers;
            break;
        default:
            break;
        }
        c.signalOrderCount += u.clientKind == kSignalOrderClient;
        c.apiCount += u.clientKind == kApiClient;
        c.proxyCount += u.clientKind == kProxyClient;
    });
    return {counts};
}

} // namespace sim
