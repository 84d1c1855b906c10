#include "SimTestKit.h"

#include "data/Clock.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplate.h"
#include "data/ttservice/CVornRcTemplateGroup.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

namespace {

using ttservice::CVornAccountRcSetting;
using ttservice::CVornProductRcSetting;
using ttservice::CVornRcRelation;
using ttservice::QDO_ADD;
using ttservice::QDO_DELETE;
using ttservice::QDO_MODIFY;
using Seen = std::vector<std::string>;

// Account template 1, product template 2, account group 5 bundling 1 and 3; template 1 applied to
// A1 and A2, group 5 to A1, template 2 to product 1001 of server 1; a preset setting of A1.
const char* const kServer = R"({"servers": [{"name": "A", "systemTag": 1, "riskControl": [
    {"$type": "CVornRcTemplate", "templateId": 1, "templateName": "稳健", "targetKind": 1, "maxOrderVolume": 500},
    {"$type": "CVornRcTemplate", "templateId": 2, "templateName": "产品标准", "targetKind": 2},
    {"$type": "CVornRcTemplateGroup", "groupId": 5, "groupName": "日内组", "templateIds": "1, 3,x", "targetKind": 1},
    {"$type": "CVornRcRelation", "ownerKind": 1, "ownerId": 1, "targetKind": 1, "accountId": "A1"},
    {"$type": "CVornRcRelation", "ownerKind": 1, "ownerId": 1, "targetKind": 1, "accountId": "A2"},
    {"$type": "CVornRcRelation", "ownerKind": 2, "ownerId": 5, "targetKind": 1, "accountId": "A1"},
    {"$type": "CVornRcRelation", "ownerKind": 1, "ownerId": 2, "targetKind": 2, "productId": 1001, "productSystemTag": 1},
    {"$type": "CVornAccountRcSetting", "accountId": "A1", "traderType": 2, "maxOrderVolume": 20, "maxPositionVolume": 100}]}]})";

// The keys of what the server answers.
Seen keys(sim::SimBackend& backend, int code, const std::string& param)
{
    Seen seen;
    for (const auto& record : simtest::ask(backend, code, param))
        seen.push_back(record ? record->getKey() : "null");
    return seen;
}

boost::shared_ptr<CVornRcRelation> relation(int ownerKind, int ownerId, const std::string& accountId,
                                            int productId = 0)
{
    auto record = boost::make_shared<CVornRcRelation>();
    record->ownerKind = ownerKind;
    record->ownerId = ownerId;
    record->targetKind = productId ? ttservice::RC_TARGET_PRODUCT : ttservice::RC_TARGET_ACCOUNT;
    record->accountId = accountId;
    record->productId = productId;
    record->productSystemTag = productId ? 1 : 0;
    return record;
}

template <class R, class V, class W> boost::shared_ptr<R> with(boost::shared_ptr<R> record, V R::*member, W value)
{
    (*record).*member = value;
    return record;
}

struct Refusal
{
    int code;
    int operation;
    ttservice::IDataPtr record;
    const char* expected;
};

// Each operation fails with a message that contains the expected text.
void expectRefused(sim::SimBackend& backend, std::initializer_list<Refusal> refusals)
{
    for (const Refusal& c : refusals) {
        const utils::TTError error = simtest::operate(backend, c.code, c.operation, c.record);
        EXPECT_FALSE(error.isSuccess()) << c.expected;
        EXPECT_NE(error.errorMsg().find(c.expected), std::string::npos) << error.errorMsg();
    }
}

TEST(RiskControlSim, TemplatesAndGroupsAnswerByKindRelationsByOwner)
{
    sim::SimBackend backend(simtest::serverOf(kServer), false, 1);
    EXPECT_EQ(keys(backend, 23452, "account"), Seen{"1"});
    EXPECT_EQ(keys(backend, 23452, "product"), Seen{"2"});
    EXPECT_EQ(keys(backend, 23452, "all"), (Seen{"1", "2"}));
    EXPECT_EQ(keys(backend, 23452, ""), Seen{});
    EXPECT_EQ(keys(backend, 23453, "account"), Seen{"5"});
    EXPECT_EQ(keys(backend, 23453, "product"), Seen{});
    EXPECT_EQ(keys(backend, 23454, "1"), (Seen{"T1|A|A1", "T1|A|A2"}));
    EXPECT_EQ(keys(backend, 23454, "2"), Seen{"T2|P|1:1001"});
    EXPECT_EQ(keys(backend, 23454, "5"), Seen{}) << "a group's id is no template's";
    EXPECT_EQ(keys(backend, 23455, "5"), Seen{"G5|A|A1"});
    EXPECT_EQ(keys(backend, 23454, "x"), Seen{});
    const auto group = boost::dynamic_pointer_cast<ttservice::CVornRcTemplateGroup>(
        simtest::ask(backend, 23453, "all").at(0));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->templateIdList(), (std::vector<int>{1, 3}));
}

TEST(RiskControlSim, RelationsAreAppliedAndRemovedOnceAndOnlyForTheirOwnersKind)
{
    sim::SimBackend backend(simtest::serverOf(kServer), false, 1);
    expectRefused(backend, {
        {23454, QDO_ADD, relation(1, 1, "A1"), "已应用: 账号 A1"},
        {23454, QDO_DELETE, relation(1, 1, "A9"), "未应用: 账号 A9"},
        {23454, QDO_DELETE, relation(1, 2, "", 1002), "未应用: 产品 1002"},
        {23454, QDO_ADD, relation(1, 9, "A1"), "风控模板不存在: 9"},
        {23455, QDO_ADD, relation(2, 1, "A1"), "风控模板组不存在: 1"},
        {23454, QDO_ADD, relation(1, 2, "A3"), "风控模板 2 不适用于账号"},
        {23454, QDO_ADD, relation(1, 1, "", 7), "风控模板 1 不适用于产品"},
        {23455, QDO_ADD, relation(1, 5, "A3"), "应用的不是风控模板组"},
        {23454, QDO_ADD, relation(1, 1, ""), "应用对象不能为空"},
        {23454, QDO_MODIFY, relation(1, 1, "A1"), "只能新增或删除 (operation 2)"},
        {23454, QDO_ADD, boost::make_shared<ttservice::CVornRcTemplate>(), "需要一条 CVornRcRelation"},
    });
    EXPECT_EQ(keys(backend, 23454, "1"), (Seen{"T1|A|A1", "T1|A|A2"}));
    EXPECT_EQ(keys(backend, 23455, "5"), Seen{"G5|A|A1"});

    EXPECT_TRUE(simtest::operate(backend, 23454, QDO_ADD, relation(1, 1, "A3")).isSuccess());
    EXPECT_TRUE(simtest::operate(backend, 23454, QDO_DELETE, relation(1, 1, "A1")).isSuccess());
    EXPECT_TRUE(simtest::operate(backend, 23454, QDO_ADD, relation(1, 2, "", 1002)).isSuccess());
    EXPECT_TRUE(simtest::operate(backend, 23455, QDO_DELETE, relation(2, 5, "A1")).isSuccess());
    EXPECT_EQ(keys(backend, 23454, "1"), (Seen{"T1|A|A2", "T1|A|A3"}));
    EXPECT_EQ(keys(backend, 23454, "2"), (Seen{"T2|P|1:1001", "T2|P|1:1002"}));
    EXPECT_EQ(keys(backend, 23455, "5"), Seen{});
}

TEST(RiskControlSim, SettingsAreKeptByIdWhenThePlatformAcceptsThem)
{
    utils::setFixedCurrentDateTime(QDateTime(QDate(2026, 12, 7), QTime(9, 15)));
    sim::SimBackend backend(simtest::serverOf(kServer), false, 1);
    EXPECT_EQ(keys(backend, 23450, "A1"), Seen{"A1"});
    EXPECT_EQ(keys(backend, 23450, "A2"), Seen{}) << "no setting stored: the panel shows defaults";

    const auto account = [](int orderVolume, int positionVolume) {
        auto record = boost::make_shared<CVornAccountRcSetting>();
        record->accountId = "A2";
        record->traderType = 2;
        record->maxOrderVolume = orderVolume;
        record->maxPositionVolume = positionVolume;
        return record;
    };
    const auto product = [](int productId, double lossRatio) {
        auto record = boost::make_shared<CVornProductRcSetting>();
        record->productId = productId;
        record->maxNetAssetLossRatio = lossRatio;
        return record;
    };
    using Setting = CVornAccountRcSetting;
    expectRefused(backend, {
        {23450, QDO_MODIFY, account(10000001, 0), "单笔最大委托数量超出范围 (0 - 10000000): 10000001"},
        {23450, QDO_MODIFY, account(-1, 0), "单笔最大委托数量超出范围"},
        {23450, QDO_MODIFY, account(0, 100000001), "最大持仓数量超出范围"},
        {23450, QDO_MODIFY, account(101, 100), "单笔最大委托数量不能大于最大持仓数量 (101 > 100)"},
        {23450, QDO_MODIFY, with(account(0, 0), &Setting::maxDailyLoss, 100000000000.01), "单日最大亏损超出范围"},
        {23450, QDO_MODIFY, with(account(0, 0), &Setting::maxCancelRatio, 101), "最大撤单比例超出范围 (0 - 100): 101"},
        {23450, QDO_MODIFY, with(account(0, 0), &Setting::maxOrderAmount, -0.01), "单笔最大委托金额超出范围"},
        {23450, QDO_MODIFY, with(account(1, 0), &Setting::traderType, 3), "交易类型无效: 3"},
        {23450, QDO_MODIFY, with(account(1, 0), &Setting::accountId, ""), "账号不能为空"},
        {23450, QDO_ADD, account(1, 0), "风控设置只能修改 (operation 1)"},
        {23450, QDO_MODIFY, product(1001, 1), "需要一条 CVornAccountRcSetting 记录"},
        {23451, QDO_MODIFY, product(1001, 100.01), "净值最大亏损比例超出范围"},
        {23451, QDO_MODIFY, with(product(1001, 0), &CVornProductRcSetting::maxSingleStockRatio, 100.5), "单一股票最大持仓比例超出范围"},
        {23451, QDO_MODIFY, product(0, 1), "产品编号无效: 0"},
    });
    EXPECT_EQ(keys(backend, 23450, "A2"), Seen{});
    EXPECT_EQ(keys(backend, 23451, "1001"), Seen{});

    // The edges of the ranges are kept; equal volumes too.
    auto edges = account(100, 100);
    edges->maxCancelRatio = 100;
    edges->maxDailyLoss = 100000000000.0;
    edges->maxOrderAmount = 0;
    EXPECT_TRUE(simtest::operate(backend, 23450, QDO_MODIFY, edges).isSuccess());
    EXPECT_TRUE(simtest::operate(backend, 23450, QDO_MODIFY, account(5000, 0)).isSuccess())
        << "no position limit: any order volume";
    EXPECT_TRUE(simtest::operate(backend, 23451, QDO_MODIFY, product(1001, 100)).isSuccess());
    const auto stored = boost::dynamic_pointer_cast<CVornAccountRcSetting>(simtest::ask(backend, 23450, "A2").at(0));
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::to_string(stored->maxOrderVolume) + " " + std::to_string(stored->maxPositionVolume) + " " +
                  stored->updateTime,
              "5000 0 2026-12-07 09:15:00");
    EXPECT_EQ(keys(backend, 23451, "1001"), Seen{"1001"});
    EXPECT_EQ(keys(backend, 23451, "1002"), Seen{});
    EXPECT_EQ(keys(backend, 23450, "A1"), Seen{"A1"});
    utils::setFixedCurrentDateTime(QDateTime());
}

} // namespace
