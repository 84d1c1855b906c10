#include "HostRun.h"

#include "AnswerWait.h"

#include "kx/CStandardTabControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <vector>

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

bool pointerAction(QWidget* root, const HostPointerAction& action, QString* error)
{
    // A user can only reach a shown widget: the first shown one of that name is the target.
    QList<QWidget*> named = root->findChildren<QWidget*>(action.objectName);
    if (root->objectName() == action.objectName)
        named.prepend(root);
    if (named.isEmpty()) {
        *error = QStringLiteral("no widget named %1").arg(action.objectName);
        return false;
    }
    const auto shown = std::find_if(named.begin(), named.end(), [](QWidget* w) { return w->isVisible(); });
    if (shown == named.end()) {
        *error = QStringLiteral("%1 is not shown (is it on another tab?)").arg(action.objectName);
        return false;
    }
    QWidget* target = *shown;
    if (action.kind == HostPointerAction::Type) {
        auto* edit = qobject_cast<QLineEdit*>(target);
        if (!edit) {
            *error = QStringLiteral("%1 is no line edit").arg(action.objectName);
            return false;
        }
        edit->setFocus(Qt::OtherFocusReason);
        edit->clear();
        if (!action.text.isEmpty()) {
            QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, action.text);
            QApplication::sendEvent(edit, &typed);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QKeyEvent enterUp(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enterUp);
        return true;
    }
    const QPointF local(action.pos);
    const QPointF global(target->mapToGlobal(action.pos));
    if (action.kind == HostPointerAction::Move) {
        QMouseEvent move(QEvent::MouseMove, local, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        return true;
    }
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    return true;
}

QImage screenshot(QWidget* panel)
{
    const QPoint origin = panel->mapToGlobal(QPoint(0, 0));
    std::vector<std::pair<QRect, QWidget*>> dialogs;
    QRect bounds = panel->rect();
    for (QWidget* window : panel->findChildren<QWidget*>()) {
        if (!window->isWindow() || !window->isVisible())
            continue;
        const QRect place(window->mapToGlobal(QPoint(0, 0)) - origin, window->size());
        dialogs.emplace_back(place, window);
        bounds |= place;
    }
    const QPixmap panelImage = panel->grab();
    if (dialogs.empty())
        return panelImage.toImage();
    QImage image(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(panel->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    painter.drawPixmap(0, 0, panelImage);
    for (const auto& dialog : dialogs)
        painter.drawPixmap(dialog.first.topLeft(), dialog.second->grab());
    return image;
}

bool writeScreenshot(QWidget* panel, const QString& path, QString* error)
{
    if (!screenshot(panel).save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace HostRun
