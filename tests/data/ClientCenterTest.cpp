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
        center->setClients({{"alpha", alpha}, {"beta", beta}, {"gone", nullptr}});
        center->setSystemName("");
        center->clearSentRequests();
        center->clearSentOperations();
    }
    void TearDown() override { center->setClients({}); }

    // Sends one query through the centre and returns the server it went to.
    std::string routed(int systemTag)
    {
        center->clearSentRequests();
        center->queryData_async(queryReq(12235, systemTag), Ocv::QueryCallback(), 0);
        auto sent = center->sentRequests();
        return sent.size() == 1 ? sent[0].server : "<none>";
    }

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    boost::shared_ptr<Ocv::CVornClient> alpha =
        boost::make_shared<Ocv::CVornClient>("alpha", 11, std::make_shared<FakeBackend>(1));
    boost::shared_ptr<Ocv::CVornClient> beta =
        boost::make_shared<Ocv::CVornClient>("beta", 22, std::make_shared<FakeBackend>(1));
};

TEST_F(ClientCenterTest, RoutesByTagThenSystemNameThenFirstClientAndFailsWithoutClients)
{
    EXPECT_TRUE(center->isMultiServers());
    EXPECT_EQ(routed(22), "beta");
    EXPECT_EQ(routed(0), "alpha");
    center->setSystemName("beta");
    EXPECT_EQ(routed(0), "beta");
    center->setSystemName("gone");
    EXPECT_EQ(routed(999), "alpha");

    // An operation goes to the server of the record it concerns.
    auto operation = boost::make_shared<ttservice::COperateDataReq>();
    operation->data = boost::make_shared<ttservice::CVornSysStatusInfo>();
    operation->data->setSystemTag(22);
    center->operateData_async(operation, Ocv::OperateCallback(), 0);
    auto operations = center->sentOperations();
    ASSERT_EQ(operations.size(), 1u);
    EXPECT_EQ(operations[0].server, "beta");
    // A server without a client neither routes nor counts; without clients a query fails later on a worker.
    center->setClients({{"alpha", alpha}, {"gone", nullptr}});
    EXPECT_FALSE(center->isMultiServers());
    center->setClients({});
    Answer answer;
    center->queryData_async(queryReq(), answer.callback(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.done.load(); }));
    EXPECT_FALSE(answer.error.isSuccess() || answer.error.errorMsg().empty() || answer.onGui);
}

TEST_F(ClientCenterTest, ReplacingClientsShutsOnlyTheDroppedOnesDown)
{
    auto backend = std::make_shared<FakeBackend>(300);
    auto slow = boost::make_shared<Ocv::CVornClient>("slow", 33, backend);
    center->setClients({{"alpha", alpha}, {"slow", slow}});
    std::atomic<int> dropped{0};
    std::atomic<int> kept{0};
    for (int i = 0; i < 100; ++i)
        slow->queryData_async(queryReq(i), counting(dropped), 0);
    EXPECT_EQ(center->pendingRequests(), 100);

    center->setClients({{"alpha", alpha}});
    EXPECT_EQ(center->pendingRequests(), 0);
    EXPECT_EQ(slow->pendingRequests(), 0);
    alpha->queryData_async(queryReq(), counting(kept), 0);
    slow->queryData_async(queryReq(), counting(dropped), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return kept.load() == 1; }));
    QThread::msleep(400);
    EXPECT_EQ(dropped.load(), 0);
    EXPECT_EQ(backend->answered.load(), 0);
}

} // namespace
