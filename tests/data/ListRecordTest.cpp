#include "ScenarioBuilder.h"
#include "data/BSON.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/TypeManager.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

namespace {

using ttservice::CAccountAlgoRange;
using ttservice::CVornTypedUserInfo;
using ttservice::CVornTypedUserItem;

// A list of two logins and an account with one full and one null setting.
class ListRecordTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        logins.userKind = 2;
        logins.users = {kit::loginItem("li", "2026-12-07 09:00:00", 3),
                        kit::loginItem("wang", "2026-12-07 09:00:00")};
        range = *kit::algoRange("S1", {{{"TWAP", {1, 2}}, {"POV", {}}}});
        range.settings.push_back(nullptr);
    }

    CVornTypedUserInfo logins;
    CAccountAlgoRange range;
};

TEST_F(ListRecordTest, KeysNameWhatTellsRowsAndLoginsApart)
{
    EXPECT_EQ(logins.users[0]->getKey(),
              "li__192.168.1.21__00:1A:2B:3C:4D:12__WD-li__2026-12-07 09:00:00__V6.2.3.1208__3");
    EXPECT_EQ(CAccountAlgoRange().getKey(), "");
    ttservice::CLoginInfo login;
    login.userName = "li";
    login.terminalTypeId = 3;
    EXPECT_EQ(login.getKey(), "li____3______");
}

TEST_F(ListRecordTest, NestedMembersReachTheBsonDocument)
{
    bson::BSONObjBuilder users;
    logins.toBsonWithBson(users);
    const std::string usersJson = users.obj().jsonString();
    EXPECT_NE(usersJson.find(R"("userName" : "wang")"), std::string::npos) << usersJson;

    bson::BSONObjBuilder ranges;
    range.toBsonWithBson(ranges);
    const std::string rangeJson = ranges.obj().jsonString();
    EXPECT_NE(rangeJson.find(R"("POV" : [  ], "TWAP" : [ 1, 2 ])"), std::string::npos) << rangeJson;
    EXPECT_NE(rangeJson.find(R"({  } ])"), std::string::npos) << rangeJson;
}

TEST(TypeManager, AccountTypesFollowTheTraderMaskAndUnknownsGetAFallback)
{
    const auto name = [](const char* enumName, int value, int traderType = 810495) {
        return ttservice::TypeManager::getEnumItemName(enumName, value, traderType);
    };
    // The full mask names every type; a type with a trade type needs that trade type's bit.
    const char* const full[] = {"期货",   "股票",   "信用", "股转", "期货期权", "股票期权",
                                "沪港通", "银行间", "银行", "场外", "深港通",   "理财"};
    for (int type = 1; type <= 12; ++type)
        EXPECT_EQ(name("ttservice::EAccountType", type), full[type - 1]) << type;
    // Each type with a trade type needs exactly its own bit.
    const std::pair<int, int> bits[] = {{1, 2},    {2, 1},  {3, 8},   {4, 256},
                                        {5, 1024}, {6, 32}, {7, 128}, {11, 16384}};
    for (const auto& typeBit : bits) {
        const int type = typeBit.first;
        EXPECT_EQ(name("ttservice::EAccountType", type, typeBit.second), full[type - 1]) << type;
        EXPECT_EQ(name("ttservice::EAccountType", type, 810495 & ~typeBit.second),
                  "未知类型(" + std::to_string(type) + ")");
    }
    EXPECT_EQ(name("ttservice::EAccountType", 9, 1), "银行") << "no trade type of its own";
    EXPECT_EQ(name("ttservice::EAccountType", 11, 0), "深港通");
    EXPECT_EQ(name("ttservice::EAccountType", 13, 0), "未知类型(13)");
    EXPECT_EQ(name("ttservice::EAccountType", -1), "未知类型(-1)");
    EXPECT_EQ(name("ttservice::EServiceClientID", 6), "移动终端");
    EXPECT_EQ(name("ttservice::EServiceClientID", 9), "未知终端(9)");
    EXPECT_EQ(name("ttservice::EQdUserType", 10), "管理员");
    EXPECT_EQ(name("ttservice::EQdUserType", 99), "");
    EXPECT_EQ(name("ttservice::ENoSuchEnum", 1), "");
}

} // namespace
