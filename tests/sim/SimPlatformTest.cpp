#include "sim/SimPlatform.h"

#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornTimeServer.h"
#include "data/Clock.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/GlobalRisk.h"
#include "sim/Scenario.h"

#include <QDir>
#include <QThread>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>

namespace {

// What a server's global configs and products hold: trade types without a record, trade types
// with a record of the other class, checks off and on, products with their risk control on and
// off.
std::vector<int> riskMix(const sim::ServerSetup& server)
{
    std::vector<int> mix(6, 0);
    for (int tradeType : sim::globalRiskTradeTypes()) {
        const int code = sim::globalRiskCodeFor(tradeType);
        const auto answer = server.answers.find(code);
        const sim::Records* records =
            answer == server.answers.end() ? nullptr : answer->second.find(std::to_string(tradeType), "");
        if (!records || records->empty())
            ++mix[0];
        for (const auto& record : records ? *records : sim::Records()) {
            if (record->className() != sim::globalRiskClassFor(code))
                ++mix[1];
            const ttservice::CRecordField* reverse = record->findField("reverseCheckOff");
            const ttservice::CRecordField* matched = record->findField("matchedCheckOff");
            for (const ttservice::CRecordField* flag : {reverse, matched})
                ++mix[flag->ref<bool>(*record) ? 2 : 3];
        }
    }
    const auto products = server.answers.find(12224);
    if (products != server.answers.end() && products->second.fallback) {
        for (const auto& record : *products->second.fallback) {
            if (const auto product = boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record))
                ++mix[product->riskControlEnabled ? 4 : 5];
        }
    }
    return mix;
}

// How a server's accounts fall: [0..6] the seven types of the risk tree (1, 2, 3, 5, 6, 7, 11),
// [7] excluded ones, [8] records without an inner account.
std::vector<int> accountMix(const sim::ServerSetup& server)
{
    static const int kTreeTypes[] = {1, 2, 3, 5, 6, 7, 11};
    std::vector<int> mix(9, 0);
    const auto accounts = server.answers.find(12203);
    if (accounts == server.answers.end() || !accounts->second.fallback)
        return mix;
    for (const auto& record : *accounts->second.fallback) {
        const auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        if (!account)
            continue;
        if (!account->account) {
            ++mix[8];
            continue;
        }
        const int* type = std::find(std::begin(kTreeTypes), std::end(kTreeTypes), account->account->accountType);
        if (type != std::end(kTreeTypes))
            ++mix[type - std::begin(kTreeTypes)];
        mix[7] += account->account->excluded;
    }
    return mix;
}

boost::shared_ptr<ttservice::CVornQueryDataReq> queryReq(int dataType)
{
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    req->dataType = dataType;
    return req;
}

class SimPlatformTest : public ::testing::Test
{
protected:
    void SetUp() override { demo = shipped("demo.json"); }
    void TearDown() override { sim::SimPlatform::install(sim::Scenario()); }

    sim::Scenario shipped(const char* name)
    {
        QString error;
        sim::Scenario s = sim::Scenario::fromJsonFile(QString(WELCOME_SCENARIO_DIR) + "/" + name, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return s;
    }

    // The records of one answer from the server with this system tag.
    template <class T>
    std::vector<boost::shared_ptr<T>> query(int dataType, int systemTag, const std::string& param = "",
                                            const std::string& param2 = "")
    {
        auto req = queryReq(dataType);
        req->systemTag = systemTag;
        req->param = param;
        req->param2 = param2;
        auto done = std::make_shared<std::promise<std::vector<ttservice::IDataPtr>>>();
        center->queryData_async(
            req,
            [done](const utils::TTError&, const std::vector<ttservice::IDataPtr>& records, int,
                   const bson::BSONObj&) { done->set_value(records); },
            0);
        auto answer = done->get_future();
        std::vector<boost::shared_ptr<T>> typed;
        for (const auto& record : answer.wait_for(std::chrono::seconds(3)) == std::future_status::ready
                                      ? answer.get()
                                      : std::vector<ttservice::IDataPtr>())
            typed.push_back(boost::dynamic_pointer_cast<T>(record));
        return typed;
    }

    // The logged-in user's own login is among the server's desktop logins, from one of its MACs.
    void expectUserLogin(const sim::Scenario& s, const sim::ServerSetup& server)
    {
        const auto answer = query<ttservice::CVornTypedUserInfo>(12311, server.systemTag, "1");
        ASSERT_EQ(answer.size(), 1u) << server.name;
        const QStringList macs = QString::fromStdString(s.user.macs).split(' ', Qt::SkipEmptyParts);
        EXPECT_TRUE(std::any_of(answer[0]->users.begin(), answer[0]->users.end(), [&](const auto& item) {
            return item && item->userName == s.user.name &&
                   (macs.isEmpty() ? item->mac.empty() : macs.contains(QString::fromStdString(item->mac)));
        })) << server.name;
    }

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    Ocv::CUserManager* users = utils::CSingletonT<Ocv::CUserManager>::instance();
    sim::Scenario demo;
};

TEST_F(SimPlatformTest, DemoInstallsServersUserAndClockAndAnswersEveryDashboardCode)
{
    sim::SimPlatform::install(demo);
    const auto clients = center->getAllClients();
    ASSERT_EQ(clients.size(), 2u);
    EXPECT_EQ(center->getSystemName(), demo.servers[0].name);
    EXPECT_TRUE(users->isAdmin());
    for (const auto& item : clients) {
        ASSERT_TRUE(item.second);
        ASSERT_TRUE(item.second->getTimeServer()) << item.first;
        EXPECT_GT(item.second->getTimeServer()->getServerTime(), 1700000000);
    }

    std::atomic<int> answers{0};
    std::atomic<int> failures{0};
    for (int code : {12235, 12254, 12255, 12277})
        center->queryData_async(
            queryReq(code),
            [&](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records, int,
                const bson::BSONObj&) {
                failures += !error.isSuccess() || records.empty();
                ++answers;
            },
            0);
    for (int i = 0; i < 600 && answers.load() < 4; ++i)
        QThread::msleep(5);
    EXPECT_EQ(answers.load(), 4);
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(center->pendingRequests(), 0);
}

TEST_F(SimPlatformTest, EveryShippedScenarioInstallsWithItsClientKind)
{
    const QStringList names = QDir(WELCOME_SCENARIO_DIR).entryList({"*.json"}, QDir::Files);
    for (const QString& name : names) {
        const sim::Scenario s = shipped(name.toUtf8().constData());
        sim::SimPlatform::install(s);
        EXPECT_EQ(center->getAllClients().size(), s.servers.size()) << name.toStdString();
        const bool faults = name == "faults.json";
        EXPECT_EQ(center->hasClientLoginTypeAuth(0), faults || name == "logintype.json")
            << name.toStdString();
        EXPECT_EQ(center->isAlgorithmBusClient(), faults || name == "algobus.json") << name.toStdString();
        const bool administrators = name != "faults.json" && name != "auditor.json";
        for (const sim::ServerSetup& server : s.servers) {
            if (server.logins)
                expectUserLogin(s, server);
            const std::vector<int> mix = riskMix(server);
            // Every type of the risk tree on every server, a few excluded accounts among them.
            const std::vector<int> accounts = accountMix(server);
            if (administrators) {
                EXPECT_TRUE(std::all_of(mix.begin(), mix.end(), [](int n) { return n > 0; }))
                    << name.toStdString() << " " << server.name << ": " << ::testing::PrintToString(mix);
                EXPECT_TRUE(std::all_of(accounts.begin(), accounts.begin() + 8, [](int n) { return n > 0; }))
                    << name.toStdString() << " " << server.name << ": " << ::testing::PrintToString(accounts);
            }
        }
        if (faults) {
            EXPECT_TRUE(s.servers.at(0).errors.count(23434));
            EXPECT_EQ(accountMix(s.servers.at(3)), (std::vector<int>{2, 2, 1, 0, 0, 1, 1, 2, 1}));
        }
    }
}

} // namespace
