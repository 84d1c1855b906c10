#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "PaintRecorder.h"
#include "ScenarioBuilder.h"

#include "dashboard/CWelcomeWidget.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "kx/CComboBox.h"
#include "kx/CStandardTabControl.h"

#include <QThread>
#include <QTimer>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>

using kit::center;
using kit::PaintRecorder;
using kit::statusRecord;

namespace {

// The dashboard's own queries; the regions that query for themselves are left out unless asked for.
std::vector<std::pair<std::string, int>> sent(std::initializer_list<int> codes = {12235, 12277})
{
    std::vector<std::pair<std::string, int>> result;
    for (const auto& request : center()->sentRequests()) {
        if (std::find(codes.begin(), codes.end(), request.dataType) != codes.end())
            result.emplace_back(request.server, request.dataType);
    }
    return result;
}

using Sent = std::vector<std::pair<std::string, int>>;

class WelcomeWidgetTest : public ::testing::Test
{
protected:
    Ocv::CWelcomeWidget* make()
    {
        builder.install();
        center()->clearSentRequests();
        widget = std::make_unique<Ocv::CWelcomeWidget>(nullptr);
        return widget.get();
    }
    Kx::CComboBox* selector() const { return widget->findChild<Kx::CComboBox*>(); }
    QWidget* right() const { return widget->findChild<QWidget*>(QStringLiteral("wolcome_right_widget")); }
    QWidget* top() const { return widget->findChild<QWidget*>(QStringLiteral("wolcome_top_widget")); }
    QWidget* middle() const { return widget->findChild<QWidget*>(QStringLiteral("wolcome_middle_widget")); }
    QWidget* bottom() const { return widget->findChild<QWidget*>(QStringLiteral("wolcome_bottom_widget")); }
    QVector<kit::PaintOp> middleOps() const { return PaintRecorder::record(middle()); }

    void TearDown() override
    {
        widget.reset();
        kit::waitForAnswers();
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CWelcomeWidget> widget;
};

TEST_F(WelcomeWidgetTest, OneServerHidesSelectorButKeepsItsRoomSeveralShowItInNameOrder)
{
    builder.server("s1");
    auto* w = make();
    EXPECT_EQ(w->objectName(), QStringLiteral("welcome_widget"));
    EXPECT_TRUE(w->isStatusMode());
    EXPECT_FALSE(selector()->isVisibleTo(w));
    EXPECT_EQ(top()->pos(), QPoint(0, 34));
    EXPECT_EQ(right()->pos(), QPoint(1520, 34));
    EXPECT_EQ(middle()->pos(), QPoint(0, 34 + 160));
    EXPECT_EQ(bottom()->pos(), QPoint(0, 34 + 160 + 380));
    EXPECT_TRUE(sent().empty()) << "nothing is queried before activation, a switch or a tick";
    EXPECT_EQ(sent({12254}), (Sent{{"s1", 12254}})) << "the top strip asks as soon as it has its server";

    builder = kit::ScenarioBuilder();
    builder.server("zeta").server("alpha").nullServer("broken");
    w = make();
    EXPECT_TRUE(selector()->isVisibleTo(w));
    EXPECT_EQ(selector()->geometry(), QRect(10, 5, 150, 24));
    EXPECT_EQ(selector()->count(), 2);
    EXPECT_EQ(selector()->itemText(0), QStringLiteral("alpha"));
    EXPECT_EQ(selector()->itemText(1), QStringLiteral("zeta"));
}

TEST_F(WelcomeWidgetTest, SystemNameOrSelectorTargetsQueriesAndTheNameHidesTheSelector)
{
    builder.server("s1").server("s2");
    auto* w = make();
    center()->clearSentRequests();
    w->setSystem(7, QStringLiteral("s2"));
    EXPECT_EQ(sent({12235, 12254}), (Sent{{"s2", 12254}, {"s2", 12235}}));
    EXPECT_FALSE(selector()->isVisibleTo(w));
    EXPECT_EQ(top()->pos(), QPoint(0, 0));
    EXPECT_EQ(right()->pos(), QPoint(1520, 0));
    EXPECT_EQ(middle()->pos(), QPoint(0, 160));
    EXPECT_EQ(bottom()->pos(), QPoint(0, 540));

    // Id 0 means no system: the name is dropped and the selector's server is used.
    w->setSystem(0, QStringLiteral("s2"));
    EXPECT_EQ(sent({12235, 12254}), (Sent{{"s2", 12254}, {"s2", 12235}, {"s1", 12254}, {"s1", 12235}}));
    EXPECT_TRUE(selector()->isVisibleTo(w));
    EXPECT_EQ(middle()->pos(), QPoint(0, 34 + 160));

    // A change of the selector refreshes the chosen server; an unknown system name sends nothing.
    center()->clearSentRequests();
    selector()->setCurrentIndex(1);
    EXPECT_EQ(sent({12235, 12254}), (Sent{{"s2", 12254}, {"s2", 12235}}));
    center()->clearSentRequests();
    w->setSystem(3, QStringLiteral("nowhere"));
    EXPECT_TRUE(sent().empty());
}

TEST_F(WelcomeWidgetTest, ModeFollowsTheSubManagerId)
{
    struct Case
    {
        int subManagerId;
        bool present;
        bool statusMode;
    };
    for (const Case& c :
         {Case{-1, true, true}, Case{2147483647, true, true}, Case{0, false, true}, Case{5, true, false}}) {
        builder = kit::ScenarioBuilder();
        builder.server("s1").user(1, 1, c.subManagerId);
        if (!c.present)
            builder.noUser();
        auto* w = make();
        EXPECT_EQ(w->isStatusMode(), c.statusMode) << c.subManagerId;
        EXPECT_EQ(middle() != nullptr, c.statusMode);
        w->setSystem(1, QStringLiteral("s1"));
        EXPECT_EQ(sent(), (Sent{{"s1", c.statusMode ? 12235 : 12277}}));
    }
}

TEST_F(WelcomeWidgetTest, WideLayoutStacksWideStripsFromTheTop)
{
    builder.server("s1").user(1, 4);
    auto* w = make();
    w->setSystem(1, QStringLiteral("s1"));
    EXPECT_EQ(top(), nullptr);
    EXPECT_EQ(right(), nullptr);
    EXPECT_EQ(middle()->geometry(), QRect(0, 0, 1755, 380));
    EXPECT_EQ(bottom()->geometry(), QRect(0, 380, 1755, 350));
}

// The first record of each status type reaches the strips; null and foreign records are skipped. A
// failed or empty answer keeps what is shown; each good answer replaces the whole map, so that a status
// type missing from it goes back to its placeholder; a late answer of a server switched away from is dropped.
TEST_F(WelcomeWidgetTest, AnswersReachTheStripsReplaceTheWholeMapAndOnlyTheCurrentServersCount)
{
    builder.server("good").answer(12235, {statusRecord(3, [](auto& r) { r.runTime = "01:00:00"; }), nullptr,
                                          boost::make_shared<ttservice::CVornExchangeInfo>(),
                                          statusRecord(3, [](auto& r) { r.runTime = "09:09:09"; }),
                                          statusRecord(2, [](auto& r) { r.runTime = "02:00:00"; }),
                                          statusRecord(9, [](auto& r) { r.deviceName = "/data"; })});
    builder.server("failing").error(12235, "服务不可用");
    builder.server("empty").answer(12235, {});
    builder.server("next").answer(12235, {statusRecord(2, [](auto& r) { r.runTime = "03:00:00"; })});
    builder.server("slow", 150).answer(12235, {statusRecord(2, [](auto& r) { r.runTime = "11:11:11"; })});
    auto* w = make();
    for (const char* server : {"good", "failing", "empty"}) {
        w->setSystem(1, QString::fromLatin1(server));
        ASSERT_TRUE(kit::waitForAnswers());
        const auto ops = middleOps();
        EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("01:00:00")), 1) << server;
        EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("09:09:09")), 0) << server;
        EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(bottom()), QStringLiteral("/data")), 1) << server;
    }
    w->setSystem(1, QStringLiteral("slow"));
    w->setSystem(2, QStringLiteral("next"));
    ASSERT_TRUE(kit::waitForAnswers());
    const auto ops = middleOps();
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("01:00:00")), 0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("11:11:11")), 0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("03:00:00")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("--:--:--")), 3);
    EXPECT_EQ(sent().size(), 5u);
}

// Answers come on a data-service thread; the dashboard stores them and tells its views on the GUI
// thread only.
TEST_F(WelcomeWidgetTest, AnswersAreStoredAndShownOnTheGuiThread)
{
    builder.server("s1").answer(12235, {statusRecord(3)});
    auto* w = make();
    QVector<QThread*> threads;
    QObject::connect(w, &Ocv::CWelcomeWidget::sigUpdate, [&] { threads.append(QThread::currentThread()); });
    w->setSystem(1, QStringLiteral("s1"));
    w->setSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(threads, QVector<QThread*>{qApp->thread()}) << "the first answer was superseded";
}

TEST_F(WelcomeWidgetTest, WithoutTheStatusRightStripsKeepPlaceholders)
{
    builder.server("s1").rights({1, 2, 3}).answer(12235,
                                                  {statusRecord(2, [](auto& r) { r.runTime = "05:06:07"; })});
    auto* w = make();
    w->setSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    const auto ops = middleOps();
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("05:06:07")), 0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("--:--:--")), 4);
}

// Activation goes through the real tab control: a hidden tab skips the tick and catches up when shown.
TEST_F(WelcomeWidgetTest, TickWhileHiddenWaitsForActivation)
{
    builder.server("s1");
    builder.install();
    Kx::CStandardTabControl tabs(nullptr);
    tabs.addTabWidget(QStringLiteral("其他"), new QWidget, nullptr);
    auto* w = new Ocv::CWelcomeWidget(nullptr);
    tabs.addTabWidget(QStringLiteral("系统状态"), w, nullptr);
    tabs.resize(1800, 1000);
    tabs.show();
    center()->clearSentRequests();

    QTimer* timer = nullptr;
    for (QTimer* t : w->findChildren<QTimer*>()) {
        if (t->interval() == 60000)
            timer = t;
    }
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());

    EXPECT_FALSE(w->isActive());
    w->slotTimeout();
    EXPECT_TRUE(sent().empty());

    // Catching up restarts the period, even for a timer that happened to stop.
    timer->stop();
    tabs.setCurrentIndex(1);
    EXPECT_TRUE(w->isActive());
    EXPECT_EQ(sent(), (Sent{{"s1", 12235}}));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);
    EXPECT_GT(timer->remainingTime(), 59000);

    // Once caught up, a later activation sends nothing more; an active tick queries at once.
    tabs.setCurrentIndex(0);
    tabs.setCurrentIndex(1);
    EXPECT_EQ(sent().size(), 1u);
    w->slotTimeout();
    EXPECT_EQ(sent().size(), 2u);
}

TEST_F(WelcomeWidgetTest, ErrorsAndSuccessesReachTheClientCentreTheUserLogRequestTheHost)
{
    builder.server("s1").install();
    striptest::EventSink sink;
    auto* w = new Ocv::CWelcomeWidget(&sink);
    center()->clearServerMessages();
    w->slotShowError(true, QString());
    w->slotShowError(true, QStringLiteral("权限不足"));
    w->slotShowError(false, QStringLiteral("ignored"));
    std::vector<std::tuple<int, bool, QString, QString>> shown;
    for (const auto& m : center()->serverMessages())
        shown.emplace_back(m.type, m.ok, m.title, m.text);
    EXPECT_EQ(shown, (decltype(shown){{1, false, "错误提示", "操作失败"},
                                      {1, false, "错误提示", "权限不足"},
                                      {0, true, "提示", "操作成功"}}));

    w->slotQueryUserLog(QStringLiteral("trader01"));
    EXPECT_EQ(sink.received, (striptest::Events{{3000, -1, 909, "trader01", nullptr}}));
}

} // namespace
