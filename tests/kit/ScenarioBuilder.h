#pragma once

#include "data/IData.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "sim/Population.h"
#include "sim/Scenario.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kit {

// Builds a simulated platform for a test: by default an administrator (user type 1, role type 1)
// who holds every right, on a client that is neither an algorithm-bus client nor login-type
// restricted, and no servers. Answers, errors and stores go to the server added last.
class ScenarioBuilder
{
public:
    ScenarioBuilder();

    ScenarioBuilder& user(int type, int roleType = 1, int subManagerId = -1);
    ScenarioBuilder& noUser();
    ScenarioBuilder& rights(const std::set<int>& rights);
    ScenarioBuilder& roleTypeOf(int userType, int roleType);
    ScenarioBuilder& algorithmBus(bool on);
    ScenarioBuilder& loginTypeAuth(bool on);
    ScenarioBuilder& now(const QDateTime& now);
    ScenarioBuilder& live(bool on);

    ScenarioBuilder& server(const std::string& name, int latencyMs = 1);
    ScenarioBuilder& nullServer(const std::string& name);
    // For every param of the code.
    ScenarioBuilder& answer(int dataType, const std::vector<ttservice::IDataPtr>& records);
    ScenarioBuilder& error(int dataType, const std::string& text);
    // For one param; an empty param2 stands for every param2 of the param.
    ScenarioBuilder& answer(int dataType, const std::string& param,
                            const std::vector<ttservice::IDataPtr>& records, const std::string& param2 = "");
    ScenarioBuilder& error(int dataType, const std::string& param, const std::string& text,
                           const std::string& param2 = "");
    // A generated population, created up to the scenario's day (set now() first).
    ScenarioBuilder& population(const sim::PopulationOptions& options);
    ScenarioBuilder& exchanges(const sim::ExchangeOptions& options);
    // Logins of a user kind (1..5) the server lists; with no items the server still lists logins.
    ScenarioBuilder& logins(int kind, const std::vector<ttservice::CVornTypedUserItemPtr>& items);
    ScenarioBuilder& algoRanges(const std::vector<ttservice::CAccountAlgoRangePtr>& ranges);
    // Made-up logins and ranges, up to the scenario's time (set now() first); ranges draw on a
    // population given before.
    ScenarioBuilder& generate(const sim::GenerateOptions& options);
    // Operations on operateCode add, modify and delete records of the answer to queryCode.
    ScenarioBuilder& store(int operateCode, int queryCode, const std::string& param = "",
                           const std::string& param2 = "");

    const sim::Scenario& scenario() const { return m_scenario; }
    // Replaces whatever platform the process had with this one.
    void install() const;

private:
    sim::Scenario m_scenario;
};

// A system-status record of the given type, adjusted by fill.
boost::shared_ptr<ttservice::CVornSysStatusInfo>
statusRecord(int statusType, const std::function<void(ttservice::CVornSysStatusInfo&)>& fill = {});

// A desktop-client login of that user at that time from a machine of its own.
ttservice::CVornTypedUserItemPtr loginItem(const std::string& userName, const std::string& loginTime,
                                           int terminalTypeId = 1);

// What a logout of that login sends.
boost::shared_ptr<ttservice::CLoginInfo> loginOf(const ttservice::CVornTypedUserItem& item);

// An account with one setting per map given.
ttservice::CAccountAlgoRangePtr algoRange(const std::string& accountId,
                                          const std::vector<std::map<std::string, std::set<int>>>& settings);

} // namespace kit
