#include "CDockHost.h"

#include "kx/IDockableWidget.h"

CDockHost::CDockHost(QWidget* parent) : Kx::CBaseWidget(QStringLiteral("dock_host"), false, parent) {}

void CDockHost::dock(Kx::IDockableWidget* panel)
{
    m_panel = panel;
    setInnerStretchWidget(panel, 0, 0, 0, 0);
    if (panel && isVisible())
        panel->show();
}

void CDockHost::removePanel()
{
    // The base keeps a plain pointer to the stretched widget: let go of it before the panel goes.
    setInnerStretchWidget(nullptr, 0, 0, 0, 0);
    delete m_panel;
    m_panel = nullptr;
}

bool CDockHost::handleEvent(int eventId, int a, int b, const QString& text, void*)
{
    m_events.append({eventId, a, b, text});
    emit eventReceived(eventId, a, b, text);
    return true;
}
