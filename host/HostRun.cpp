#include "HostRun.h"

#include "AnswerWait.h"

#include "kx/CStandardTabControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace HostRun {

namespace {

constexpr int kSettleBoundMs = 10000;

} // namespace

void settle(int settleMs)
{
    if (settleMs >= 0)
        kit::processEventsFor(settleMs);
    else
        kit::waitForAnswers(kSettleBoundMs);
}

bool selectTab(QWidget* panel, const QString& tab, QString* error)
{
    const QString title =
        tab == QLatin1String("quick") ? QStringLiteral("快捷操作") : QStringLiteral("系统状态");
    auto* tabs = panel->findChild<Kx::CStandardTabControl*>();
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        if (tabs->tabTitle(i) == title) {
            tabs->setCurrentIndex(i);
            return true;
        }
    }
    *error = QStringLiteral("the panel has no tab \"%1\" for this user").arg(title);
    return false;
}

bool click(QWidget* root, const HostClick& click, QString* error)
{
    QWidget* target =
        root->objectName() == click.objectName ? root : root->findChild<QWidget*>(click.objectName);
    if (!target) {
        *error = QStringLiteral("no widget named %1").arg(click.objectName);
        return false;
    }
    const QPointF local(click.pos);
    const QPointF global(target->mapToGlobal(click.pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    return true;
}

bool writeScreenshot(QWidget* panel, const QString& path, QString* error)
{
    if (!panel->grab().save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace HostRun
