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

ScenarioBuilder& ScenarioBuilder::noUser()
{
    m_scenario.user.present = false;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::rights(const std::set<int>& rights)
{
    m_scenario.user.allRights = false;
    m_scenario.user.rights = rights;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::roleTypeOf(int userType, int roleType)
{
    m_scenario.roleTypes[userType] = roleType;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::algorithmBus(bool on)
{
    m_scenario.client.algorithmBus = on;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::loginTypeAuth(bool on)
{
    m_scenario.client.loginTypeAuth = on;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::now(const QDateTime& now)
{
    m_scenario.now = now;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::live(bool on)
{
    m_scenario.live = on;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::server(const std::string& name, int latencyMs)
{
    sim::ServerSpec added;
    added.name = name;
    added.systemTag = int(m_scenario.servers.size()) + 1;
    added.timeKind = sim::ServerSpec::LocalTime;
    added.latencyMs = latencyMs;
    m_scenario.servers.push_back(added);
    return *this;
}

ScenarioBuilder& ScenarioBuilder::nullServer(const std::string& name)
{
    server(name);
    m_scenario.servers.back().nullClient = true;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::answer(int dataType, const std::vector<ttservice::IDataPtr>& records)
{
    m_scenario.servers.back().answers[dataType].fallback = records;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::answer(int dataType, const std::string& param,
                                         const std::vector<ttservice::IDataPtr>& records,
                                         const std::string& param2)
{
    m_scenario.servers.back().answers[dataType].entries[{param, param2}] = records;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::error(int dataType, const std::string& text)
{
    m_scenario.servers.back().errors[dataType].fallback = text;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::error(int dataType, const std::string& param, const std::string& text,
                                        const std::string& param2)
{
    m_scenario.servers.back().errors[dataType].entries[{param, param2}] = text;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::population(const sim::PopulationOptions& options)
{
    const QDate today = m_scenario.now.isValid() ? m_scenario.now.date() : QDate::currentDate();
    sim::addPopulation(m_scenario.servers.back(), options, today);
    return *this;
}

ScenarioBuilder& ScenarioBuilder::exchanges(const sim::ExchangeOptions& options)
{
    m_scenario.servers.back().exchanges = options;
    return *this;
}

ScenarioBuilder& ScenarioBuilder::store(int operateCode, int queryCode, const std::string& param,
                                        const std::string& param2)
{
    m_scenario.servers.back().operations[operateCode] = sim::StoreTarget{queryCode, param, param2};
    return *this;
}

ScenarioBuilder& ScenarioBuilder::logins(int kind, const std::vector<ttservice::CVornTypedUserItemPtr>& items)
{
    sim::LoginItems& list = sim::editLogins(m_scenario.servers.back())[kind];
    list.insert(list.end(), items.begin(), items.end());
    return *this;
}

ScenarioBuilder& ScenarioBuilder::algoRanges(const std::vector<ttservice::CAccountAlgoRangePtr>& ranges)
{
    sim::AlgoRanges& list = sim::editAlgoRanges(m_scenario.servers.back());
    list.insert(list.end(), ranges.begin(), ranges.end());
    return *this;
}

ScenarioBuilder& ScenarioBuilder::generate(const sim::GenerateOptions& options)
{
    const QDateTime now = m_scenario.now.isValid() ? m_scenario.now : QDateTime::currentDateTime();
    sim::addGeneratedLists(m_scenario.servers.back(), options, now);
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

} // namespace kit

namespace kit {

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

ttservice::CAccountAlgoRangePtr algoRange(const std::string& accountId,
                                          const std::vector<std::map<std::string, std::set<int>>>& settings)
{
    auto range = boost::make_shared<ttservice::CAccountAlgoRange>();
    range->account = boost::make_shared<ttservice::CVornAccountInfo>();
    range->account->accountId = accountId;
    range->account->accountName = "n-" + accountId;
    range->account->accountType = 2;
    range->account->brokerName = "东岳证券";
    range->account->algoPermission = 1;
    for (const auto& permissions : settings) {
        range->settings.push_back(boost::make_shared<ttservice::CAlgoSetting>());
        range->settings.back()->permissions = permissions;
    }
    return range;
}

} // namespace kit
