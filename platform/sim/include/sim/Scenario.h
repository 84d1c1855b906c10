#pragma once

#include "data/IData.h"
#include "sim/SimGlobal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace ttservice {
class CVornSysStatusInfo;
}

namespace sim {

struct ClientSpec
{
    bool algorithmBus = false;
    bool loginTypeAuth = true;
    bool bjBelongStock = false;
};

struct UserSpec
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

struct ServerSpec
{
    enum TimeKind
    {
        NoTime,
        LocalTime, // the client's clock (utils::currentDateTime)
        FixedTime  // fixedTime; it advances with real time only in a live scenario
    };

    std::string name;
    int systemTag = 0;
    TimeKind timeKind = LocalTime;
    QDateTime fixedTime;
    int latencyMs = 20;
    std::map<int, std::vector<ttservice::IDataPtr>> answers; // by data-type code; null entries allowed
    std::map<int, std::string> errors;                       // by data-type code; wins over answers
    bool nullClient = false;                                 // listed, but its client pointer is null
};

// A whole simulated platform: the client's kind, the logged-in user and the servers.
struct SIM_EXPORT Scenario
{
    ClientSpec client;
    UserSpec user;
    std::map<int, int> roleTypes;
    std::vector<ServerSpec> servers;
    QDateTime now; // invalid: the real clock
    bool live = false;

    // On failure the result is a default scenario and *error names the place and the fault.
    static Scenario fromJson(const QByteArray& json, QString* error);
    static Scenario fromJsonFile(const QString& path, QString* error);
};

// A running service-like status record of the given type (running, no fault).
SIM_EXPORT boost::shared_ptr<ttservice::CVornSysStatusInfo> statusRecord(int statusType);

} // namespace sim
