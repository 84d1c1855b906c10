#include "sim/Scenario.h"

#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class ScenarioJsonTest : public ::testing::Test
{
protected:
    sim::Scenario load(const char* json)
    {
        error.clear();
        return sim::Scenario::fromJson(QByteArray(json), &error);
    }

    QString error;
};

TEST_F(ScenarioJsonTest, ReadsUserClientAndServers)
{
    const sim::Scenario s = load(R"({
        "client": {"algorithmBus": true, "bjBelongStock": true},
        "user": {"name": "li", "subManagerId": 17, "rights": [10081, 21380]},
        "roleTypes": {"11": 3},
        "now": "2024-06-03 09:30:00", "clockRuns": true,
        "servers": [{"name": "A", "serverTime": null},
                    {"name": "B", "serverTime": "2024-06-03 10:00:00"},
                    {"name": "C", "nullClient": true}]
    })");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(s.client.algorithmBus);
    EXPECT_TRUE(s.client.loginTypeAuth);
    EXPECT_EQ(s.user.subManagerId, 17);
    EXPECT_EQ(s.user.rights, (std::set<int>{10081, 21380}));
    EXPECT_EQ(s.roleTypes.at(11), 3);
    EXPECT_EQ(s.now, QDateTime(QDate(2024, 6, 3), QTime(9, 30)));
    EXPECT_TRUE(s.clockRuns);
    ASSERT_EQ(s.servers.size(), 3u);
    EXPECT_EQ(s.servers[0].timeKind, sim::ServerSetup::NoTime);
    EXPECT_EQ(s.servers[1].timeKind, sim::ServerSetup::FixedTime);
    EXPECT_EQ(s.servers[1].fixedTime.time(), QTime(10, 0));
    EXPECT_TRUE(s.servers[2].nullClient);
}

TEST_F(ScenarioJsonTest, RecordsTakeTheirClassFromTheCodeOrFromType)
{
    const sim::Scenario s = load(R"({"user": {"rights": "all"}, "servers": [{"name": "A",
        "answers": {"12235": [{"statusType": 9, "deviceName": "/", "fsSize": 1024, "memoryUsed": "max"},
                              {"$type": "CVornExchangeInfo", "m_strMarketName": "SSE", "m_bInTradingTime": true},
                              {"$type": "null"}, null]},
        "errors": {"12254": "统计服务超时"}}]})");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(s.user.allRights);
    const auto& records = *s.servers[0].answers.at(12235).fallback;
    ASSERT_EQ(records.size(), 4u);
    auto fs = boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(records[0]);
    ASSERT_TRUE(fs);
    EXPECT_DOUBLE_EQ(fs->fsSize, 1024.0);
    EXPECT_EQ(fs->memoryUsed, std::numeric_limits<double>::max());
    auto exchange = boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(records[1]);
    ASSERT_TRUE(exchange);
    EXPECT_TRUE(exchange->m_bInTradingTime);
    EXPECT_FALSE(records[2]);
    EXPECT_FALSE(records[3]);
    EXPECT_EQ(s.servers[0].errors.at(12254).fallback, std::string("统计服务超时"));
}

// The inner account is written flat; "account" gives it whole or, as null, leaves it out.
TEST_F(ScenarioJsonTest, AccountsFillTheirInnerAccountFromFlatFields)
{
    const sim::Scenario s = load(R"({"servers": [{"name": "A", "answers": {"12203": [
        {"accountId": "F1", "accountType": 1, "excluded": true, "accountName": "甲", "institutionNo": 8101,
         "institutionName": "澄岭资产", "modifiable": false},
        {"accountName": "乙"},
        {"account": null, "accountName": "丙"},
        {"account": {"accountId": "S2", "accountType": 2}}]}}]})");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    std::vector<std::string> seen;
    for (const auto& record : *s.servers[0].answers.at(12203).fallback) {
        const auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        ASSERT_TRUE(account);
        const auto& inner = account->account;
        seen.push_back((inner ? inner->accountId + "/" + std::to_string(inner->accountType) : "none") +
                       (inner && inner->excluded ? "/x" : "") + (account->modifiable ? "" : "/ro") +
                       account->institutionName + std::to_string(account->institutionNo));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"F1/1/x/ro澄岭资产8101", "/00", "none0", "S2/20"}));
}

TEST_F(ScenarioJsonTest, FaultsNameTheirPlace)
{
    const sim::Scenario mixed = load(R"({"rightSets": {"auditor": [10, 11], "trader": [20]},
                                         "user": {"rights": [5, "trader", "auditor"]}})");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(mixed.user.rights, (std::set<int>{5, 10, 11, 20}));
    EXPECT_FALSE(mixed.user.allRights);
    struct Case
    {
        const char* json;
        const char* expected;
    };
    const Case cases[] = {
        {R"({"servers": [{"name": "A", "answers": {"12235": [{"cpuUsge": 1}]}}]})",
         "servers[0].answers.12235[0]: unknown field 'cpuUsge'"},
        {R"({"servers": [{"name": "A", "answers": {"12235": [{"running": 1.5}]}}]})", "running"},
        {R"({"servers": [{"name": "A", "answers": {"500": [{}]}}]})", "$type"},
        {R"({"servers": [{"name": "A", "serverTime": "yesterday"}]})", "servers[0].serverTime"},
        {R"({"user": {"rights": "some"}})", "user.rights: unknown right set 'some'"},
        {R"({"rightSets": {"all": [1]}})", "rightSets.all"},
        {R"({"servers": [{"name": "A", "answers": {"7": {"byParam": [{"param": "1"}]}}}]})",
         "servers[0].answers.7.byParam[0].records: expected a list"},
        {R"({"servers": [{"name": "A", "answers": {"7": {"byParam": [{"param": "1", "records": []},
            {"param": "1", "param2": "", "records": []}]}}}]})",
         "servers[0].answers.7.byParam[1]: a second entry"},
        {R"({"servers": [{"name": "A", "errors": {"7": {"default": 3}}}]})", "servers[0].errors.7.default"},
        {R"({"servers": [{"name": "A", "operations": {"700": {"store": "x"}}}]})",
         "servers[0].operations.700.store"},
        {R"({"servers": [{"name": "A", "exchanges": {"tradeDayAhead": ["SHFE", "XX"]}}]})",
         "servers[0].exchanges.tradeDayAhead[1]: unknown exchange 'XX'"},
        {R"({"servers": [{"name": "A", "population": {"accounts": -1}}]})",
         "servers[0].population.accounts: must not be negative"},
        {R"({"servers": [{"name": "A", "globalRisk": [{"tradeType": 2}]}]})",
         "servers[0].globalRisk[0]: no default record class"},
        {R"({"servers": [{"name": "A", "globalRisk": [{"$type": "CGlobalStockRCConfig", "tradeType": 1},
            {"$type": "CVornProductInfo"}]}]})",
         "servers[0].globalRisk[1]: expected a CGlobalFutureRCConfig or CGlobalStockRCConfig"},
        {R"({"servers": [{"name": "A", "globalRisk": [{"$type": "CGlobalStockRCConfig", "tradeType": 3}]}]})",
         "servers[0].globalRisk[0]: trade type 3 has no global config"},
        {R"({"servers": [{"name": "A", "riskControl": [{"$type": "CVornRcTemplate"}, {"$type": "CVornProductInfo"}]}]})",
         "servers[0].riskControl[1]: expected a risk-control template, group, relation or setting, found CVornProductInfo"},
        {R"({"servers": [{"name": "A", "riskControl": [null]}]})", "servers[0].riskControl[0]: a risk-control record must not be null"},
        {R"({"servers": [{"name": "A", "answers": {"12203": [{"account": null, "accountId": "F1"}]}}]})",
         "servers[0].answers.12203[0]: 'accountId' and \"account\" both"},
        {R"({"servers": [{"name": "A", "answers": {"12203": [{"accountType": "1"}]}}]})",
         "servers[0].answers.12203[0].accountType: expected a 32-bit integer"},
        {R"({"servers": [{"name": "A", "answers": {"12203": [{"account": {"accountName": "x"}}]}}]})",
         "servers[0].answers.12203[0].account: unknown field 'accountName' of CAccountInfo"},
        {R"({"colour": 1})", "colour"},
        {"{\n\"live\": true,\n\"servers\": [\n}", "line 4"},
        {"[1, 2]", "object"},
    };
    for (const Case& c : cases) {
        const sim::Scenario s = load(c.json);
        EXPECT_TRUE(error.contains(c.expected)) << c.json << " -> " << error.toStdString();
        EXPECT_TRUE(s.servers.empty());
    }
}

TEST_F(ScenarioJsonTest, AMissingFileIsNamed)
{
    sim::Scenario::fromJsonFile("/nonexistent/x.json", &error);
    EXPECT_TRUE(error.contains("/nonexistent/x.json"));
}

} // namespace
