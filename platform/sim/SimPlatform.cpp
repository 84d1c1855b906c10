#include "sim/SimPlatform.h"

#include "data/Clock.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CUserManager.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/Scenario.h"
#include "sim/SimBackend.h"

#include <boost/make_shared.hpp>

namespace sim {

void SimPlatform::install(const Scenario& scenario)
{
    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    center->setClients({});
    center->clearSentRequests();
    center->clearSentOperations();
    center->clearServerMessages();

    utils::setFixedCurrentDateTime(scenario.now);
    center->setAlgorithmBusClient(scenario.client.algorithmBus);
    center->setLoginTypeAuth(scenario.client.loginTypeAuth);
    center->setBjBelongStock(scenario.client.bjBelongStock);

    Ocv::CUserManager* users = utils::CSingletonT<Ocv::CUserManager>::instance();
    boost::shared_ptr<ttservice::CVornUserInfo> user;
    if (scenario.user.present) {
        user = boost::make_shared<ttservice::CVornUserInfo>();
        user->name = scenario.user.name;
        user->userType = scenario.user.type;
        user->roleType = scenario.user.roleType;
        user->subManagerId = scenario.user.subManagerId;
        user->macs = scenario.user.macs;
    }
    users->setUser(user, scenario.user.admin, scenario.user.rights, scenario.user.allRights);
    users->setRoleTypes(scenario.roleTypes);

    std::map<std::string, boost::shared_ptr<Ocv::CVornClient>> clients;
    std::string systemName;
    unsigned int seed = 20240603;
    for (const ServerSetup& server : scenario.servers) {
        ++seed;
        if (server.nullClient) {
            clients[server.name] = boost::shared_ptr<Ocv::CVornClient>();
            continue;
        }
        auto backend = std::make_shared<SimBackend>(server, scenario.live, seed, scenario.clockRuns);
        backend->setSubManagerId(scenario.user.present ? scenario.user.subManagerId : -1);
        if (scenario.clockFrozen)
            backend->setElapsedSource([]() { return qint64(0); });
        clients[server.name] = boost::make_shared<Ocv::CVornClient>(server.name, server.systemTag, backend);
        if (systemName.empty())
            systemName = server.name;
    }
    center->setSystemName(systemName);
    center->setClients(clients);
}

} // namespace sim
