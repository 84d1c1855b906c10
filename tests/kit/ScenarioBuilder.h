#pragma once

#include "data/CVornClientCenter.h"
#include "data/IData.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "sim/Population.h"
#include "sim/RiskControl.h"
#include "sim/Scenario.h"
#include "utils/CSingletonT.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kit {

// Builds a simulated platform for a test: by default an administrator (user type 1, role type 1)
// who holds every right, on a client that is neither an algorithm-bus client nor login-type
// restricted, and no servers. Answers and errors go to the server added last.
class ScenarioBuilder
{
public:
    ScenarioBuilder();

    ScenarioBuilder& user(int type, int roleType = 1, int subManagerId = -1);
    ScenarioBuilder& noUser() { return set(m_scenario.user.present, false); }
    ScenarioBuilder& rights(const std::set<int>& rights);
    ScenarioBuilder& roleTypeOf(int userType, int roleType)
    {
        return set(m_scenario.roleTypes[userType], roleType);
    }
    ScenarioBuilder& algorithmBus(bool on) { return set(m_scenario.client.algorithmBus, on); }
    ScenarioBuilder& loginTypeAuth(bool on) { return set(m_scenario.client.loginTypeAuth, on); }
    ScenarioBuilder& now(const QDateTime& now) { return set(m_scenario.now, now); }

    ScenarioBuilder& server(const std::string& name, int latencyMs = 1);
    ScenarioBuilder& nullServer(const std::string& name) { return server(name).set(last().nullClient, true); }
    // For every param of the code.
    ScenarioBuilder& answer(int dataType, const std::vector<ttservice::IDataPtr>& records)
    {
        return set(last().answers[dataType].fallback, records);
    }
    ScenarioBuilder& error(int dataType, const std::string& text)
    {
        return set(last().errors[dataType].fallback, text);
    }
    // For one param; an empty param2 stands for every param2 of the param.
    ScenarioBuilder& answer(int dataType, const std::string& param,
                            const std::vector<ttservice::IDataPtr>& records, const std::string& param2 = "")
    {
        return set(last().answers[dataType].entries[{param, param2}], records);
    }
    ScenarioBuilder& error(int dataType, const std::string& param, const std::string& text,
                           const std::string& param2 = "")
    {
        return set(last().errors[dataType].entries[{param, param2}], text);
    }
    // Risk-control templates, groups, relations and settings, filed by class (sim::addRiskControl).
    ScenarioBuilder& riskControl(const std::vector<ttservice::IDataPtr>& records)
    {
        sim::addRiskControl(last(), records);
        return *this;
    }
    // A generated population, created up to the scenario's day (set now() first).
    ScenarioBuilder& population(const sim::PopulationOptions& options);
    ScenarioBuilder& exchanges(const sim::ExchangeOptions& options) { return set(last().exchanges, options); }
    // Logins of a user kind (1..5) the server lists; with no items the server still lists logins.
    ScenarioBuilder& logins(int kind, const std::vector<ttservice::CVornTypedUserItemPtr>& items);
    ScenarioBuilder& algoRanges(const std::vector<ttservice::CAccountAlgoRangePtr>& ranges);
    // Made-up logins and ranges, up to the scenario's time (set now() first); ranges draw on a
    // population given before.
    ScenarioBuilder& generate(const sim::GenerateOptions& options);

    const sim::Scenario& scenario() const { return m_scenario; }
    // Replaces whatever platform the process had with this one.
    void install() const;

private:
    template <class T, class V> ScenarioBuilder& set(T& field, const V& value)
    {
        field = value;
        return *this;
    }
    sim::ServerSetup& last() { return m_scenario.servers.back(); }

    sim::Scenario m_scenario;
};

inline Ocv::CVornClientCenter* center()
{
    return utils::CSingletonT<Ocv::CVornClientCenter>::instance();
}

// A system-status record of the given type, adjusted by fill.
boost::shared_ptr<ttservice::CVornSysStatusInfo>
statusRecord(int statusType, const std::function<void(ttservice::CVornSysStatusInfo&)>& fill = {});

// A desktop-client login of that user at that time from a machine of its own.
ttservice::CVornTypedUserItemPtr loginItem(const std::string& userName, const std::string& loginTime,
                                           int terminalTypeId = 1);

// What a logout of that login sends.
boost::shared_ptr<ttservice::CLoginInfo> loginOf(const ttservice::CVornTypedUserItem& item);

// An account record with its inner account (name "n-<id>").
ttservice::CVornAccountInfoPtr account(const std::string& accountId, int accountType,
                                       const std::string& brokerName = "东岳证券");

// An account with one setting per map given.
ttservice::CAccountAlgoRangePtr algoRange(const std::string& accountId,
                                          const std::vector<std::map<std::string, std::set<int>>>& settings);

} // namespace kit
