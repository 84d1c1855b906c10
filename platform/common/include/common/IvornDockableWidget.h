#pragma once

#include "common/CommonGlobal.h"
#include "kx/IDockableWidget.h"

#include <QString>

namespace Ocv {

// The client's dockable-panel base: remembers the trading system the host selected.
class COMMON_EXPORT IvornDockableWidget : public Kx::IDockableWidget
{
    Q_OBJECT
public:
    IvornDockableWidget(bool flag, const QString& id, QWidget* parent = nullptr, bool flag2 = false);
    ~IvornDockableWidget() override;

    void onActive() override;
    void acquire() override;
    void release() override;
    virtual void switchSystem(int systemId, QString systemName);

    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }
    int acquireCount() const { return m_acquireCount; }

signals:
    // After the base has taken the new system, before any subclass acts on it.
    void systemSwitched(int systemId, const QString& systemName);

private:
    int m_systemId = 0;
    QString m_systemName;
    int m_acquireCount = 0;
};

} // namespace Ocv
