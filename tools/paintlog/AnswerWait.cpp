#include "AnswerWait.h"

#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

#include "kx/CLoadingMaskWidget.h"
#include "kx/CStandardHpfTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace kit {

namespace {
// A large table loads, sorts and filters on a worker and swaps the result in later; a dialog
// shows its loading mask while the user waits for something (a load, a long run of logouts).
bool anyWidgetBusy()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (auto* table : top->findChildren<Kx::CStandardHpfTable*>()) {
            if (table->isBusy())
                return true;
        }
        if (!top->isVisible())
            continue;
        for (auto* mask : top->findChildren<Kx::CLoadingMaskWidget*>()) {
            if (mask->isVisible())
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
        if (!anyWidgetBusy() && center->pendingRequests() == 0)
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
