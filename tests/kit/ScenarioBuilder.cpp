#include "ScenarioBuilder.h"

#include "sim/ListGenerator.h"
#include "sim/SimPlatform.h"

#include <boost/make_shared.hpp>

namespace kit {

ScenarioBuilder::ScenarioBuilder()
{
    m_scenario.client.algorithmBus = false;
    m_scenario.client.loginTypeAuth = false;
    user(1, 1, -1);
    m_scenario.user.allRights = true;
}

ScenarioBuilder& ScenarioBuilder::user(int type, int roleType, int subManagerId)
{
    m_scenario.user.present = true;
    m_scenario.user.name = "tester";
    m_scenario.user.type = type;
    m_scenario.user.roleType = roleType;
    m_scenario.user.subManagerId = subManagerId;
    m_scenario.roleTypes[type] = roleType;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::rights(const std::set<int>& rights)
{
    m_scenario.user.allRights = false;
    m_scenario.user.rights = rights;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::server(const std::string& name, int latencyMs)
{
    sim::ServerSetup added;
    added.name = name;
    added.systemTag = int(m_scenario.servers.size()) + 1;
    added.timeKind = sim::ServerSetup::LocalTime;
    added.latencyMs = latencyMs;
    m_scenario.servers.push_back(added);
    return *this;
}

ScenarioBuilder& ScenarioBuilder::population(const sim::PopulationOptions& options)
{
    const QDate today = m_scenario.now.isValid() ? m_scenario.now.date() : QDate::currentDate();
    sim::addPopulation(last(), options, today);
    return *this;
}

ScenarioBuilder& ScenarioBuilder::logins(int kind, const std::vector<ttservice::CVornTypedUserItemPtr>& items)
{
    sim::LoginItems& list = sim::editLogins(last())[kind];
    list.insert(list.end(), items.begin(), items.end());
    return *this;
}

ScenarioBuilder& ScenarioBuilder::algoRanges(const std::vector<ttservice::CAccountAlgoRangePtr>& ranges)
{
    sim::AlgoRanges& list = sim::editAlgoRanges(last());
    list.insert(list.end(), ranges.begin(), ranges.end());
    return *this;
}

ScenarioBuilder& ScenarioBuilder::generate(const sim::GenerateOptions& options)
{
    const QDateTime now = m_scenario.now.isValid() ? m_scenario.now : QDateTime::currentDateTime();
    sim::addGeneratedLists(last(), options, now);
    return *this;
}

void ScenarioBuilder::install() const
{
    sim::SimPlatform::install(m_scenario);
}

boost::shared_ptr<ttservice::CVornSysStatusInfo>
statusRecord(int statusType, const std::function<void(ttservice::CVornSysStatusInfo&)>& fill)
{
    auto record = boost::make_shared<ttservice::CVornSysStatusInfo>();
    record->statusType = statusType;
    record->running = 1;
    if (fill)
        fill(*record);
    return record;
}

ttservice::CVornTypedUserItemPtr loginItem(const std::string& userName, const std::string& loginTime,
                                           int terminalTypeId)
{
    auto item = boost::make_shared<ttservice::CVornTypedUserItem>();
    item->userName = userName;
    item->userType = 13;
    item->userTypeText = "交易员";
    item->terminalTypeId = terminalTypeId;
    item->organizationId = 1;
    item->organizationName = "东岳证券";
    item->address = "192.168.1." + std::to_string(userName.size() + loginTime.size());
    item->mac = "00:1A:2B:3C:4D:" + std::to_string(10 + userName.size() % 90);
    item->diskSerial = "WD-" + userName;
    item->loginTime = loginTime;
    item->clientVersion = "V6.2.3.1208";
    return item;
}

boost::shared_ptr<ttservice::CLoginInfo> loginOf(const ttservice::CVornTypedUserItem& item)
{
    auto login = boost::make_shared<ttservice::CLoginInfo>();
    login->userName = item.userName;
    login->address = item.address;
    login->terminalTypeId = item.terminalTypeId;
    login->mac = item.mac;
    login->diskSerial = item.diskSerial;
    login->loginTime = item.loginTime;
    return login;
}

ttservice::CVornAccountInfoPtr account(const std::string& accountId, int accountType,
                                       const std::string& brokerName)
{
    auto made = boost::make_shared<ttservice::CVornAccountInfo>();
    made->account = boost::make_shared<ttservice::CAccountInfo>();
    made->account->accountId = accountId;
    made->account->accountType = accountType;
    made->accountName = "n-" + accountId;
    made->brokerName = brokerName;
    return made;
}

ttservice::CAccountAlgoRangePtr algoRange(const std::string& accountId,
                                          const std::vector<std::map<std::string, std::set<int>>>& settings)
{
    auto range = boost::make_shared<ttservice::CAccountAlgoRange>();
    range->account = account(accountId, 2);
    range->account->algoPermission = 1;
    for (const auto& permissions : settings) {
        range->settings.push_back(boost::make_shared<ttservice::CAlgoSetting>());
        range->settings.back()->permissions = permissions;
    }
    return range;
}

} // namespace kit
