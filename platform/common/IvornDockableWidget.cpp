#include "common/IvornDockableWidget.h"

namespace Ocv {

IvornDockableWidget::IvornDockableWidget(bool flag, const QString& id, QWidget* parent, bool flag2)
    : Kx::IDockableWidget(flag, id, parent, flag2)
{
}

IvornDockableWidget::~IvornDockableWidget() = default;

void IvornDockableWidget::onActive()
{
    Kx::IDockableWidget::onActive();
}

void IvornDockableWidget::acquire()
{
    ++m_acquireCount;
}

void IvornDockableWidget::release()
{
    if (m_acquireCount > 0)
        --m_acquireCount;
}

void IvornDockableWidget::switchSystem(int systemId, QString systemName)
{
    m_systemId = systemId;
    m_systemName = systemId == 0 ? QString() : systemName;
    emit systemSwitched(m_systemId, m_systemName);
}

} // namespace Ocv
