#include "AnswerWait.h"

#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace kit {

bool waitForAnswers(int timeoutMs)
{
    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    QElapsedTimer timer;
    timer.start();
    while (center->pendingRequests() > 0) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    // The last callback may have emitted just before the count dropped: deliver what it queued.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

void processEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

} // namespace kit
