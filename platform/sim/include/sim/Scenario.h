#pragma once

#include "data/IData.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "sim/ParamMap.h"
#include "sim/SimGlobal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace ttservice {
class CVornSysStatusInfo;
}

namespace sim {

using Records = std::vector<ttservice::IDataPtr>;

struct ClientSpec
{
    bool algorithmBus = false;
    bool loginTypeAuth = true;
    bool bjBelongStock = false;
};

struct UserSetup
{
    std::string name;
    int type = 0;
    int roleType = 0;
    bool admin = false;
    int subManagerId = -1;
    std::string macs;
    std::set<int> rights;
    bool allRights = false;
    bool present = true; // false: nobody is logged in
};

// An operate code whose records live in the answer to a query: add, modify and delete change
// the answer to (queryCode, param, param2), and later queries see the change.
struct StoreTarget
{
    int queryCode = 0;
    std::string param;
    std::string param2;
};

// Exchange records made at query time from the server's clock instead of listed ones.
struct ExchangeOptions
{
    bool generate = false;
    std::set<std::string> tradeDayAhead;   // trade day one day after the update day
    std::set<std::string> tradeDayBehind;  // trade day one day before the update day
    std::map<std::string, int> lagSeconds; // always this far behind the server clock
};

// The logins a server lists, by user kind: 1 online (desktop clients), 2 API, 3 transparent proxy,
// 4 signal order, 5 mobile. The items are shared by the scenario, the server and its answers, and
// never changed once listed: a list may hold a million.
using LoginItems = std::vector<ttservice::CVornTypedUserItemPtr>;
using LoginLists = std::map<int, LoginItems>;
const int kLoginKinds = 5;

// The accounts with algorithm permissions a server lists; shared like the logins.
using AlgoRanges = std::vector<ttservice::CAccountAlgoRangePtr>;

// Logins and algorithm ranges made up from the seed; the same options give the same lists.
struct GenerateOptions
{
    int logins = 0;
    int algoAccounts = 0;
    unsigned int seed = 1;
};

struct ServerSetup
{
    enum TimeKind
    {
        NoTime,
        LocalTime, // the client's clock (utils::currentDateTime)
        FixedTime  // fixedTime; it advances with real time in a live scenario or when the clock runs
    };

    std::string name;
    int systemTag = 0;
    TimeKind timeKind = LocalTime;
    QDateTime fixedTime;
    int latencyMs = 20;
    std::map<int, ParamMap<Records>> answers;    // by data-type code; null records allowed
    std::map<int, ParamMap<std::string>> errors; // by data-type code; wins over answers
    std::map<int, StoreTarget> operations;       // by operate code
    ExchangeOptions exchanges;
    // Null: the server lists none and 12311 / 12374 answer from answers like any code. Copies of
    // a ServerSetup share them; change them through editLogins / editAlgoRanges.
    std::shared_ptr<const LoginLists> logins;
    std::shared_ptr<const AlgoRanges> algoRanges;
    bool nullClient = false; // listed, but its client pointer is null
};

// The server's lists to add to, made for it first when it has none or shares them with a copy.
SIM_EXPORT LoginLists& editLogins(ServerSetup& server);
SIM_EXPORT AlgoRanges& editAlgoRanges(ServerSetup& server);

// A whole simulated platform: the client's kind, the logged-in user and the servers.
struct SIM_EXPORT Scenario
{
    ClientSpec client;
    UserSetup user;
    std::map<int, int> roleTypes;
    std::vector<ServerSetup> servers;
    QDateTime now; // invalid: the real clock
    bool live = false;
    bool clockRuns = false; // fixed server times advance with the process clock even when not live
    // Every clock stands still: fixed server times and the live figures' drift ignore the time
    // passing, whatever live and clockRuns say (scripted runs that must repeat exactly).
    bool clockFrozen = false;

    // On failure the result is a default scenario and *error names the place and the fault.
    static Scenario fromJson(const QByteArray& json, QString* error);
    static Scenario fromJsonFile(const QString& path, QString* error);
};

// A running service-like status record of the given type (running, no fault).
SIM_EXPORT boost::shared_ptr<ttservice::CVornSysStatusInfo> statusRecord(int statusType);

} // namespace sim
