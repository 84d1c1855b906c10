#include "sim/SimPlatform.h"

#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornTimeServer.h"
#include "data/Clock.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/Scenario.h"

#include <QElapsedTimer>
#include <QThread>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <atomic>

namespace {

boost::shared_ptr<ttservice::CVornQueryDataReq> queryReq(int dataType)
{
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    req->dataType = dataType;
    return req;
}

class SimPlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        demo = sim::Scenario::fromJsonFile(QString(WELCOME_SCENARIO_DIR) + "/demo.json", &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }
    void TearDown() override { sim::SimPlatform::install(sim::Scenario()); }

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
    EXPECT_TRUE(users->checkUserAuth(10081));
    ASSERT_TRUE(users->getUserInfoPtr());
    EXPECT_EQ(users->getUserInfoPtr()->subManagerId, -1);
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
    QElapsedTimer timer;
    timer.start();
    while (answers.load() < 4 && timer.elapsed() < 3000)
        QThread::msleep(5);
    EXPECT_EQ(answers.load(), 4);
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(center->pendingRequests(), 0);
}

TEST_F(SimPlatformTest, ReinstallingReplacesServersUserAndClock)
{
    for (auto& server : demo.servers)
        server.latencyMs = 300;
    sim::SimPlatform::install(demo);
    auto oldClient = center->getAllClients().begin()->second;
    for (int i = 0; i < 10; ++i)
        oldClient->queryData_async(queryReq(12235), Ocv::QueryCallback(), 0);

    QString error;
    const sim::Scenario other = sim::Scenario::fromJson(
        R"({"now": "2024-06-03 09:00:00", "servers": [{"name": "solo", "serverTime": null}]})", &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    sim::SimPlatform::install(other);
    EXPECT_EQ(oldClient->pendingRequests(), 0);
    EXPECT_EQ(center->getAllClients().size(), 1u);
    EXPECT_FALSE(center->getClientByName("solo")->getTimeServer());
    EXPECT_FALSE(users->getUserInfoPtr());
    EXPECT_EQ(utils::currentDateTime(), QDateTime(QDate(2024, 6, 3), QTime(9, 0)));
}

} // namespace
