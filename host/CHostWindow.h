#pragma once

#include "data/CVornClientCenter.h"

#include <QJsonObject>
#include <QList>
#include <QMainWindow>

class CDockHost;
class QComboBox;
class QListWidget;
class PanelRegistry;

namespace Ocv {
class IvornDockableWidget;
}

// The docking host: the panel in the middle, and beside it a system chooser and the list of
// what the panel asked of the host.
class CHostWindow : public QMainWindow
{
    Q_OBJECT
public:
    CHostWindow(const PanelRegistry& registry, const QString& panelId, QWidget* parent = nullptr);
    ~CHostWindow() override;

    CDockHost* dockHost() const { return m_dockHost; }
    Ocv::IvornDockableWidget* panel() const;

    // Switches the docked panel and the client centre's selected system, and keeps the chooser
    // in step; id 0 means no system.
    void switchSystem(int systemId, const QString& systemName);
    void addNote(const QString& line);
    // Notes the message and, when notices are on, shows it without blocking the panel.
    void showServerMessage(const Ocv::CVornClientCenter::ServerMessage& message);
    // Off for scripted runs, which only log the messages.
    void setShowsNotices(bool on) { m_showsNotices = on; }
    // Events and messages in arrival order, as the lines of the events log.
    const QList<QJsonObject>& eventLog() const { return m_eventLog; }
    // The id the chooser gives that server; 0 for no name, 1 for a name it does not list.
    int systemIdOf(const QString& systemName) const;

private:
    void onSystemChosen(int index);

    CDockHost* m_dockHost = nullptr;
    QComboBox* m_systemChooser = nullptr;
    QListWidget* m_eventList = nullptr;
    bool m_syncingChooser = false;
    bool m_showsNotices = false;
    QList<QJsonObject> m_eventLog;
};
