#pragma once

#include "kx/CBaseWidget.h"

#include <QString>
#include <QVector>

namespace Kx {
class IDockableWidget;
}

// The dock area: the outermost event deliverer, so it sees every event no panel consumed.
class CDockHost : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    struct Event
    {
        int id;
        int a;
        int b;
        QString text;
    };

    explicit CDockHost(QWidget* parent = nullptr);

    void dock(Kx::IDockableWidget* panel);
    // Deletes the docked panel, if any.
    void removePanel();
    Kx::IDockableWidget* panel() const { return m_panel; }

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    const QVector<Event>& events() const { return m_events; }

signals:
    void eventReceived(int id, int a, int b, const QString& text);

private:
    Kx::IDockableWidget* m_panel = nullptr;
    QVector<Event> m_events;
};
