#include "data/BSON.h"
#include "data/CUserManager.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornProductsResp.h"
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

// The inner account is part of the record: copied by clone(), compared, written, and the key;
// so are the products of a server's product list.
TEST(Record, AccountsAndProductListsOwnWhatTheyHold)
{
    ttservice::CVornAccountInfo account;
    EXPECT_EQ(account.getKey(), "") << "no inner account";
    account.account = boost::make_shared<ttservice::CAccountInfo>();
    account.account->accountId = "F1";
    account.account->accountType = 5;
    account.institutionName = "澄岭资产";
    EXPECT_EQ(account.getKey(), "F1");

    const auto copy = boost::static_pointer_cast<ttservice::CVornAccountInfo>(account.clone());
    ASSERT_TRUE(copy->account && copy->account != account.account);
    EXPECT_TRUE(copy->sameFields(account));
    copy->account->excluded = true;
    EXPECT_FALSE(account.account->excluded);
    EXPECT_FALSE(copy->sameFields(account)) << "the inner account's mark differs";
    copy->account.reset();
    EXPECT_FALSE(copy->sameFields(account));
    EXPECT_FALSE(account.sameFields(*copy));
    EXPECT_TRUE(copy->sameFields(*copy->clone())) << "neither has one";

    bson::BSONObjBuilder builder;
    account.toBsonWithBson(builder);
    const std::string json = builder.obj().jsonString();
    EXPECT_NE(json.find(R"("account" : { "accountId" : "F1", "accountType" : 5, "excluded" : false })"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(R"("modifiable" : true)"), std::string::npos) << json;

    ttservice::CVornProductsResp list;
    auto product = boost::make_shared<ttservice::CVornProductInfo>();
    product->productId = 42;
    list.products = {product, nullptr};
    const auto listCopy = boost::static_pointer_cast<ttservice::CVornProductsResp>(list.clone());
    ASSERT_EQ(listCopy->products.size(), 2u);
    EXPECT_TRUE(listCopy->products[0] != product && !listCopy->products[1]);
    EXPECT_TRUE(listCopy->sameFields(list));
    boost::static_pointer_cast<ttservice::CVornProductInfo>(listCopy->products[0])->productId = 43;
    EXPECT_EQ(product->getKey(), "42");
    EXPECT_FALSE(listCopy->sameFields(list));
    listCopy->products.pop_back();
    EXPECT_FALSE(list.sameFields(*listCopy));
    bson::BSONObjBuilder listBuilder;
    list.toBsonWithBson(listBuilder);
    const std::string listJson = listBuilder.obj().jsonString();
    EXPECT_NE(listJson.find(R"("products" : [ { "productId" : 42)"), std::string::npos) << listJson;
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
