#pragma once

#include "WelcomeGlobal.h"

#include <QtGlobal>

namespace Ocv {

// Decides which answers of a widget's repeated query may be shown. GUI thread only.
//
// Every request gets a number from next(). An answer is taken unless an answer of a later request
// has been taken already, or the widget was retargeted (another system) after its request was
// sent. A server slower than the widget's period is therefore still shown, one answer after the
// other, while nothing older ever overwrites something newer, and nothing of a system switched
// away from is shown once the switch is made.
class WELCOME_EXPORT CAnswerOrder
{
public:
    // The number for a new request.
    quint64 next();
    // The widget asks somebody else from now on: answers to the requests sent so far are dropped.
    void retarget();
    // True when the answer to request `number` may be shown; it is then the newest one shown.
    bool take(quint64 number);

    quint64 lastSent() const { return m_sent; }

private:
    quint64 m_sent = 0;
    quint64 m_firstValid = 1;
    quint64 m_taken = 0;
};

} // namespace Ocv
