#include "SimTestKit.h"

#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <set>

namespace {

using ttservice::CVornSysStatusInfo;

class SimBackendTest : public ::testing::Test
{
protected:
    // Exchanges (12255) by param: "all" is kept by operate code 700; 701 is scripted to fail.
    void SetUp() override
    {
        server = simtest::serverOf(
            R"({"servers": [{"name": "A", "operations": {"700": {"store": 12255, "param": "all"}},
            "errors": {"12254": "统计服务超时", "701": "只读", "12255": {"byParam": [{"param": "bad", "text": "坏参数"}]}},
            "answers": {"12235": [
                {"statusType": 2, "cpuUsage": 40, "memoryUsed": 4194304},
                {"statusType": 7, "idle": 60}, {"statusType": 8, "memTotal": 67108864, "used": 30000000},
                {"statusType": 9, "deviceName": "/", "fsSize": 1000000, "used": 975000, "fsAvailable": 25000},
                {"statusType": 10, "uploadRate": 100}, {"statusType": 8, "memTotal": "max"}, null],
            "12255": {"default": [{"m_strMarketName": "SSE"}],
                      "byParam": [{"param": "1", "records": [{"m_strMarketName": "SZSE", "m_strMarketTradeDay": "1"}]},
                                  {"param": "all", "param2": "13", "records": [{"m_strMarketName": "BSE"}]}]}}}]})");
    }

    sim::Records ask(sim::SimBackend& backend, int dataType = 12235)
    {
        return simtest::ask(backend, dataType, "", "", &lastError);
    }

    // "market:trade day" of each exchange answered.
    std::vector<std::string> markets(sim::SimBackend& backend, const std::string& param,
                                     const std::string& param2 = "")
    {
        std::vector<std::string> seen;
        for (const auto& record : simtest::ask(backend, 12255, param, param2, &lastError)) {
            auto info = boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(record);
            seen.push_back(info ? info->m_strMarketName + ":" + info->m_strMarketTradeDay : "?");
        }
        return seen;
    }

    utils::TTError operate(sim::SimBackend& backend, int dataType, int operation, const std::string& market,
                           const std::string& day = "")
    {
        auto record = boost::make_shared<ttservice::CVornExchangeInfo>();
        record->m_strMarketName = market;
        record->m_strMarketTradeDay = day;
        return simtest::operate(backend, dataType, operation, record);
    }

    sim::ServerSetup server;
    utils::TTError lastError;
};

TEST_F(SimBackendTest, StillScenarioAnswersFreshCopiesOfTheSameFigures)
{
    sim::SimBackend backend(server, false, 1);
    const auto first = ask(backend);
    const auto second = ask(backend);
    ASSERT_TRUE(first.size() == 7u && !first[6]);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NE(first[i], second[i]);
        EXPECT_NE(first[i], (*server.answers[12235].fallback)[i]);
        EXPECT_TRUE(first[i]->sameFields(*second[i]));
    }
}

TEST_F(SimBackendTest, AnswersAndErrorsGoByExactParamsThenParamAloneThenDefault)
{
    sim::SimBackend backend(server, false, 1);
    EXPECT_EQ(markets(backend, "1", "99"), std::vector<std::string>{"SZSE:1"});
    EXPECT_EQ(markets(backend, "all", "13"), std::vector<std::string>{"BSE:"});
    EXPECT_EQ(markets(backend, "2", "13"), std::vector<std::string>{"SSE:"});
    EXPECT_TRUE(markets(backend, "bad", "13").empty());
    EXPECT_EQ(lastError.errorMsg(), "坏参数");
    EXPECT_TRUE(ask(backend, 12254).empty());
    EXPECT_EQ(lastError.errorMsg(), "统计服务超时");
    EXPECT_TRUE(ask(backend, 4242).empty());
    EXPECT_TRUE(lastError.isSuccess());
}

TEST_F(SimBackendTest, LiveFiguresMoveAndStayInRange)
{
    sim::SimBackend backend(server, true, 7);
    std::set<double> cpuSeen;
    for (int round = 0; round < 100; ++round) {
        for (const auto& record : ask(backend)) {
            auto r = boost::dynamic_pointer_cast<CVornSysStatusInfo>(record);
            if (r && r->statusType == ttservice::QSST_TRADE_SERVICE) {
                cpuSeen.insert(r->cpuUsage);
                EXPECT_TRUE(r->cpuUsage >= 0 && r->cpuUsage <= 100) << r->cpuUsage;
            } else if (r && r->statusType == ttservice::QSST_FILE_SYSTEM) {
                EXPECT_NEAR(r->used + r->fsAvailable, r->fsSize, 1e-6);
            }
        }
    }
    EXPECT_GT(cpuSeen.size(), 1u);
    // The scenario's own records are never drifted.
    auto fs = boost::dynamic_pointer_cast<CVornSysStatusInfo>((*server.answers[12235].fallback)[3]);
    EXPECT_DOUBLE_EQ(fs->used, 975000.0);
}

TEST_F(SimBackendTest, FixedServerTimeRunsWhenLiveOrWhenTheClockRuns)
{
    server.timeKind = sim::ServerSetup::FixedTime;
    server.fixedTime = QDateTime(QDate(2024, 6, 3), QTime(10, 15));
    sim::SimBackend fixed(server, false, 1);
    sim::SimBackend live(server, true, 1);
    sim::SimBackend running(server, false, 1, true);
    for (sim::SimBackend* backend : {&fixed, &live, &running})
        backend->setElapsedSource([] { return qint64(5400); });
    EXPECT_EQ(fixed.serverTime(), server.fixedTime.toSecsSinceEpoch());
    EXPECT_EQ(live.serverTime(), server.fixedTime.toSecsSinceEpoch() + 5);
    EXPECT_EQ(running.serverTime(), server.fixedTime.toSecsSinceEpoch() + 5);
}

TEST_F(SimBackendTest, RefusedOperationsChangeNothingStoredRecordsChangeLaterAnswersOfTheirParamOnly)
{
    sim::SimBackend backend(server, false, 1);
    EXPECT_EQ(operate(backend, 700, ttservice::QDO_ADD, "SSE").errorMsg(), "a record with key SSE exists");
    EXPECT_EQ(operate(backend, 700, ttservice::QDO_DELETE, "HK").errorMsg(), "no record with key HK");
    EXPECT_EQ(operate(backend, 627, ttservice::QDO_ADD, "HK").errorMsg(),
              "no handler for operation on data type 627");
    backend.setOperateHandler(701, sim::recordStore(sim::StoreTarget{12255, "all", ""}));
    EXPECT_EQ(operate(backend, 701, ttservice::QDO_ADD, "HK").errorMsg(), "只读");
    EXPECT_EQ(markets(backend, "all"), std::vector<std::string>{"SSE:"});

    EXPECT_TRUE(operate(backend, 700, ttservice::QDO_ADD, "HK").isSuccess());
    EXPECT_TRUE(operate(backend, 700, ttservice::QDO_MODIFY, "SSE", "2").isSuccess());
    EXPECT_EQ(markets(backend, "all"), (std::vector<std::string>{"SSE:2", "HK:"}));
    EXPECT_TRUE(operate(backend, 700, ttservice::QDO_DELETE, "SSE").isSuccess());
    EXPECT_EQ(markets(backend, "all", "14"), std::vector<std::string>{"HK:"});
    EXPECT_EQ(markets(backend, "all", "13"), std::vector<std::string>{"BSE:"});
    EXPECT_EQ(markets(backend, "2"), std::vector<std::string>{"SSE:"});
}

} // namespace
