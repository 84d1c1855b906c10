#include "data/BSON.h"
#include "data/CUserManager.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "data/ttservice/RecordFactory.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <limits>

namespace {

// Strings (one of them UTF-8), an int and doubles including the DBL_MAX "no value" marker.
TEST(Record, EveryFieldSurvivesTheBsonRoundTrip)
{
    ttservice::CVornSysStatusInfo status;
    status.itemName = "委托记录";
    status.running = 1;
    status.used = 1352914534.5;
    status.memoryUsed = std::numeric_limits<double>::max();
    bson::BSONObjBuilder builder;
    status.toBsonWithBson(builder);
    const bson::BSONObj obj = builder.obj();
    EXPECT_EQ(obj.nFields(), static_cast<int>(status.fieldTable().size()));
    EXPECT_DOUBLE_EQ(obj.getDoubleField("memoryUsed"), std::numeric_limits<double>::max());

    ttservice::CVornSysStatusInfo back;
    back.fromBson(obj);
    EXPECT_TRUE(back.sameFields(status));
    back.cpuUsage = 1;
    EXPECT_FALSE(back.sameFields(status));

    // Booleans, and a key made of the trade type.
    ttservice::CGlobalFutureRCConfig config;
    config.tradeType = 1024;
    config.matchedCheckOff = true;
    config.matchedWindowSeconds = 300;
    config.updatedBy = "管理员";
    bson::BSONObjBuilder configBuilder;
    config.toBsonWithBson(configBuilder);
    ttservice::CGlobalFutureRCConfig configBack;
    configBack.fromBson(configBuilder.obj());
    EXPECT_TRUE(configBack.sameFields(config));
    EXPECT_TRUE(configBack.matchedCheckOff && !configBack.reverseCheckOff);
    EXPECT_EQ(configBack.getKey(), "rat|1024");
    ttservice::CGlobalStockRCConfig stock;
    stock.tradeType = 16384;
    EXPECT_EQ(stock.getKey(), "rat|16384");
}

TEST(Bson, CopiesAndMovesOwnTheirDocuments)
{
    bson::BSONObj original = bson::BSONObjBuilder().append("a", 1).append("big", 1LL << 40).obj();
    bson::BSONObj copy = original;
    bson::BSONObj moved = std::move(original);
    copy = copy;
    moved = bson::BSONObjBuilder().append("z", "z").obj();
    EXPECT_EQ(copy.getIntField("a"), 1);
    EXPECT_EQ(copy.getLongField("big"), 1LL << 40);
    EXPECT_TRUE(moved.nFields() == 1 && moved.hasField("z"));
}

TEST(RecordFactory, CreatesKnownClassesOnly)
{
    EXPECT_TRUE(boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(
        ttservice::createRecord("CVornExchangeInfo")));
    EXPECT_FALSE(ttservice::createRecord("CNoSuchRecord"));
    for (const std::string& name : ttservice::recordClassNames())
        EXPECT_EQ(ttservice::createRecord(name)->className(), name);
}

TEST(UserManager, RoleTypesAndRightsFollowTheUser)
{
    Ocv::CUserManager* users = utils::CSingletonT<Ocv::CUserManager>::instance();
    auto user = boost::make_shared<ttservice::CVornUserInfo>();
    user->userType = 7;
    user->roleType = 4;
    users->setUser(user, false, {10081, 11291}, false);
    users->setRoleTypes({{1, 1}, {11, 3}});
    // The table wins; the user's own type falls back to the record's role type.
    EXPECT_EQ(users->getUserRoleType(11), 3);
    EXPECT_EQ(users->getUserRoleType(7), 4);
    EXPECT_EQ(users->getUserRoleType(99), 0);
    EXPECT_TRUE(users->checkUserAuth(10081));
    EXPECT_FALSE(users->checkUserAuth(21380));
    EXPECT_FALSE(users->isAdmin());

    users->setUser(user, true, {}, true);
    EXPECT_TRUE(users->checkUserAuth(21380) && users->isAdmin());
    EXPECT_TRUE(users->getCurrentLoginParamPtr());

    users->setUser(nullptr, true, {}, true);
    users->setRoleTypes({});
    EXPECT_FALSE(users->checkUserAuth(10081) || users->isAdmin());
    EXPECT_EQ(users->getUserType(), 0);
    EXPECT_FALSE(users->getCurrentLoginParamPtr());
}

} // namespace
