#include "AnswerWait.h"

#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

#include "kx/CStandardHpfTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace kit {

namespace {
// A large table loads, sorts and filters on a worker and swaps the result in later.
bool anyTableBusy()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (auto* table : top->findChildren<Kx::CStandardHpfTable*>()) {
            if (table->isBusy())
                return true;
        }
    }
    return false;
}
} // namespace

bool waitForAnswers(int timeoutMs)
{
    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        while (center->pendingRequests() > 0) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        // The last callback may have emitted just before the count dropped: deliver what it queued.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!anyTableBusy() && center->pendingRequests() == 0)
            return true;
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(1);
    }
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
