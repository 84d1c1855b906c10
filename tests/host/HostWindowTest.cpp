#include "CDockHost.h"
#include "CHostWindow.h"
#include "PanelRegistry.h"
#include "ScenarioBuilder.h"
#include "ServerMessageSink.h"

#include "data/ttservice/CVornQueryDataReq.h"
#include "kx/CBaseWidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
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

class HostWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::ScenarioBuilder().server("s1").server("s2").install();
        window = std::make_unique<CHostWindow>(PanelRegistry(), "none");
    }
    void TearDown() override { center->setServerMessageHandler(nullptr); }

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    std::unique_ptr<CHostWindow> window;
};

TEST_F(HostWindowTest, ChosenSystemRoutesTheCentresRequests)
{
    const auto routed = [this] {
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
}

TEST_F(HostWindowTest, MessagesJoinTheEventLogAndShowWithoutBlocking)
{
    center->setServerMessageHandler(ServerMessageSink::handlerFor(
        window.get(), [this](const Message& message) { window->showServerMessage(message); }));
    Kx::CBaseWidget widget("w", false, window->dockHost());
    widget.deliverEvent(3000, -1, 901, QString(), nullptr);
    center->showServerMsgCallBack(1, false, &widget, "错误提示", "权限不足", true, false);
    QCoreApplication::processEvents();
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
    EXPECT_EQ(notice->icon(), QMessageBox::Information);
}

} // namespace
