#include "FakeBackend.h"

#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/MetaTypes.h"

#include <QThread>

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

namespace {

class ClientTest : public ::testing::Test
{
protected:
    boost::shared_ptr<ttservice::CVornQueryDataReq> request(int dataType, const std::string& param = "")
    {
        auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
        req->dataType = dataType;
        req->param = param;
        return req;
    }

    std::mutex mutex;
    std::vector<int> arrived;
};

TEST_F(ClientTest, AnswerComesLaterOnTheWorkerThread)
{
    auto backend = std::make_shared<FakeBackend>(80);
    Ocv::CVornClient client("s1", 1, backend);
    QThread* gui = QThread::currentThread();
    std::atomic<bool> done{false};
    std::atomic<bool> onGui{true};
    std::atomic<qint64> elapsedMs{0};
    QElapsedTimer timer;
    timer.start();
    int gotType = 0;
    client.queryData_async(
        request(12235, "all"),
        [&](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records, int tag,
            const bson::BSONObj& meta) {
            onGui = QThread::currentThread() == gui;
            elapsedMs = timer.elapsed();
            EXPECT_TRUE(error.isSuccess());
            ASSERT_EQ(records.size(), 1u);
            gotType = meta.getIntField("dataType");
            EXPECT_EQ(tag, 42);
            EXPECT_EQ(records[0]->getSystemTag(), 1);
            done = true;
        },
        42);
    EXPECT_FALSE(done.load());
    EXPECT_EQ(client.pendingRequests(), 1);
    ASSERT_TRUE(waitUntil([&] { return done.load(); }));
    EXPECT_FALSE(onGui.load());
    EXPECT_GE(elapsedMs.load(), 75);
    EXPECT_EQ(gotType, 12235);
    EXPECT_TRUE(waitUntil([&] { return client.pendingRequests() == 0; }));
}

TEST_F(ClientTest, ErrorTravelsAsFailedTTErrorWithItsText)
{
    Ocv::CVornClient client("s1", 1, std::make_shared<FakeBackend>(5, "服务未就绪"));
    std::atomic<bool> done{false};
    utils::TTError got;
    client.queryData_async(
        request(12254),
        [&](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records, int,
            const bson::BSONObj&) {
            got = error;
            EXPECT_TRUE(records.empty());
            done = true;
        },
        0);
    ASSERT_TRUE(waitUntil([&] { return done.load(); }));
    EXPECT_FALSE(got.isSuccess());
    EXPECT_EQ(got.errorMsg(), "服务未就绪");
}

TEST_F(ClientTest, EqualLatencyAnswersKeepTheirOrder)
{
    Ocv::CVornClient client("s1", 1, std::make_shared<FakeBackend>(20));
    for (int i = 1; i <= 20; ++i) {
        client.queryData_async(
            request(i),
            [this](const utils::TTError&, const std::vector<ttservice::IDataPtr>& records, int,
                   const bson::BSONObj&) {
                std::lock_guard<std::mutex> lock(mutex);
                arrived.push_back(
                    boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(records[0])->itemCount);
            },
            0);
    }
    ASSERT_TRUE(waitUntil([&] { return client.pendingRequests() == 0; }));
    std::lock_guard<std::mutex> lock(mutex);
    ASSERT_EQ(arrived.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(arrived[i], i + 1);
}

TEST_F(ClientTest, DestroyingWithHundredInFlightDropsThem)
{
    auto backend = std::make_shared<FakeBackend>(300);
    std::atomic<int> called{0};
    {
        Ocv::CVornClient client("s1", 1, backend);
        for (int i = 0; i < 100; ++i)
            client.queryData_async(
                request(i),
                [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int,
                    const bson::BSONObj&) { ++called; },
                0);
        EXPECT_EQ(client.pendingRequests(), 100);
    }
    QThread::msleep(450);
    EXPECT_EQ(called.load(), 0);
    EXPECT_EQ(backend->answered.load(), 0);
}

TEST_F(ClientTest, ShutdownThroughTheCentreResetsPendingCount)
{
    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    auto client = boost::make_shared<Ocv::CVornClient>("s1", 1, std::make_shared<FakeBackend>(300));
    center->setClients({{"s1", client}});
    std::atomic<int> called{0};
    for (int i = 0; i < 100; ++i)
        center->queryData_async(
            request(i),
            [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int, const bson::BSONObj&) {
                ++called;
            },
            0);
    EXPECT_EQ(center->pendingRequests(), 100);
    center->setClients({});
    EXPECT_EQ(center->pendingRequests(), 0);
    EXPECT_EQ(client->pendingRequests(), 0);
    QThread::msleep(400);
    EXPECT_EQ(called.load(), 0);
}

TEST_F(ClientTest, ShutdownFromInsideACallbackDoesNotDeadlock)
{
    auto client = boost::make_shared<Ocv::CVornClient>("s1", 1, std::make_shared<FakeBackend>(5));
    std::atomic<bool> done{false};
    client->queryData_async(
        request(1),
        [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>&, int, const bson::BSONObj&) {
            client->shutdown();
            done = true;
        },
        0);
    ASSERT_TRUE(waitUntil([&] { return done.load(); }));
    client.reset();
}

TEST(MetaTypes, RegisteredUnderTheirNames)
{
    Ocv::registerDataMetaTypes();
    Ocv::registerDataMetaTypes();
    EXPECT_EQ(QMetaType::type("utils::TTError"), qMetaTypeId<utils::TTError>());
    EXPECT_EQ(QMetaType::type("std::vector<ttservice::IDataPtr>"),
              qMetaTypeId<std::vector<ttservice::IDataPtr>>());
}

} // namespace
