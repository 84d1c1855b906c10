#include "ScenarioBuilder.h"
#include "SimTestKit.h"

#include "data/Clock.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/Population.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using simtest::ask;
using ttservice::CVornAccountInfo;
using ttservice::CVornUserInfo;

// "field=value" of every int field that is not zero, in table order.
std::string nonZero(const ttservice::IDataPtr& record)
{
    std::string text;
    for (const ttservice::CRecordField& field : record->fieldTable()) {
        if (field.kind == ttservice::EFieldKind::Int && field.ref<int>(*record) != 0)
            text += (text.empty() ? "" : " ") + field.name + "=" + std::to_string(field.ref<int>(*record));
    }
    return text;
}

boost::shared_ptr<CVornAccountInfo> account(const std::string& id, int type, const std::string& name = "")
{
    auto a = kit::account(id, type, "金桥期货");
    if (!name.empty())
        a->accountName = name;
    return a;
}

boost::shared_ptr<ttservice::CVornProductInfo> product(int id, const std::string& name)
{
    auto p = boost::make_shared<ttservice::CVornProductInfo>();
    p->productId = id;
    p->productName = name;
    return p;
}

boost::shared_ptr<CVornUserInfo> user(const std::string& name, int clientKind)
{
    auto u = boost::make_shared<CVornUserInfo>();
    u->name = name;
    u->clientKind = clientKind;
    u->online = 1;
    return u;
}

// Manager 7 looks after F1, S1, P1, u1 (trader) and u2 (risk officer, signal-order client);
// F2, P3 and u2 were created today. The scripted 12254 and 12277 must give way to the counts.
class PopulationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        utils::setFixedCurrentDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        server = simtest::serverOf(R"({"servers": [{"name": "A", "answers": {
            "12203": [{"accountId": "F1", "accountName": "n-F1", "accountType": 1, "brokerName": "恒远期货",
                       "managerId": 7, "tradingEnabled": 1},
                      {"accountId": "F2", "accountName": "n-F2", "accountType": 1, "brokerName": "恒远期货",
                       "algoPermission": 1, "createdDay": "20261207"},
                      {"accountId": "S1", "accountType": 2, "brokerName": "东岳证券", "managerId": 7, "tradingEnabled": 1},
                      {"accountId": "C1", "accountType": 3, "brokerName": "南溪证券", "tradingEnabled": 1},
                      {"accountId": "B1", "accountType": 9, "brokerName": "江海银行", "tradingEnabled": 1}],
            "12224": [{"productId": 1, "productName": "甲", "active": 1, "managerId": 7},
                      {"productId": 2, "productName": "乙", "active": 1, "managerId": 8},
                      {"productId": 3, "productName": "丙", "createdDay": "20261207"}],
            "12209": [{"name": "u1", "userType": 11, "online": 1, "managerId": 7},
                      {"name": "u2", "userType": 12, "clientKind": 1, "online": 1, "managerId": 7, "createdDay": "20261207"},
                      {"name": "u3", "clientKind": 1}, {"name": "u4", "userType": 10, "clientKind": 4, "managerId": 8}],
            "12254": [{}], "12277": [{}]}}]})");
    }
    void TearDown() override { utils::setFixedCurrentDateTime(QDateTime()); }

    std::string counts(sim::SimBackend& backend, int dataType)
    {
        const sim::Records records = ask(backend, dataType, "all", "", &lastError);
        return records.size() == 1 ? nonZero(records[0]) : "answers: " + std::to_string(records.size());
    }
    utils::TTError add(sim::SimBackend& backend, int dataType, const ttservice::IDataPtr& record,
                       int operation = ttservice::QDO_ADD)
    {
        return simtest::operate(backend, dataType, operation, record);
    }

    sim::ServerSetup server;
    utils::TTError lastError;
};

TEST_F(PopulationTest, StatisticsCountThePopulationAndTodaysAdditions)
{
    sim::SimBackend backend(server, false, 1);
    EXPECT_EQ(counts(backend, 12254),
              "productsA=3 productsB=2 accountsA=5 accountsB=4 usersA=2 usersB=4 securitiesCompanies=2 "
              "futuresCompanies=1 signalOrdersA=1 signalOrdersB=2 mobileTerminalsB=1 algoPermissionsA=1 "
              "productsToday=1 usersToday=1 accountsToday=1");
    backend.setSubManagerId(7);
    EXPECT_EQ(counts(backend, 12277),
              "futuresAccounts=1 stockAccounts=1 riskOfficers=1 traders=1 productCount=1 signalOrderCount=1");
    backend.setSubManagerId(-1);
    EXPECT_EQ(counts(backend, 12277),
              "futuresAccounts=2 stockAccounts=1 creditAccounts=1 investmentManagers=1 "
              "riskOfficers=1 traders=1 productCount=3 signalOrderCount=2 bankAccounts=1");
}

// Type t has t accounts, each at a firm of its own, so every type lands in its own figure; a
// record without its inner account counts nowhere, an excluded account like any other.
TEST_F(PopulationTest, EachAccountTypeCountsUnderItsOwnFigure)
{
    sim::Records accounts{boost::make_shared<CVornAccountInfo>()};
    for (int type = 1; type <= 12; ++type) {
        for (int i = 0; i < type; ++i)
            accounts.push_back(kit::account("A" + std::to_string(type) + "-" + std::to_string(i), type,
                                            "b" + std::to_string(type) + "-" + std::to_string(i)));
    }
    boost::static_pointer_cast<CVornAccountInfo>(accounts.back())->account->excluded = true;
    sim::ServerSetup typed;
    typed.answers[12203].fallback = accounts;
    sim::SimBackend backend(typed, false, 1);
    EXPECT_EQ(
        counts(backend, 12277),
        "futuresAccounts=1 stockAccounts=2 creditAccounts=3 stockOptionAccounts=6 futuresOptionAccounts=5 "
        "neeqAccounts=4 shHkAccounts=7 szHkAccounts=11 interbankAccounts=8 bankAccounts=9 "
        "otcAccounts=10 financeAccounts=12");
    // Securities firms of types 2, 3, 4, 6, 7 and 11; futures firms of types 1 and 5.
    EXPECT_EQ(counts(backend, 12254), "accountsA=78 securitiesCompanies=33 futuresCompanies=6");
}

// A query for one type ("1") gets that type's listed and generated accounts in list order, from
// an index kept in step with creations; scripted answers and errors for a type still win.
TEST_F(PopulationTest, AccountsAreAnsweredByType)
{
    sim::addPopulation(server, sim::PopulationOptions{400, 0, 0, 3, {}}, QDate(2026, 12, 7));
    server.answers[12203].fallback->push_back(boost::make_shared<CVornAccountInfo>());
    server.answers[12203].entries[{"5", ""}] = {boost::make_shared<ttservice::CVornUserInfo>()};
    server.errors[12203].entries[{"7", ""}] = "沪港通账户服务不可用";
    sim::SimBackend backend(server, false, 1);
    const auto ids = [&](const std::string& param, int type) {
        std::vector<std::string> found;
        for (const auto& record : ask(backend, 12203, param, "", &lastError)) {
            const auto account = boost::dynamic_pointer_cast<CVornAccountInfo>(record);
            if (type == 0 || (account && account->account && account->account->accountType == type))
                found.push_back(record ? record->getKey() : "null");
        }
        return found;
    };
    const std::vector<std::string> all = ids("all", 0);
    EXPECT_EQ(all.size(), 406u) << "listed, generated, and the one without an inner account";
    EXPECT_EQ(ids("", 0), all);
    for (int type : {1, 2, 3, 4, 6, 8, 9, 10, 11, 12}) {
        const std::vector<std::string> ofType = ids(std::to_string(type), type);
        EXPECT_EQ(ids(std::to_string(type), 0), ofType) << "only accounts of type " << type;
        EXPECT_EQ(ofType, ids("all", type)) << "in list order";
        EXPECT_FALSE(ofType.empty()) << type;
    }
    EXPECT_TRUE(ids("13", 0).empty());
    EXPECT_EQ(ask(backend, 12203, "5").size(), 1u) << "a scripted answer for a type wins";
    EXPECT_TRUE(ids("7", 0).empty());
    EXPECT_EQ(lastError.errorMsg(), "沪港通账户服务不可用");

    EXPECT_TRUE(add(backend, 12203, account("N2", 2)).isSuccess());
    EXPECT_EQ(ids("2", 0).back(), "N2");
    EXPECT_EQ(ids("2", 0).size(), ids("all", 2).size());
}

TEST_F(PopulationTest, RefusedCreationsAndChangesNameTheProblemAndStoreNothing)
{
    sim::SimBackend backend(server, false, 1);
    const sim::Records before = ask(backend, 12254, "all");
    struct Case
    {
        int code;
        ttservice::IDataPtr record;
        const char* expected;
        int operation;
    };
    const Case cases[] = {
        {12203, account("N1", 1, std::string(33, 'a')), "账户名称超过32个字符", ttservice::QDO_ADD},
        {12203, account("F1", 2), "账户编号已存在: F1", ttservice::QDO_ADD},
        {12203, account("N4", 13), "账户类型无效", ttservice::QDO_ADD},
        {12203, boost::make_shared<CVornAccountInfo>(), "账户编号不能为空", ttservice::QDO_ADD},
        {12203, user("N5", 0), "CVornAccountInfo", ttservice::QDO_ADD},
        {12203, account("N6", 1), "只能新增", ttservice::QDO_DELETE},
        {12209, user("u3", 0), "用户名已存在: u3", ttservice::QDO_ADD},
        {12224, product(0, "丁"), "产品编号无效: 0", ttservice::QDO_ADD},
        {12224, product(-4, "丁"), "产品编号无效: -4", ttservice::QDO_ADD},
        {12224, product(1, "丁"), "产品编号已存在: 1", ttservice::QDO_ADD},
        {12224, product(9, "丁"), "产品不存在: 9", ttservice::QDO_MODIFY},
        {12224, product(1, "乙"), "产品名称已存在: 乙", ttservice::QDO_MODIFY},
        {12224, product(1, ""), "产品名称不能为空", ttservice::QDO_MODIFY},
        {12224, account("1", 1), "修改产品需要一条 CVornProductInfo", ttservice::QDO_MODIFY},
        {12224, product(1, "甲"), "只能新增", ttservice::QDO_DELETE},
    };
    for (const Case& c : cases) {
        const utils::TTError error = add(backend, c.code, c.record, c.operation);
        EXPECT_FALSE(error.isSuccess()) << c.expected;
        EXPECT_NE(error.errorMsg().find(c.expected), std::string::npos) << error.errorMsg();
    }
    EXPECT_EQ(ask(backend, 12203, "all").size(), 5u);
    EXPECT_TRUE(ask(backend, 12254, "all").at(0)->sameFields(*before.at(0)));
    const auto products = [&] {
        std::string seen;
        for (const auto& record : ask(backend, 12224, "all")) {
            auto p = boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record);
            seen += p->getKey() + p->productName + (p->riskControlEnabled ? "+" : "-") + p->createdDay + " ";
        }
        return seen;
    };
    EXPECT_EQ(products(), "1甲- 2乙- 3丙-20261207 ");

    // A modify replaces the product with its id and keeps the day it was created.
    auto kept = product(1, "甲");
    kept->riskControlEnabled = true;
    EXPECT_TRUE(add(backend, 12224, kept, ttservice::QDO_MODIFY).isSuccess()) << "its own name is no clash";
    auto changed = product(3, "丙二");
    changed->riskControlEnabled = true;
    EXPECT_TRUE(add(backend, 12224, changed, ttservice::QDO_MODIFY).isSuccess());
    EXPECT_EQ(products(), "1甲+ 2乙- 3丙二+20261207 ");
}

TEST_F(PopulationTest, ScriptedAnswersStandWithoutAPopulationAndErrorsWinOverCounts)
{
    sim::ServerSetup bare = server;
    for (int code : {12203, 12224, 12209})
        bare.answers.erase(code);
    sim::SimBackend scripted(bare, false, 1);
    EXPECT_TRUE(add(scripted, 12203, account("F1", 1)).isSuccess());
    EXPECT_EQ(counts(scripted, 12254), "");

    server.errors[12254].fallback = "统计服务不可用";
    sim::SimBackend failing(server, false, 1);
    EXPECT_TRUE(ask(failing, 12254, "all", "", &lastError).empty());
    EXPECT_EQ(lastError.errorMsg(), "统计服务不可用");
    failing.setComputedAnswer(12277, {});
    EXPECT_EQ(counts(failing, 12277), "");
}

TEST(GeneratedPopulation, IsRepeatableAndUniquelyKeyed)
{
    const sim::PopulationOptions options{300, 40, 120, 7, {101, 102}};
    sim::ServerSetup first;
    sim::ServerSetup second;
    sim::addPopulation(first, options, QDate(2026, 12, 7));
    sim::addPopulation(second, options, QDate(2026, 12, 7));
    for (int code : {12203, 12224, 12209}) {
        const sim::Records& a = *first.answers.at(code).fallback;
        const sim::Records& b = *second.answers.at(code).fallback;
        ASSERT_EQ(a.size(), b.size());
        std::set<std::string> keys;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_TRUE(a[i]->sameFields(*b[i]));
            keys.insert(a[i]->getKey());
        }
        EXPECT_EQ(keys.size(), a.size()) << code;
    }
    // About 10 % of the accounts may not be changed by the user, about 1 % are excluded, all
    // belong to a few institutions.
    const sim::PopulationOptions many{3000, 0, 0, 5, {}};
    sim::ServerSetup large;
    sim::addPopulation(large, many, QDate(2026, 12, 7));
    int locked = 0;
    int excluded = 0;
    std::set<std::string> institutions;
    // Futures and futures options at futures firms, interbank and bank accounts at banks.
    const std::map<int, std::string> firmKinds{
        {1, "期货"}, {5, "期货"}, {8, "银行"}, {9, "银行"}, {12, "理财"}};
    for (const auto& record : *large.answers.at(12203).fallback) {
        const auto account = boost::static_pointer_cast<CVornAccountInfo>(record);
        ASSERT_TRUE(account->account);
        const auto kind = firmKinds.find(account->account->accountType);
        const std::string firm = account->brokerName;
        const std::string expected = kind == firmKinds.end() ? "证券" : kind->second;
        EXPECT_EQ(firm.substr(firm.size() - expected.size()), expected) << account->account->accountType;
        locked += !account->modifiable;
        excluded += account->account->excluded;
        institutions.insert(std::to_string(account->institutionNo) + account->institutionName);
    }
    EXPECT_NEAR(locked, 300, 60);
    EXPECT_NEAR(excluded, 30, 20);
    EXPECT_EQ(institutions.size(), 5u);

    std::set<bool> switches;
    for (const auto& record : *first.answers.at(12224).fallback)
        switches.insert(boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record)->riskControlEnabled);
    EXPECT_EQ(switches.size(), 2u) << "products with their risk control on and off";
}

} // namespace
