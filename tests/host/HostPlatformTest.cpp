#include "HostScenario.h"
#include "RequestLog.h"

#include "ScenarioBuilder.h"

#include "data/CVornClient.h"
#include "data/CVornTimeServer.h"
#include "data/Clock.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "sim/SimPlatform.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace {

using kit::center;

TEST(RequestLog, ListsQueriesAndOperationsInSendingOrderWithTheirRecords)
{
    kit::ScenarioBuilder().server("s1").server("s2").install();
    auto query = boost::make_shared<ttservice::CVornQueryDataReq>();
    query->dataType = 12254;
    query->param2 = "13";
    const auto operate = [](ttservice::IDataPtr record) {
        auto req = boost::make_shared<ttservice::COperateDataReq>();
        req->dataType = 700;
        req->operation = ttservice::QDO_MODIFY;
        req->data = record;
        center()->operateData_async(req, {}, 0);
    };
    operate(kit::statusRecord(9, [](ttservice::CVornSysStatusInfo& r) { r.fsSize = 2.5; }));
    center()->queryData_async(query, {}, 0);
    operate(nullptr);
    operate(kit::account("F1", 5));
    operate(boost::make_shared<ttservice::CVornAccountInfo>());

    const QList<QJsonObject> lines = RequestLog::lines(*center());
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0]["class"], "CVornSysStatusInfo");
    EXPECT_EQ(lines[0]["key"], "9||");
    EXPECT_EQ(lines[0]["record"]["fsSize"], 2.5);
    EXPECT_EQ(
        lines[1],
        (QJsonObject{{"server", "s1"}, {"kind", "query"}, {"code", 12254}, {"param", ""}, {"param2", "13"}}));
    EXPECT_TRUE(lines[2]["record"].isNull());
    // An account's id and type are written with its inner account.
    EXPECT_EQ(lines[3]["key"], "F1");
    EXPECT_EQ(lines[3]["record"]["account"],
              (QJsonObject{{"accountId", "F1"}, {"accountType", 5}, {"excluded", false}}));
    EXPECT_EQ(lines[3]["record"]["accountName"], "n-F1");
    EXPECT_TRUE(lines[4]["record"]["account"].isNull());
}

TEST(HostScenario, FixedClocksReachTheClientAndEveryServerWithATimeService)
{
    sim::Scenario scenario = kit::ScenarioBuilder().server("local").server("fixed").server("none").scenario();
    scenario.servers[1].timeKind = sim::ServerSetup::FixedTime;
    scenario.servers[1].fixedTime = QDateTime(QDate(2020, 1, 1), QTime(8, 0));
    scenario.servers[2].timeKind = sim::ServerSetup::NoTime;
    const QDateTime at(QDate(2026, 12, 5), QTime(10, 30));
    HostScenario::fixClocks(&scenario, at);
    sim::SimPlatform::install(scenario);

    EXPECT_EQ(utils::currentDateTime(), at);
    for (const char* name : {"local", "fixed"})
        EXPECT_EQ(center()->getClientByName(name)->getTimeServer()->getServerDateTime(), at) << name;
    EXPECT_EQ(center()->getClientByName("none")->getTimeServer(), nullptr);
    utils::setFixedCurrentDateTime(QDateTime());
}

} // namespace
