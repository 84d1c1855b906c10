#include "kx/CBaseWidget.h"
#include "kx/CUiResource.h"
#include "kx/IDockableWidget.h"

#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

namespace Kx {

CBaseWidget::CBaseWidget(const QString& objectName, bool paintBackground, QWidget* parent)
    : CEventWidgetT<QWidget>(parent), m_paintBackground(paintBackground)
{
    setObjectName(objectName);
}

CBaseWidget::~CBaseWidget() = default;

bool CBaseWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    return CEventWidgetT<QWidget>::handleEvent(eventId, a, b, text, data);
}

void CBaseWidget::onActive() {}

void CBaseWidget::setParam(const QString& param)
{
    m_param = param;
}

QString CBaseWidget::param() const
{
    return m_param;
}

void CBaseWidget::setActive(bool active, bool notify)
{
    m_active = active;
    if (active && notify)
        onActive();
}

bool CBaseWidget::isActive() const
{
    if (!m_active || !isVisible() || window()->isMinimized())
        return false;
    for (const QWidget* w = this; w; w = w->parentWidget()) {
        if (auto* dock = qobject_cast<const IDockableWidget*>(w)) {
            if (!dock->isWidgetActive())
                return false;
        }
    }
    return true;
}

void CBaseWidget::setInnerStretchWidget(QWidget* w, int left, int top, int right, int bottom)
{
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    if (!box) {
        delete layout();
        box = new QVBoxLayout(this);
        box->setSpacing(0);
    }
    if (m_innerWidget && m_innerWidget != w)
        box->removeWidget(m_innerWidget);
    box->setContentsMargins(left, top, right, bottom);
    m_innerWidget = w;
    if (w && box->indexOf(w) < 0)
        box->addWidget(w);
}

void CBaseWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_paintBackground)
        painter.fillRect(rect(),
                         *utils::CSingletonT<CUiResource>::instance()->getColor("clr_widget_background"));
    // Plain QWidget subclasses ignore style-sheet backgrounds unless they draw PE_Widget.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void activateTree(QWidget* root)
{
    if (!root)
        return;
    if (auto* base = qobject_cast<CBaseWidget*>(root))
        base->onActive();
    // onActive may create or delete widgets, so walk a guarded snapshot.
    QList<QPointer<CBaseWidget>> children;
    for (CBaseWidget* child : root->findChildren<CBaseWidget*>())
        children.append(child);
    for (const QPointer<CBaseWidget>& child : children) {
        if (child && child->isActive())
            child->onActive();
    }
}

} // namespace Kx
