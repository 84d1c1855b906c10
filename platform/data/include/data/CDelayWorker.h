#pragma once

#include "data/DataGlobal.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace Ocv {

// One thread running posted tasks once their delay has passed, earliest first (ties in order
// of posting). shutdown() drops what has not run yet and joins the thread.
class DATA_EXPORT CDelayWorker
{
public:
    CDelayWorker();
    ~CDelayWorker();
    CDelayWorker(const CDelayWorker&) = delete;
    CDelayWorker& operator=(const CDelayWorker&) = delete;

    // False, and the task is dropped, once the worker has been shut down.
    bool post(int delayMs, std::function<void()> task);
    void shutdown();
    // Tasks posted and not yet finished, including one that is running.
    int pending() const;
    bool isWorkerThread() const;

private:
    struct State;
    static void run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> m_state;
    std::thread m_thread;
};

} // namespace Ocv
