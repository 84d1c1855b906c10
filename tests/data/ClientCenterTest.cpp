#include "FakeBackend.h"

#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

class ClientCenterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
        alpha = boost::make_shared<Ocv::CVornClient>("alpha", 11, std::make_shared<FakeBackend>(1));
        beta = boost::make_shared<Ocv::CVornClient>("beta", 22, std::make_shared<FakeBackend>(1));
        center->setClients({{"alpha", alpha}, {"beta", beta}, {"gone", nullptr}});
        center->setSystemName("");
        center->clearSentRequests();
        center->clearServerMessages();
    }
    void TearDown() override
    {
        center->setServerMessageHandler(nullptr);
        center->setClients({});
    }

    // Sends one query through the centre and returns the server it was sent to.
    std::string routed(int systemTag)
    {
        center->clearSentRequests();
        auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
        req->dataType = 12235;
        req->systemTag = systemTag;
        center->queryData_async(req, Ocv::QueryCallback(), 0);
        auto sent = center->sentRequests();
        return sent.size() == 1 ? sent[0].server : "<none>";
    }

    Ocv::CVornClientCenter* center = nullptr;
    boost::shared_ptr<Ocv::CVornClient> alpha;
    boost::shared_ptr<Ocv::CVornClient> beta;
};

TEST_F(ClientCenterTest, RoutesByTagThenSystemNameThenFirstClient)
{
    EXPECT_EQ(routed(22), "beta");
    EXPECT_EQ(routed(0), "alpha");
    center->setSystemName("beta");
    EXPECT_EQ(routed(0), "beta");
    EXPECT_EQ(routed(11), "alpha");
    center->setSystemName("gone");
    EXPECT_EQ(routed(999), "alpha");
}

TEST_F(ClientCenterTest, LooksServersUpByNameAndTag)
{
    EXPECT_EQ(center->getClientByName("beta"), beta);
    EXPECT_FALSE(center->getClientByName("nobody"));
    EXPECT_FALSE(center->getClientByName("gone"));
    EXPECT_EQ(center->getAllClients().size(), 3u);
    EXPECT_EQ(center->getServerNameBySystemTag(22), "beta");
    EXPECT_EQ(center->getServerNameBySystemTag(33), "");
    EXPECT_TRUE(center->isMultiServers());
    center->setClients({{"alpha", alpha}, {"gone", nullptr}});
    EXPECT_FALSE(center->isMultiServers());
}

TEST_F(ClientCenterTest, ReplacingClientsShutsOnlyTheDroppedOnesDown)
{
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    std::atomic<int> alphaAnswers{0};
    std::atomic<int> betaAnswers{0};
    center->setClients({{"alpha", alpha}});
    alpha->queryData_async(
        req,
        [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int, const bson::BSONObj&) {
            ++alphaAnswers;
        },
        0);
    beta->queryData_async(
        req,
        [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int, const bson::BSONObj&) {
            ++betaAnswers;
        },
        0);
    ASSERT_TRUE(waitUntil([&] { return alphaAnswers.load() == 1; }));
    QThread::msleep(30);
    EXPECT_EQ(betaAnswers.load(), 0);
    EXPECT_EQ(beta->pendingRequests(), 0);
}

TEST_F(ClientCenterTest, WithoutClientsAQueryFailsLaterOnAWorker)
{
    center->setClients({});
    QThread* gui = QThread::currentThread();
    std::atomic<bool> done{false};
    std::atomic<bool> onGui{true};
    utils::TTError got;
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    center->queryData_async(
        req,
        [&](const utils::TTError& error, const std::vector<ttservice::IDataPtr>&, int, const bson::BSONObj&) {
            got = error;
            onGui = QThread::currentThread() == gui;
            done = true;
        },
        0);
    ASSERT_TRUE(waitUntil([&] { return done.load(); }));
    EXPECT_FALSE(got.isSuccess());
    EXPECT_FALSE(got.errorMsg().empty());
    EXPECT_FALSE(onGui.load());
}

TEST_F(ClientCenterTest, RecordsSentRequestsAndOperations)
{
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    req->dataType = 12311;
    req->param = "3";
    beta->queryData_async(req, Ocv::QueryCallback(), 0);
    auto operation = boost::make_shared<ttservice::COperateDataReq>();
    operation->dataType = 626;
    operation->operation = ttservice::QDO_DELETE;
    operation->data = boost::make_shared<ttservice::CVornSysStatusInfo>();
    operation->data->setSystemTag(22);
    center->clearSentOperations();
    center->operateData_async(operation, Ocv::OperateCallback(), 0);

    auto sent = center->sentRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].server, "beta");
    EXPECT_EQ(sent[0].dataType, 12311);
    EXPECT_EQ(sent[0].param, "3");
    auto operations = center->sentOperations();
    ASSERT_EQ(operations.size(), 1u);
    EXPECT_EQ(operations[0].server, "beta");
    EXPECT_EQ(operations[0].operation, ttservice::QDO_DELETE);
}

TEST_F(ClientCenterTest, ServerMessagesAreRecordedAndHandedOn)
{
    std::vector<QString> shown;
    center->setServerMessageHandler(
        [&](const Ocv::CVornClientCenter::ServerMessage& m) { shown.push_back(m.text); });
    center->showServerMsgCallBack(1, false, nullptr, "错误提示", "操作失败", true, false);
    center->showServerMsgCallBack(0, true, nullptr, "提示", "操作成功", true, false);
    auto messages = center->serverMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].type, 1);
    EXPECT_FALSE(messages[0].ok);
    EXPECT_EQ(messages[0].title, QString("错误提示"));
    EXPECT_TRUE(messages[1].ok);
    EXPECT_EQ(shown, (std::vector<QString>{"操作失败", "操作成功"}));
}

} // namespace
