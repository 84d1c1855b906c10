#include "base/CAnswerGuard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using Ocv::CAnswerGuard;

TEST(AnswerGuard, RunsHandlerOnlyWhileOpen)
{
    int calls = 0;
    boost::function<void(int)> wrapped;
    {
        CAnswerGuard guard;
        wrapped = guard.wrap(boost::function<void(int)>([&calls](int n) { calls += n; }));
        wrapped(2);
        EXPECT_EQ(calls, 2);
        guard.close();
        EXPECT_FALSE(guard.isOpen());
        wrapped(5);
        EXPECT_EQ(calls, 2);
    }
    wrapped(7); // the guard itself is gone: still a no-op
    EXPECT_EQ(calls, 2);
}

TEST(AnswerGuard, CloseWaitsForARunningHandler)
{
    CAnswerGuard guard;
    std::atomic<bool> entered{false};
    std::atomic<bool> finished{false};
    auto wrapped = guard.wrap(boost::function<void()>([&] {
        entered = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        finished = true;
    }));
    std::thread worker([&] { wrapped(); });
    while (!entered)
        std::this_thread::yield();
    guard.close();
    EXPECT_TRUE(finished) << "close() returned while the handler was still running";
    worker.join();
}
