#include "FakeBackend.h"
#include "LogCapture.h"

#include "data/CDelayWorker.h"
#include "data/CVornClient.h"
#include "data/MetaTypes.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <numeric>

namespace {

TEST(Client, AnswerComesAfterTheLatencyOnTheWorkerThread)
{
    Ocv::CVornClient client("s1", 1, std::make_shared<FakeBackend>(80));
    Answer answer;
    client.queryData_async(queryReq(12235), answer.callback(), 42);
    EXPECT_FALSE(answer.done.load());
    EXPECT_EQ(client.pendingRequests(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.done.load(); }));
    EXPECT_FALSE(answer.onGui);
    EXPECT_GE(answer.afterMs, 75);
    EXPECT_EQ(answer.tag, 42);
    EXPECT_EQ(answer.metaType, 12235);
    ASSERT_EQ(answer.records.size(), 1u);
    EXPECT_EQ(answer.records[0]->getSystemTag(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return client.pendingRequests() == 0; }));

    // An error travels as a failed TTError with its text.
    Ocv::CVornClient failing("s1", 1, std::make_shared<FakeBackend>(5, "服务未就绪"));
    Answer failed;
    failing.queryData_async(queryReq(12254), failed.callback(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return failed.done.load(); }));
    EXPECT_EQ(failed.error.errorMsg(), "服务未就绪");
    EXPECT_FALSE(failed.error.isSuccess() || !failed.records.empty());
}

TEST(Client, EqualLatencyAnswersKeepTheirOrder)
{
    Ocv::CVornClient client("s1", 1, std::make_shared<FakeBackend>(20));
    std::mutex mutex;
    std::vector<int> arrived;
    for (int i = 1; i <= 20; ++i)
        client.queryData_async(
            queryReq(i),
            [&](const utils::TTError&, const std::vector<ttservice::IDataPtr>& records, int,
                const bson::BSONObj&) {
                std::lock_guard<std::mutex> lock(mutex);
                arrived.push_back(
                    boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(records[0])->itemCount);
            },
            0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.pendingRequests() == 0; }));
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<int> expected(20);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(arrived, expected);
}

TEST(Client, ShutdownFromInsideACallbackDoesNotDeadlock)
{
    auto client = boost::make_shared<Ocv::CVornClient>("s1", 1, std::make_shared<FakeBackend>(5));
    std::atomic<bool> done{false};
    client->queryData_async(
        queryReq(1),
        [&](auto&&...) {
            client->shutdown();
            done = true;
        },
        0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.load(); }));
    client.reset();
}

// A task that throws is reported with its text and does not stop the worker.
TEST(Worker, EscapingExceptionIsLoggedAndTheWorkerGoesOn)
{
    kit::LogCapture log("vorndata.worker");
    Ocv::CDelayWorker worker;
    std::atomic<bool> ranAfter{false};
    worker.post(0, [] { throw std::runtime_error("record 17 has no key"); });
    worker.post(0, [] { throw 42; });
    worker.post(0, [&] { ranAfter = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ranAfter.load(); }));
    const auto errors = log.messages(log4cxx::Level::ERROR_INT);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("record 17 has no key"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(QStringLiteral("not a std::exception"))) << errors[1].toStdString();
}

} // namespace
