#include "PanelRegistry.h"

#include "panel/CWelcomePanel.h"

void PanelRegistry::add(const QString& id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

Kx::IDockableWidget* PanelRegistry::create(const QString& id, QWidget* parent) const
{
    const auto it = m_factories.find(id);
    return it == m_factories.end() ? nullptr : it->second(parent);
}

QStringList PanelRegistry::ids() const
{
    QStringList ids;
    for (const auto& entry : m_factories)
        ids << entry.first;
    return ids;
}

PanelRegistry PanelRegistry::standard()
{
    PanelRegistry registry;
    registry.add(QStringLiteral("wlc"), [](QWidget* parent) { return new Ocv::CWelcomePanel(parent); });
    return registry;
}
