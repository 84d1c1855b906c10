#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QWidget;

namespace Kx {
class IDockableWidget;
}

// Panels the host can dock, by panel id.
class PanelRegistry
{
public:
    using Factory = std::function<Kx::IDockableWidget*(QWidget* parent)>;

    void add(const QString& id, Factory factory);
    Kx::IDockableWidget* create(const QString& id, QWidget* parent) const;
    QStringList ids() const;

    // The registry with every panel this host knows.
    static PanelRegistry standard();

private:
    std::map<QString, Factory> m_factories;
};
