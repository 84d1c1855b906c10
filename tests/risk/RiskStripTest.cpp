#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"

#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornChannelStatus.h"
#include "kx/CSmallNormalButton.h"
#include "risk/CTopAccountProductRiskWidget.h"
#include "risk/CTopModelWidget.h"
#include "siblings/CCreateAccountDialog.h"
#include "siblings/CShowAccountDialog.h"
#include "siblings/CShowETStatusDialog.h"
#include "siblings/CShowProductDialog.h"
#include "sim/SimPlatform.h"
#include "utils/CSingletonT.h"

#include <QApplication>
#include <QTimer>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <climits>

namespace {

using kit::center;
using kit::PaintRecorder;
using striptest::press;

ttservice::IDataPtr statistics(int accounts, int users, int products, int today)
{
    auto s = boost::make_shared<ttservice::CVornBaseInfoStatistics>();
    s->accountsA = accounts;
    s->usersB = users;
    s->productsA = products;
    s->accountsToday = s->usersToday = s->productsToday = today;
    return s;
}

ttservice::IDataPtr channel(const std::string& id, int state)
{
    auto record = boost::make_shared<ttservice::CVornChannelStatus>();
    record->channelId = id;
    record->state = state;
    return record;
}

class RiskStripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10).loginTypeAuth(false);
        builder.server("s1").answer(12254, {statistics(320, 124, 42, 5)});
        builder.answer(12296, {channel("T1", 0), channel("T2", 3), channel("T3", 0)});
        builder.server("s2", 150).answer(12254, {statistics(7, 8, 9, 1)});
    }
    void TearDown() override
    {
        strip.reset();
        kit::waitForAnswers();
    }
    Ocv::CTopAccountProductRiskWidget* make(bool admin = false)
    {
        sim::Scenario scenario = builder.scenario();
        scenario.user.admin = admin;
        sim::SimPlatform::install(scenario);
        strip = std::make_unique<Ocv::CTopAccountProductRiskWidget>(nullptr);
        strip->show();
        return strip.get();
    }
    Ocv::CTopModelWidget* tile(int id) const { return strip->tile(id); }
    // The titles of the strip's shown dialogs of that class.
    template <class Dialog> QStringList shown() const
    {
        QStringList titles;
        for (Dialog* dialog : strip->findChildren<Dialog*>()) {
            if (dialog->isVisible())
                titles << dialog->windowTitle();
        }
        return titles;
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CTopAccountProductRiskWidget> strip;
};

TEST_F(RiskStripTest, FourQuartersShowZeroesUntilTheStatisticsOfTheSystemSwitchedToArrive)
{
    make();
    const int ids[] = {Ocv::TOP_MODEL_ACCOUNT, Ocv::TOP_MODEL_USER, Ocv::TOP_MODEL_PRODUCT,
                       Ocv::TOP_MODEL_CHANNEL};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tile(ids[i])->geometry(), QRect(342 * i, 0, 342, 273)) << ids[i];
    EXPECT_EQ(tile(Ocv::TOP_MODEL_PRODUCT)->numberText(), QStringLiteral("0"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_PRODUCT)->todayText(), QStringLiteral("今日新增:0个产品"));

    // A slow server's answer must not overwrite the figures of the one switched to since.
    strip->switchSystem(2, QStringLiteral("s2"));
    strip->switchSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(tile(Ocv::TOP_MODEL_ACCOUNT)->numberText(), QStringLiteral("320"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_ACCOUNT)->todayText(), QStringLiteral("今日新增:5个账号"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_USER)->numberText(), QStringLiteral("124"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_USER)->todayText(), QStringLiteral("今日新增:5位用户"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_PRODUCT)->numberText(), QStringLiteral("42"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_PRODUCT)->todayText(), QStringLiteral("今日新增:5产品"));
    // The monitoring dialog's own query counted the channels, one of them abnormal.
    EXPECT_EQ(tile(Ocv::TOP_MODEL_CHANNEL)->numberText(), QStringLiteral("3"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_CHANNEL)->todayText(), QStringLiteral("1个异常状态"));
    // The channels are those of the client's selected system, which the host changes on a switch.
    center()->setSystemName("s2");
    strip->switchSystem(2, QStringLiteral("s2"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(tile(Ocv::TOP_MODEL_CHANNEL)->numberText(), QStringLiteral("0"));
    EXPECT_EQ(tile(Ocv::TOP_MODEL_CHANNEL)->todayText(), QStringLiteral("0个异常状态"));
    center()->setSystemName("s1");
    strip->switchSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(tile(Ocv::TOP_MODEL_CHANNEL)->numberText(), QStringLiteral("3"));

    // A failure or a record of another type keeps the figures; an unavailable one shows a dash.
    builder.server("s3").error(12254, "统计服务不可用");
    builder.server("s4").answer(12254, {channel("T9", 0)});
    builder.server("s5").answer(12254, {statistics(INT_MAX, 1, 2, 0)});
    sim::SimPlatform::install(builder.scenario());
    for (const char* name : {"s3", "s4"}) {
        strip->switchSystem(3, QString::fromLatin1(name));
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(tile(Ocv::TOP_MODEL_ACCOUNT)->numberText(), QStringLiteral("320")) << name;
    }
    strip->switchSystem(5, QStringLiteral("s5"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(tile(Ocv::TOP_MODEL_ACCOUNT)->numberText(), QStringLiteral("-"));

    // The minute's tick asks only while the strip is shown.
    center()->clearSentRequests();
    strip->hide();
    strip->slotTimeout();
    EXPECT_TRUE(center()->sentRequests().empty());
    strip->show();
    strip->slotTimeout();
    ASSERT_EQ(center()->sentRequests().size(), 1u);
    EXPECT_EQ(center()->sentRequests().front().dataType, 12254);
    ASSERT_TRUE(kit::waitForAnswers());
}

TEST_F(RiskStripTest, ButtonsFollowTheClientAndTheUser)
{
    const auto buttons = [this] {
        QStringList texts;
        for (int id :
             {Ocv::TOP_MODEL_ACCOUNT, Ocv::TOP_MODEL_USER, Ocv::TOP_MODEL_PRODUCT, Ocv::TOP_MODEL_CHANNEL}) {
            if (Kx::CSmallNormalButton* button = tile(id)->button())
                texts << button->text();
        }
        return texts;
    };
    make();
    EXPECT_EQ(buttons(), (QStringList{"一键创建账号", "一键创建用户", "一键创建产品", "查看最终状态"}));
    builder.loginTypeAuth(true);
    make();
    EXPECT_EQ(buttons(), QStringList{"查看最终状态"});
    EXPECT_TRUE(tile(Ocv::TOP_MODEL_CHANNEL)->isHidden());
    make(true);
    EXPECT_EQ(buttons(), (QStringList{"一键创建用户", "查看最终状态"}));
    builder.user(11);
    make();
    EXPECT_EQ(buttons(), (QStringList{"一键创建用户", "查看最终状态"}));
}

TEST_F(RiskStripTest, ShortcutsOpenTheirBrowsingDialogsOnceAndButtonsTheirCreationDialogs)
{
    make();
    strip->switchSystem(2, QStringLiteral("s2"));
    Ocv::CTopModelWidget* accounts = tile(Ocv::TOP_MODEL_ACCOUNT);
    press(accounts, accounts->numberRect().center());
    EXPECT_EQ(shown<Ocv::CShowAccountDialog>(), QStringList{"账号列表"});
    press(accounts, accounts->todayRect().center());
    EXPECT_EQ(shown<Ocv::CShowAccountDialog>(), QStringList{"今日新增账号"}) << "the same dialog, narrowed";
    Ocv::CTopModelWidget* products = tile(Ocv::TOP_MODEL_PRODUCT);
    press(products, products->todayRect().center());
    EXPECT_EQ(shown<Ocv::CShowProductDialog>(), QStringList{"今日新增产品"});
    Ocv::CTopModelWidget* channels = tile(Ocv::TOP_MODEL_CHANNEL);
    press(channels, channels->todayRect().center());
    EXPECT_EQ(shown<Ocv::CShowETStatusDialog>(), QStringList{"异常通道"});
    ASSERT_TRUE(kit::waitForAnswers());
    // The open lists ask the server switched to.
    center()->clearSentRequests();
    strip->switchSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    std::set<std::pair<std::string, int>> asked;
    for (const auto& request : center()->sentRequests())
        asked.insert({request.server, request.dataType});
    EXPECT_TRUE(asked.count({"s1", 12203}) && asked.count({"s1", 12224}) && asked.count({"s1", 12254}));

    // Event 5 of an unknown button is consumed and opens nothing; a creation button runs its dialog.
    EXPECT_TRUE(strip->handleEvent(5, 1004, 0, QString(), nullptr));
    EXPECT_TRUE(strip->findChildren<Ocv::CCreateAccountDialog*>().isEmpty());
    QString ranModal;
    QTimer::singleShot(0, [&ranModal] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ranModal = modal->objectName();
            modal->close();
        }
    });
    strip->handleEvent(5, 1000, 0, QString(), nullptr);
    EXPECT_EQ(strip->findChildren<Ocv::CCreateAccountDialog*>().size(), 1);
    EXPECT_FALSE(ranModal.isEmpty());
}

} // namespace
