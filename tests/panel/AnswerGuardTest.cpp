#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

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

// Which answers a repeated query shows: in order of sending, never an older one after a newer,
// nothing sent before the last retarget.
TEST(AnswerOrder, TakesAnswersNewerThanTheShownOneAndNothingFromBeforeARetarget)
{
    struct Step
    {
        char action; // 's' send, 'r' retarget, 't' take
        quint64 number;
        bool taken;
    };
    const std::vector<std::vector<Step>> cases = {
        // A slow server: request 2 is out when answer 1 lands, and both are shown.
        {{'s', 1, false}, {'s', 2, false}, {'t', 1, true}, {'t', 2, true}},
        // Out of order: once 2 is shown, 1 is outdated; an answer is never taken twice.
        {{'s', 1, false}, {'s', 2, false}, {'t', 2, true}, {'t', 1, false}, {'t', 2, false}},
        // Retargeted with 1 and 2 out: both dropped, the first request after it is taken.
        {{'s', 1, false}, {'s', 2, false}, {'r', 0, false}, {'t', 2, false}, {'t', 1, false},
         {'s', 3, false}, {'t', 3, true}},
        // Retargeted before anything was sent: the first request counts.
        {{'r', 0, false}, {'s', 1, false}, {'t', 1, true}},
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        Ocv::CAnswerOrder order;
        for (const Step& step : cases[c]) {
            if (step.action == 's')
                EXPECT_EQ(order.next(), step.number) << "case " << c;
            else if (step.action == 'r')
                order.retarget();
            else
                EXPECT_EQ(order.take(step.number), step.taken) << "case " << c << ", answer " << step.number;
        }
    }
}
