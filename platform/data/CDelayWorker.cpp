#include "data/CDelayWorker.h"

#include <log4cxx/logger.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

namespace Ocv {

namespace {

typedef std::chrono::steady_clock Clock;

struct Item
{
    Clock::time_point due;
    unsigned long long seq;
    std::function<void()> task;
};

void logEscapedException(const char* what)
{
    static const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("vorndata.worker");
    LOG4CXX_ERROR(logger, "a data-service task threw: " << what);
}

// Min-heap order: earliest due first, then earliest posted.
bool later(const Item& a, const Item& b)
{
    return a.due != b.due ? a.due > b.due : a.seq > b.seq;
}

} // namespace

// Shared with the thread so that a worker shut down from inside one of its own tasks can
// detach and still finish safely.
struct CDelayWorker::State
{
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::vector<Item> heap;
    unsigned long long nextSeq = 0;
    int pending = 0;
    bool stop = false;
    std::thread::id threadId;
};

CDelayWorker::CDelayWorker() : m_state(std::make_shared<State>())
{
    std::shared_ptr<State> state = m_state;
    std::lock_guard<std::mutex> lock(state->mutex);
    m_thread = std::thread([state] { run(state); });
    state->threadId = m_thread.get_id();
}

CDelayWorker::~CDelayWorker()
{
    shutdown();
}

bool CDelayWorker::post(int delayMs, std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        if (m_state->stop)
            return false;
        Item item{Clock::now() + std::chrono::milliseconds(std::max(0, delayMs)), m_state->nextSeq++,
                  std::move(task)};
        m_state->heap.push_back(std::move(item));
        std::push_heap(m_state->heap.begin(), m_state->heap.end(), later);
        ++m_state->pending;
    }
    m_state->wake.notify_one();
    return true;
}

void CDelayWorker::shutdown()
{
    std::vector<Item> dropped;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stop = true;
        dropped.swap(m_state->heap);
        m_state->pending -= static_cast<int>(dropped.size());
    }
    m_state->wake.notify_all();
    // The dropped tasks' captures are released here, outside the lock.
    dropped.clear();
    if (!m_thread.joinable())
        return;
    if (m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach();
    else
        m_thread.join();
}

int CDelayWorker::pending() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->pending;
}

bool CDelayWorker::isWorkerThread() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->threadId == std::this_thread::get_id();
}

void CDelayWorker::run(const std::shared_ptr<State>& state)
{
    std::unique_lock<std::mutex> lock(state->mutex);
    while (!state->stop) {
        if (state->heap.empty()) {
            state->wake.wait(lock);
            continue;
        }
        const Clock::time_point due = state->heap.front().due;
        if (Clock::now() < due) {
            state->wake.wait_until(lock, due);
            continue;
        }
        std::pop_heap(state->heap.begin(), state->heap.end(), later);
        Item item = std::move(state->heap.back());
        state->heap.pop_back();
        lock.unlock();
        // A throwing task must not take the worker down with it, nor go unnoticed.
        try {
            item.task();
        } catch (const std::exception& e) {
            logEscapedException(e.what());
        } catch (...) {
            logEscapedException("an exception that is not a std::exception");
        }
        item.task = nullptr;
        lock.lock();
        --state->pending;
    }
}

} // namespace Ocv
