#include "ListTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"

#include "data/ttservice/CAccountAlgoRange.h"
#include "kx/CStandardHpfTable.h"
#include "smartalgo/CSmartAlgoDialog.h"
#include "smartalgo/CSmartAlgoModel.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <memory>

using listtest::column;

namespace {

using kit::center;

class SmartAlgoDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { builder.server("s1"); }
    void TearDown() override
    {
        dialog.reset();
        kit::waitForAnswers();
    }
    Ocv::CSmartAlgoDialog* load(int kind = 6)
    {
        builder.install();
        center()->clearServerMessages();
        center()->clearSentRequests();
        dialog = std::make_unique<Ocv::CSmartAlgoDialog>(nullptr);
        dialog->showAndQuery(QStringLiteral("s1"), kind);
        EXPECT_TRUE(kit::waitForAnswers());
        return dialog.get();
    }
    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CSmartAlgoDialog> dialog;
};

TEST_F(SmartAlgoDialogTest, FirstSettingGivesTheSmallestValueOfEachKnownCode)
{
    auto noSettings = kit::algoRange("880003", {});
    auto noAccount = kit::algoRange("880004", {{{"TWAP", {1}}}});
    noAccount->account.reset();
    auto noInnerAccount = kit::algoRange("880005", {{{"TWAP", {1}}}});
    noInnerAccount->account->account.reset();
    builder.algoRanges(
        {kit::algoRange("880001",
                        {{{"VWAPPLUS", {1}}, {"TWAP", {0}}, {"MOC", {}}, {"POV", {1}}}, {{"ICEBERG", {1}}}}),
         kit::algoRange("880002", {{{"ICEBERG", {3, 1}}}}), noSettings, noAccount, noInnerAccount});
    auto* d = load();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("智能算法权限账号"));
    ASSERT_EQ(column(*d->model(), 0), (QStringList{QStringLiteral("880001"), QStringLiteral("880002")}));
    const auto first = d->model()->dataAt(0);
    EXPECT_EQ(first->getColumnText(5), QStringLiteral("是"));
    EXPECT_EQ(first->getColumnText(3), QString());
    EXPECT_EQ(first->getColumnText(16), QString()) << "an empty set keeps 0";
    EXPECT_EQ(first->getColumnText(7), QString()) << "only the first setting counts";
    EXPECT_EQ(first->getColumnText(2), QStringLiteral("东岳证券"));
    EXPECT_EQ(d->model()->dataAt(1)->getColumnText(7), QStringLiteral("是")) << "the smallest of {1, 3}";

    d->handleEvent(101, 0, 0, QStringLiteral("0002"), nullptr);
    EXPECT_EQ(column(*d->model(), 0), QStringList{QStringLiteral("880002")});
    d->handleEvent(101, 0, 0, QString(), nullptr);
    EXPECT_EQ(d->model()->rowCount(), 2);
    ASSERT_EQ(center()->sentRequests().size(), 1u);
    EXPECT_EQ(center()->sentRequests()[0].param, "all");
    EXPECT_EQ(center()->sentRequests()[0].param2, "13");
}

TEST_F(SmartAlgoDialogTest, FailuresAndOtherKinds)
{
    builder.error(12374, "权限服务不可用");
    auto* d = load(7);
    EXPECT_EQ(d->windowTitle(), QString());
    EXPECT_EQ(d->model()->totalCount(), 0);
    ASSERT_EQ(center()->serverMessages().size(), 1u);
    EXPECT_EQ(center()->serverMessages()[0].text, QStringLiteral("请求失败, 权限服务不可用"));

    builder = kit::ScenarioBuilder();
    builder.server("s1");
    d = load();
    EXPECT_EQ(d->model()->totalCount(), 0);
    EXPECT_TRUE(center()->serverMessages().empty()) << "an empty answer is no error";

    center()->clearSentRequests();
    d->showAndQuery(QStringLiteral("nowhere"), 6);
    EXPECT_TRUE(center()->sentRequests().empty());
}

} // namespace
