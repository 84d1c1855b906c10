#include "data/BSON.h"
#include "data/CUserManager.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "data/ttservice/RecordFactory.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <limits>

namespace {

class RecordBsonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        status.statusType = ttservice::QSST_FILE_SYSTEM;
        status.deviceName = "/data";
        status.itemName = "委托记录";
        status.running = 1;
        status.runTime = "12:34:56";
        status.fsSize = 2147483648.0;
        status.used = 1352914534.5;
        status.memoryUsed = std::numeric_limits<double>::max();
        status.faultFlag = 1;
    }

    ttservice::CVornSysStatusInfo status;
};

TEST_F(RecordBsonTest, EveryFieldSurvivesTheRoundTrip)
{
    bson::BSONObjBuilder builder;
    status.toBsonWithBson(builder);
    const bson::BSONObj obj = builder.obj();
    EXPECT_EQ(obj.nFields(), static_cast<int>(status.fieldTable().size()));
    EXPECT_EQ(obj.getStringField("deviceName"), "/data");
    EXPECT_DOUBLE_EQ(obj.getDoubleField("memoryUsed"), std::numeric_limits<double>::max());

    ttservice::CVornSysStatusInfo back;
    back.fromBson(obj);
    EXPECT_TRUE(back.sameFields(status));
    back.cpuUsage = 1;
    EXPECT_FALSE(back.sameFields(status));
}

TEST_F(RecordBsonTest, MissingOrMistypedFieldsReadAsZeroOrEmpty)
{
    const bson::BSONObj empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.getIntField("x"), 0);
    EXPECT_EQ(empty.getStringField("x"), "");
    const bson::BSONObj obj =
        bson::BSONObjBuilder().append("n", 5).append("s", "text").append("b", true).obj();
    EXPECT_EQ(obj.getIntField("missing"), 0);
    EXPECT_EQ(obj.getStringField("n"), "");
    EXPECT_EQ(obj.getIntField("s"), 0);
    EXPECT_TRUE(obj.getBoolField("b"));
    EXPECT_DOUBLE_EQ(obj.getDoubleField("n"), 5.0);
    EXPECT_NE(obj.jsonString().find("\"text\""), std::string::npos);
}

TEST_F(RecordBsonTest, CopiesAndMovesOwnTheirDocuments)
{
    bson::BSONObj original = bson::BSONObjBuilder().append("a", 1).append("big", 1LL << 40).obj();
    bson::BSONObj copy = original;
    bson::BSONObj moved = std::move(original);
    copy = copy;
    moved = bson::BSONObjBuilder().append("z", "z").obj();
    EXPECT_EQ(copy.getIntField("a"), 1);
    EXPECT_EQ(copy.getLongField("big"), 1LL << 40);
    EXPECT_EQ(moved.nFields(), 1);
    EXPECT_TRUE(moved.hasField("z"));
}

TEST_F(RecordBsonTest, CloneIsDeepAndKeepsTheClass)
{
    status.setSystemTag(9);
    ttservice::IDataPtr copy = status.clone();
    auto typed = boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(copy);
    ASSERT_TRUE(typed);
    EXPECT_TRUE(typed->sameFields(status));
    EXPECT_EQ(typed->getSystemTag(), 9);
    typed->deviceName = "/other";
    EXPECT_EQ(status.deviceName, "/data");
}

TEST(RecordFactory, CreatesKnownClassesOnly)
{
    EXPECT_TRUE(boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(
        ttservice::createRecord("CVornExchangeInfo")));
    EXPECT_FALSE(ttservice::createRecord("CNoSuchRecord"));
    for (const std::string& name : ttservice::recordClassNames())
        EXPECT_EQ(ttservice::createRecord(name)->className(), name);
}

class UserManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto user = boost::make_shared<ttservice::CVornUserInfo>();
        user->name = "zhang";
        user->userType = 7;
        user->roleType = 4;
        users->setUser(user, false, {10081, 11291}, false);
        users->setRoleTypes({{1, 1}, {11, 3}});
    }
    void TearDown() override
    {
        users->setUser(nullptr, false, {}, false);
        users->setRoleTypes({});
    }

    Ocv::CUserManager* users = utils::CSingletonT<Ocv::CUserManager>::instance();
};

TEST_F(UserManagerTest, RoleTypesComeFromTheTableThenTheUserRecord)
{
    EXPECT_EQ(users->getUserType(), 7);
    EXPECT_EQ(users->getUserRoleType(11), 3);
    EXPECT_EQ(users->getUserRoleType(7), 4);
    EXPECT_EQ(users->getUserRoleType(99), 0);
}

TEST_F(UserManagerTest, RightsAreHeldListedOrAll)
{
    EXPECT_TRUE(users->checkUserAuth(10081));
    EXPECT_FALSE(users->checkUserAuth(21380));
    EXPECT_FALSE(users->isAdmin());
    users->setUser(users->getUserInfoPtr(), true, {}, true);
    EXPECT_TRUE(users->checkUserAuth(21380));
    EXPECT_TRUE(users->isAdmin());
    ASSERT_TRUE(users->getCurrentLoginParamPtr());
    users->setUser(nullptr, true, {}, true);
    EXPECT_FALSE(users->checkUserAuth(10081));
    EXPECT_EQ(users->getUserType(), 0);
    EXPECT_FALSE(users->getCurrentLoginParamPtr());
}

} // namespace
