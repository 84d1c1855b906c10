#pragma once

#include "WelcomeGlobal.h"

#include <boost/function.hpp>

#include <memory>
#include <mutex>

namespace Ocv {

// Lets answers that arrive on data-service threads reach a widget only while the widget lives.
//
// Every callback handed to the data service is wrapped here. A wrapped callback runs the
// widget's handler under the guard's mutex and only while the guard is open; close() takes
// the same mutex, so once it returns no handler is running and none will run again. Widgets
// call close() first thing in their destructor, before any member is torn down.
//
// The guard is for callbacks that run on data-service threads, which only store and emit. A
// guarded handler must not run a nested event loop (no dialog, no exec): the widget could be
// destroyed inside it, and its close() would then wait on its own thread. Callbacks that the
// data manager delivers on the GUI thread are dropped by the data manager when their parent
// widget is gone and need no guard.
class WELCOME_EXPORT CAnswerGuard
{
public:
    CAnswerGuard();
    ~CAnswerGuard();
    CAnswerGuard(const CAnswerGuard&) = delete;
    CAnswerGuard& operator=(const CAnswerGuard&) = delete;

    void close();
    bool isOpen() const;

    template <class... Args>
    boost::function<void(Args...)> wrap(const boost::function<void(Args...)>& handler) const
    {
        std::shared_ptr<State> state = m_state;
        return [state, handler](Args... args) {
            std::lock_guard<std::mutex> lock(state->mutex);
            if (state->open && handler)
                handler(args...);
        };
    }

private:
    struct State
    {
        std::mutex mutex;
        bool open = true;
    };
    std::shared_ptr<State> m_state;
};

} // namespace Ocv
