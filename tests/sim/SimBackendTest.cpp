#include "SimTestKit.h"

#include "data/Clock.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
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

// Futures type 2 holds its own record and a stock one (a wrong record); 1024 holds nothing; 256
// comes from answers by param, as a scenario may write it by hand.
TEST_F(SimBackendTest, GlobalRiskConfigsAnswerByTradeTypeAndOnlyAKeyedReplaceChangesThem)
{
    using ttservice::CGlobalFutureRCConfig;
    using ttservice::CGlobalStockRCConfig;
    utils::setFixedCurrentDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    server = simtest::serverOf(R"({"servers": [{"name": "A", "globalRisk": [
        {"$type": "CGlobalFutureRCConfig", "tradeType": 2, "reverseCheckOff": true, "reverseWindowSeconds": 60},
        {"$type": "CGlobalStockRCConfig", "tradeType": 2},
        {"$type": "CGlobalStockRCConfig", "tradeType": 1, "matchedCheckOff": true}],
        "answers": {"23435": {"byParam": [{"param": "256", "records": [{"tradeType": 256, "updatedBy": "li"}]}]}}}]})");
    sim::SimBackend backend(server, false, 1);
    // "class:tradeType:reverseOff/matchedOff" of each record answered.
    const auto configs = [&](int code, const std::string& param) {
        std::vector<std::string> seen;
        for (const auto& record : simtest::ask(backend, code, param, "", &lastError)) {
            if (auto f = boost::dynamic_pointer_cast<CGlobalFutureRCConfig>(record))
                seen.push_back("F:" + std::to_string(f->tradeType) + ":" + std::to_string(f->reverseCheckOff) +
                               std::to_string(f->matchedCheckOff));
            else if (auto s = boost::dynamic_pointer_cast<CGlobalStockRCConfig>(record))
                seen.push_back("S:" + std::to_string(s->tradeType) + ":" + std::to_string(s->reverseCheckOff) +
                               std::to_string(s->matchedCheckOff));
        }
        return seen;
    };
    using Seen = std::vector<std::string>;
    EXPECT_EQ(configs(23434, "2"), (Seen{"F:2:10", "S:2:00"}));
    EXPECT_EQ(configs(23434, "1024"), Seen{});
    EXPECT_EQ(configs(23435, "1"), (Seen{"S:1:01"}));
    EXPECT_EQ(configs(23435, "256"), (Seen{"S:256:00"}));
    EXPECT_EQ(configs(23435, "2"), Seen{});

    const auto future = [](bool off) {
        auto record = boost::make_shared<CGlobalFutureRCConfig>();
        record->reverseCheckOff = record->matchedCheckOff = off;
        record->updateTime = "2026-01-01 00:00:00";
        return record;
    };
    struct Case
    {
        int code;
        int operation;
        const char* key;
        ttservice::IDataPtr record;
        const char* expected;
    };
    const Case refused[] = {
        {23434, ttservice::QDO_MODIFY, "rat|2", future(true), "只能整体替换 (operation 2)"},
        {23434, ttservice::QDO_ADD, "rat|2", future(true), "只能整体替换 (operation 1)"},
        {23434, 0, "", future(true), "键无效: (空)"},
        {23434, 0, "rat|1", future(true), "键无效: rat|1"},
        {23434, 0, "xyz|2", future(true), "键无效: xyz|2"},
        {23434, 0, "rat|2", boost::make_shared<CGlobalStockRCConfig>(), "需要一条 CGlobalFutureRCConfig 记录"},
        {23435, 0, "rat|1", future(true), "需要一条 CGlobalStockRCConfig 记录"},
        {23434, 0, "rat|2", nullptr, "需要一条 CGlobalFutureRCConfig"},
    };
    for (const Case& c : refused) {
        const utils::TTError error = simtest::operate(backend, c.code, c.operation, c.record, c.key);
        EXPECT_FALSE(error.isSuccess()) << c.expected;
        EXPECT_NE(error.errorMsg().find(c.expected), std::string::npos) << error.errorMsg();
    }
    EXPECT_EQ(configs(23434, "2"), (Seen{"F:2:10", "S:2:00"}));
    EXPECT_EQ(configs(23434, "1024"), Seen{});

    // A default record, as the overview's enable-all sends it: the key names the trade type.
    EXPECT_TRUE(simtest::operate(backend, 23434, 0, future(true), "rat|1024").isSuccess());
    const auto stored = simtest::ask(backend, 23434, "1024");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(boost::dynamic_pointer_cast<CGlobalFutureRCConfig>(stored[0])->updateTime, "2026-12-07 10:00:00");
    EXPECT_EQ(configs(23434, "1024"), (Seen{"F:1024:11"}));
    EXPECT_TRUE(simtest::operate(backend, 23434, 0, future(false), "rat|2").isSuccess());
    EXPECT_EQ(configs(23434, "2"), (Seen{"F:2:00"})) << "the wrong record went with the replace";
    EXPECT_EQ(configs(23435, "1"), (Seen{"S:1:01"}));

    server.errors[23434].fallback = "全局风控服务不可用";
    sim::SimBackend failing(server, false, 1);
    EXPECT_EQ(simtest::operate(failing, 23434, 0, future(false), "rat|2").errorMsg(), "全局风控服务不可用");
    utils::setFixedCurrentDateTime(QDateTime());
}

} // namespace
