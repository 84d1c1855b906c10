#include "HpfDisposal.h"

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace Kx {

namespace {

class Disposer
{
public:
    Disposer() { std::thread([this] { loop(); }).detach(); }

    void add(std::function<void()> job)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_jobs.push_back(std::move(job));
        }
        m_ready.notify_one();
    }

private:
    void loop()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_jobs.empty(); });
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
            job();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<std::function<void()>> m_jobs;
};

Disposer* disposer()
{
    // Never destroyed: the thread may still run when static objects go at exit.
    static Disposer* const instance = new Disposer;
    return instance;
}

} // namespace

void runDisposal(std::function<void()> job)
{
    disposer()->add(std::move(job));
}

void waitForDisposals()
{
    std::promise<void> done;
    std::future<void> ran = done.get_future();
    disposer()->add([&done] { done.set_value(); });
    ran.wait();
}

} // namespace Kx
