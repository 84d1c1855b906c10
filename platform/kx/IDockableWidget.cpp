#include "kx/IDockableWidget.h"

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
    if (active)
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
