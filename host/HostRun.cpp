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

#include <vector>

namespace HostRun {

namespace {

constexpr int kSettleBoundMs = 10000;

void addTree(QWidget* widget, QList<QWidget*>* order)
{
    order->append(widget);
    for (QObject* child : widget->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (childWidget && !childWidget->isWindow())
            addTree(childWidget, order);
    }
}

// The order of the paint log: the root's own window first, then each shown window below it.
QList<QWidget*> inTreeOrder(QWidget* root)
{
    QList<QWidget*> order;
    addTree(root, &order);
    for (QWidget* window : root->findChildren<QWidget*>()) {
        if (window->isWindow() && window->isVisible())
            addTree(window, &order);
    }
    return order;
}

// A user can only reach a shown widget: the action's index counts the shown ones of its name.
QWidget* nthShown(const QList<QWidget*>& widgets, const HostPointerAction& action, bool windows,
                  QString* error)
{
    int named = 0;
    int shown = 0;
    for (QWidget* widget : widgets) {
        if (widget->objectName() != action.objectName || (windows && !widget->isWindow()))
            continue;
        ++named;
        if (widget->isVisible() && ++shown == action.index)
            return widget;
    }
    const QString what = windows ? QStringLiteral("dialog") : QStringLiteral("widget");
    if (named == 0)
        *error = QStringLiteral("no %1 named %2").arg(what, action.objectName);
    else if (shown == 0)
        *error = QStringLiteral("%1 is not shown (is it on another tab?)").arg(action.objectName);
    else
        *error = QStringLiteral("%1#%2: only %3 shown %4s of that name")
                     .arg(action.objectName)
                     .arg(action.index)
                     .arg(shown)
                     .arg(what);
    return nullptr;
}

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
    QWidget* target = nullptr;
    QPoint pos = action.pos;
    if (!action.atPoint) {
        target = nthShown(inTreeOrder(root), action, false, error);
    } else {
        QWidget* area = action.objectName.isEmpty() ? root : nthShown(inTreeOrder(root), action, true, error);
        if (area && !area->rect().contains(pos)) {
            *error = QStringLiteral("@%1,%2 lies outside %3 (%4x%5)")
                         .arg(pos.x())
                         .arg(pos.y())
                         .arg(action.objectName.isEmpty() ? QStringLiteral("the panel") : action.objectName)
                         .arg(area->width())
                         .arg(area->height());
            return false;
        }
        // As a user's click: to the topmost widget there (childAt skips those transparent to the mouse).
        if (area) {
            QWidget* under = area->childAt(pos);
            target = under ? under : area;
            pos = target->mapFrom(area, pos);
        }
    }
    if (!target)
        return false;
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
    const QPointF local(pos);
    const QPointF global(target->mapToGlobal(pos));
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
