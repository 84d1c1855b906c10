#include "ScenarioBuilder.h"
#include "SimTestKit.h"

#include "data/ttservice/CVornTypedUserInfo.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using ttservice::CVornTypedUserInfo;
using ttservice::CVornTypedUserItem;

// Server tag 1: li has a desktop and an API login, wang a desktop login, zhao's proxy session is
// listed under kinds 3 and 4, kind 5 is empty; S1 has two settings, S2 none.
class ListAnswersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        li = kit::loginItem("li", "2026-12-07 09:00:00");
        zhao = kit::loginItem("zhao", "2026-12-07 07:00:00", 4);
        auto range = kit::algoRange("S1", {{{"TWAP", {1, 2}}, {"POV", {3}}, {"VWAP", {}}}, {}});
        server = kit::ScenarioBuilder()
                     .server("A")
                     .logins(1, {li, kit::loginItem("wang", "2026-12-07 08:00:00")})
                     .logins(2, {kit::loginItem("li", "2026-12-07 09:05:00", 3)})
                     .logins(3, {zhao})
                     .logins(4, {zhao})
                     .logins(5, {})
                     .algoRanges({range, kit::algoRange("S2", {})})
                     .scenario()
                     .servers.at(0);
        backend = std::make_unique<sim::SimBackend>(server, false, 1);
    }

    sim::Records ask(int dataType, const std::string& param, const std::string& param2 = "")
    {
        return simtest::ask(*backend, dataType, param, param2);
    }

    boost::shared_ptr<CVornTypedUserInfo> kind(int userKind)
    {
        const auto records = ask(12311, std::to_string(userKind));
        return records.size() == 1 ? boost::dynamic_pointer_cast<CVornTypedUserInfo>(records[0]) : nullptr;
    }

    // "name@hh:mm" of each login of the kind.
    std::vector<std::string> names(int userKind)
    {
        std::vector<std::string> seen;
        const auto info = kind(userKind);
        for (const auto& user : info->users)
            seen.push_back(user->userName + "@" + user->loginTime.substr(11, 5));
        return seen;
    }

    // Ends the login the item names, changed by tweak first.
    utils::TTError logout(const CVornTypedUserItem& item,
                          const std::function<void(ttservice::CLoginInfo&)>& tweak = {},
                          int operation = ttservice::QDO_DELETE)
    {
        auto login = kit::loginOf(item);
        if (tweak)
            tweak(*login);
        return operate(login, operation);
    }

    utils::TTError operate(const ttservice::IDataPtr& record, int operation)
    {
        return simtest::operate(*backend, 626, operation, record);
    }

    ttservice::CVornTypedUserItemPtr li;
    ttservice::CVornTypedUserItemPtr zhao;
    sim::ServerSetup server;
    std::unique_ptr<sim::SimBackend> backend;
};

TEST_F(ListAnswersTest, RefusedLogoutsLeaveEveryListAsItWas)
{
    // Each field counts: another disk, terminal, MAC or time is another login.
    const std::function<void(ttservice::CLoginInfo&)> others[] = {
        [](ttservice::CLoginInfo& l) { l.diskSerial += "9"; },
        [](ttservice::CLoginInfo& l) { l.terminalTypeId = 3; },
        [](ttservice::CLoginInfo& l) { l.loginTime.back() = '1'; }};
    for (const auto& other : others)
        EXPECT_EQ(logout(*li, other).errorMsg(), "登录信息不存在或已登出");
    for (int operation : {ttservice::QDO_ADD, ttservice::QDO_MODIFY})
        EXPECT_NE(logout(*li, {}, operation).errorMsg().find("只能删除"), std::string::npos);
    EXPECT_FALSE(operate(li, ttservice::QDO_DELETE).isSuccess());
    EXPECT_FALSE(operate(nullptr, ttservice::QDO_DELETE).isSuccess());
    EXPECT_EQ(names(1), (std::vector<std::string>{"li@09:00", "wang@08:00"}));
    EXPECT_EQ(names(2), (std::vector<std::string>{"li@09:05"}));
}

TEST_F(ListAnswersTest, AlgoRangesAnswerAllWith13AsFreshRecordsOverSharedAccounts)
{
    const auto records = ask(12374, "all", "13");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1]->getKey(), "S2");
    auto first = boost::dynamic_pointer_cast<ttservice::CAccountAlgoRange>(records[0]);
    ASSERT_TRUE(first);
    EXPECT_NE(first, server.algoRanges->at(0));
    EXPECT_EQ(first->account, server.algoRanges->at(0)->account);
    EXPECT_EQ(first->settings.size(), 2u);
    EXPECT_TRUE(ask(12374, "all").empty());
    EXPECT_TRUE(ask(12374, "S1", "13").empty());
}

// Nested records as scenario files write them, and faults naming their place.
TEST(ListJson, NestedRecordsLoadAndFaultsNameThePlace)
{
    QString error;
    const sim::Scenario s = sim::Scenario::fromJson(R"({"servers": [{"name": "A",
        "algoRanges": [{"account": null, "settings": [{"permissions": {"TWAP": [1, 2], "POV": []}}, null]}],
        "answers": {"12311": [{"userKind": 3, "users": [{"userName": "y"}, null]}]}}]})",
                                                    &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const auto& range = *s.servers.at(0).algoRanges->at(0);
    EXPECT_FALSE(range.account);
    EXPECT_EQ(range.settings.at(0)->permissions,
              (std::map<std::string, std::set<int>>{{"TWAP", {1, 2}}, {"POV", {}}}));
    auto scripted =
        boost::dynamic_pointer_cast<CVornTypedUserInfo>(s.servers[0].answers.at(12311).fallback->at(0));
    ASSERT_TRUE(scripted && scripted->users.size() == 2);
    EXPECT_EQ(scripted->users[0]->userName, "y");

    const std::pair<const char*, const char*> faults[] = {
        {R"({"servers": [{"name": "A", "logins": [{"kind": 6}]}]})", "servers[0].logins[0].kind"},
        {R"({"servers": [{"name": "A", "logins": [{"kind": 1, "$type": "CLoginInfo"}]}]})",
         "CVornTypedUserItem"},
        {R"({"servers": [{"name": "A", "algoRanges": [{"settings": [{"permissions": {"IS": ["1"]}}]}]}]})",
         "servers[0].algoRanges[0].settings[0].permissions.IS[0]"},
    };
    for (const auto& fault : faults) {
        sim::Scenario::fromJson(fault.first, &error);
        EXPECT_TRUE(error.contains(fault.second)) << error.toStdString();
    }
}

} // namespace
