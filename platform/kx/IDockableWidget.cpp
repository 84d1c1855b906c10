#include "kx/IDockableWidget.h"

#include <QEvent>
#include <QWindowStateChangeEvent>

namespace Kx {

IDockableWidget::IDockableWidget(bool paintBackground, const QString& id, QWidget* parent, bool copiable)
    : CBaseWidget(id, paintBackground, parent), m_id(id), m_copiable(copiable)
{
}

IDockableWidget::~IDockableWidget() = default;

void IDockableWidget::setWindowFocusWidget(QWidget* w)
{
    m_focusWidget = w;
}

void IDockableWidget::acquire() {}

void IDockableWidget::release() {}

IDockableWidget* IDockableWidget::getCopy()
{
    return nullptr;
}

void IDockableWidget::setTableShowSort(bool show)
{
    m_tableShowSort = show;
}

void IDockableWidget::setWidgetActive(bool active)
{
    m_widgetActive = active;
    watchWindow();
    if (active)
        activateTree(this);
}

void IDockableWidget::showEvent(QShowEvent* event)
{
    watchWindow();
    CBaseWidget::showEvent(event);
}

// The window may change when the panel is re-docked; follow it.
void IDockableWidget::watchWindow()
{
    QWidget* top = window();
    if (top == this || top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top;
    top->installEventFilter(this);
    connect(top, &QObject::destroyed, this, [this, top] {
        if (m_watchedWindow == top)
            m_watchedWindow = nullptr;
    });
}

bool IDockableWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::WindowStateChange)
        windowStateChanged(m_watchedWindow, event);
    return CBaseWidget::eventFilter(watched, event);
}

void IDockableWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isWindow())
        windowStateChanged(this, event);
    CBaseWidget::changeEvent(event);
}

// A restored window catches up on the refreshes its widgets skipped while it was minimized.
void IDockableWidget::windowStateChanged(QWidget* top, QEvent* event)
{
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
    if (wasMinimized && !top->isMinimized() && m_widgetActive)
        activateTree(this);
}

bool IDockableWidget::isSimpleHeaderTitle()
{
    return false;
}

void IDockableWidget::handleReserveBtnActive() {}

bool IDockableWidget::handleShortcut(int)
{
    return false;
}

bool IDockableWidget::getActivable()
{
    return m_activable;
}

void IDockableWidget::setActivable(bool activable)
{
    m_activable = activable;
}

int IDockableWidget::getPairID()
{
    return m_pairId;
}

void IDockableWidget::setPairID(int id)
{
    m_pairId = id;
}

bool IDockableWidget::handlePairEvent(int, int, int, const QString&)
{
    return false;
}

void IDockableWidget::setCopiable(bool copiable)
{
    m_copiable = copiable;
}

void IDockableWidget::setMinSize(QSize size)
{
    m_minSize = size;
}

QSize IDockableWidget::getMinSize()
{
    return m_minSize;
}

QString IDockableWidget::widgetID()
{
    return m_id;
}

int IDockableWidget::getTradeType()
{
    return 0;
}

bool IDockableWidget::isClosed()
{
    return false;
}

bool IDockableWidget::getOptActivable()
{
    return m_optActivable;
}

void IDockableWidget::setOptActivable(bool activable)
{
    m_optActivable = activable;
}

void IDockableWidget::setActiveWidgetId(int id)
{
    m_activeWidgetId = id;
}

bool IDockableWidget::isShowTitleMenu()
{
    return true;
}

void IDockableWidget::setBtnToolVisible(bool visible)
{
    m_btnToolVisible = visible;
}

bool IDockableWidget::hasControlShowToolBtn()
{
    return false;
}

} // namespace Kx
