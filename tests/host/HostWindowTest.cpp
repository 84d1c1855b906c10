#include "CDockHost.h"
#include "CHostWindow.h"
#include "HostScenario.h"
#include "PanelRegistry.h"
#include "ScenarioBuilder.h"
#include "ServerMessageSink.h"
#include "StallProbe.h"

#include "AnswerWait.h"

#include "common/IvornDockableWidget.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "kx/CBaseWidget.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>
#include <QMenuBar>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QThread>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <thread>

namespace {

using Message = ServerMessageSink::Message;

TEST(ServerMessageSink, ShowsOnTheGuiThreadOnlyWhileTheReceiverLives)
{
    auto receiver = std::make_unique<QObject>();
    QStringList shown;
    const auto handler = ServerMessageSink::handlerFor(receiver.get(), [&](const Message& message) {
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        shown << message.text;
    });
    const auto send = [&](const char* text) {
        std::thread([&] { handler({1, false, "t", text, true, false}); }).join();
    };
    send("alive");
    QCoreApplication::processEvents();
    send("on its way");
    receiver.reset();
    send("after");
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{"alive"});
}

// The chosen system routes the centre's requests; server messages join the event log, shown without blocking.
TEST(HostWindow, RoutesTheChosenSystemAndLogsMessagesWithoutBlocking)
{
    kit::ScenarioBuilder().server("s1").server("s2").install();
    auto* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    auto window = std::make_unique<CHostWindow>(PanelRegistry(), "none");
    const auto routed = [center] {
        center->clearSentRequests();
        center->queryData_async(boost::make_shared<ttservice::CVornQueryDataReq>(), {}, 0);
        return center->sentRequests().at(0).server;
    };
    window->switchSystem(2, "s2");
    EXPECT_EQ(routed(), "s2");
    window->findChild<QComboBox*>("host_system_chooser")->setCurrentIndex(1);
    EXPECT_EQ(routed(), "s1");
    window->switchSystem(0, "s2");
    EXPECT_EQ(center->getSystemName(), "");

    center->setServerMessageHandler(ServerMessageSink::handlerFor(
        window.get(), [&window](const Message& message) { window->showServerMessage(message); }));
    Kx::CBaseWidget widget("w", false, window->dockHost());
    widget.deliverEvent(3000, -1, 901, QString(), nullptr);
    center->showServerMsgCallBack(1, false, &widget, "错误提示", "权限不足", true, false);
    QCoreApplication::processEvents();
    center->setServerMessageHandler(nullptr);
    const QJsonObject message{{"type", 1},          {"ok", false}, {"title", "错误提示"},
                              {"text", "权限不足"}, {"b1", true},  {"b2", false}};
    EXPECT_EQ(window->eventLog(), (QList<QJsonObject>{{{"id", 3000}, {"a", -1}, {"b", 901}, {"text", ""}},
                                                      {{"message", message}}}));
    EXPECT_TRUE(window->findChildren<QMessageBox*>().isEmpty());

    window->setShowsNotices(true);
    window->showServerMessage({0, true, "提示", "操作成功", true, false});
    auto* notice = window->findChild<QMessageBox*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->isModal());
}

// Also on the virtual display (see the host tests' CMake file), whose screen is smaller still.
TEST(HostWindow, OpensWithinTheScreenWithACollapsibleSideList)
{
    kit::ScenarioBuilder().server("s1").install();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    CHostWindow wide(PanelRegistry(), "none");
    wide.openOnScreen(QSize(available.width() + 1, 200));
    kit::processEventsFor(20);
    EXPECT_TRUE(available.contains(wide.frameGeometry())) << "within the available geometry";
    auto* side = wide.findChild<QDockWidget*>("host_side_list");
    EXPECT_FALSE(side->isVisible()) << "a window cut in width leaves the room to the panel";
    wide.sideListAction()->trigger();
    EXPECT_TRUE(side->isVisible());
    EXPECT_TRUE(wide.sideListAction()->isChecked());
    wide.sideListAction()->trigger();
    EXPECT_FALSE(side->isVisible());

    CHostWindow small(PanelRegistry(), "none");
    small.openOnScreen(QSize(available.width() - 10, available.height() / 2));
    EXPECT_EQ(small.size(), QSize(available.width() - 10, available.height() / 2));
    EXPECT_TRUE(small.findChild<QDockWidget*>("host_side_list")->isVisible());
}

// The probe notes how long the event loop was held up, and what held most of that time.
TEST(StallProbe, ReportsTheLongestStallWithThePhaseThatHeldMostOfIt)
{
    StallProbe probe;
    probe.start("start");
    kit::processEventsFor(5);
    probe.enter("quick");
    QThread::msleep(5);
    probe.enter("--click slow");
    QThread::msleep(300);
    probe.enter("settle");
    kit::processEventsFor(5);
    probe.enter("--click fast");
    QThread::msleep(60);
    probe.stop();
    EXPECT_GE(probe.longestMs(), 300);
    EXPECT_EQ(probe.during(), "--click slow");
    EXPECT_EQ(
        probe.line(),
        (QJsonObject{{"stall", QJsonObject{{"longestMs", probe.longestMs()}, {"during", "--click slow"}}}}));
    // Stopped, it notes nothing more; a stall at the very end counts too.
    QThread::msleep(400);
    kit::processEventsFor(5);
    EXPECT_EQ(probe.during(), "--click slow");
    probe.start("start");
    kit::processEventsFor(5);
    probe.enter("end");
    QThread::msleep(350);
    probe.stop();
    EXPECT_EQ(probe.during(), "end");
}

TEST(HostWindowPlatform, SwitchingScenariosRebuildsThePanelWhileAnswersAreOnTheirWay)
{
    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    const auto status = std::vector<ttservice::IDataPtr>{kit::statusRecord(3)};
    kit::ScenarioBuilder()
        .server("a1")
        .answer(12235, status)
        .server("slow", 300)
        .answer(12235, status)
        .install();
    CHostWindow window(PanelRegistry::standard(), "wlc");
    window.show();
    window.panel()->setWidgetActive(true);
    window.switchSystem(2, "slow");
    QPointer<QWidget> first = window.panel();
    ASSERT_GT(center->pendingRequests(), 0);

    const sim::Scenario next = kit::ScenarioBuilder()
                                   .server("b1")
                                   .answer(12235, status)
                                   .server("slow", 300)
                                   .answer(12235, status)
                                   .scenario();
    window.switchPlatform(next);
    window.switchPlatform(next);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(window.panel(), nullptr);
    EXPECT_TRUE(window.panel()->isWidgetActive());
    EXPECT_EQ(window.panel()->systemName(), "slow");
    const auto* chooser = window.findChild<QComboBox*>("host_system_chooser");
    EXPECT_EQ(chooser->itemText(1), "b1");
    EXPECT_EQ(chooser->currentText(), "slow");
    EXPECT_TRUE(kit::waitForAnswers(5000));
    EXPECT_EQ(center->sentRequests().back().server, "slow");

    // A platform without the chosen server gives way to its first server; no system stays none.
    window.switchPlatform(kit::ScenarioBuilder().server("c2").server("c1").scenario());
    EXPECT_EQ(window.panel()->systemName(), "c2");
    EXPECT_EQ(chooser->currentText(), "c2");
    window.switchSystem(0, QString());
    window.switchPlatform(kit::ScenarioBuilder().server("d1").scenario());
    EXPECT_EQ(window.panel()->systemId(), 0);
    EXPECT_EQ(chooser->currentIndex(), 0);
}

// Each shipped scenario chosen from the window's menu rebuilds the panel on its platform, for the
// user kind it describes. Run under a display server too (see the host tests' CMake file).
TEST(HostWindowPlatform, ScenarioMenuRebuildsThePanelForEachShippedScenario)
{
    kit::ScenarioBuilder().server("a1").install();
    CHostWindow window(PanelRegistry::standard(), "wlc");
    window.addScenarioMenu(HostScenario::shipped());
    window.show();
    QMenu* menu = window.menuBar()->findChildren<QMenu*>().value(0);
    ASSERT_NE(menu, nullptr);
    QStringList opened;
    for (QAction* action : menu->actions()) {
        // The generated million-login platform is left to the benchmarks; "打开…" asks for a file.
        if (action->isSeparator() || action->text() == "large" || action->text().endsWith(QChar(0x2026)))
            continue;
        QPointer<QWidget> before = window.panel();
        action->trigger();
        ASSERT_TRUE(before.isNull()) << action->text().toStdString();
        ASSERT_NE(window.panel(), nullptr);
        EXPECT_TRUE(kit::waitForAnswers(5000));
        const bool managerBoard = window.panel()->findChild<QWidget*>("wolcome_left_widget") != nullptr;
        const bool exchangeBoard = window.panel()->findChild<QWidget*>("wolcome_right_widget") != nullptr;
        EXPECT_EQ(managerBoard, action->text() == "submanager") << action->text().toStdString();
        EXPECT_EQ(exchangeBoard, action->text() != "role4") << action->text().toStdString();
        opened << action->text();
    }
    EXPECT_TRUE(opened.contains(QStringLiteral("admin")) && opened.contains(QStringLiteral("submanager")));
}

} // namespace
