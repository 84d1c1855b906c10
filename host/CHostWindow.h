#pragma once

#include "HostScenario.h"
#include "PanelRegistry.h"

#include "data/CVornClientCenter.h"

#include <QJsonObject>
#include <QList>
#include <QMainWindow>

#include <functional>

class CDockHost;
class QComboBox;
class QDockWidget;
class QListWidget;

namespace Ocv {
class IvornDockableWidget;
}

namespace sim {
struct Scenario;
}

// The docking host: the panel in the middle, and beside it, in a side list that can be collapsed,
// a system chooser and the list of what the panel asked of the host.
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
    // Shows the all-risk block that the risk overview keeps hidden, now and in every panel docked
    // later (an inspection switch).
    void setShowAllRisk(bool on);
    // Off for scripted runs, which only log the messages.
    void setShowsNotices(bool on) { m_showsNotices = on; }
    // Events and messages in arrival order, as the lines of the events log.
    const QList<QJsonObject>& eventLog() const { return m_eventLog; }
    // The id the chooser gives that server; 0 for no name, 1 for a name it does not list.
    int systemIdOf(const QString& systemName) const;
    // A line of the events log about a dialog (DialogWatcher), noted in the side list too.
    void noteDialog(const QJsonObject& line);

    // Resizes the window to the size asked for, no larger than the available geometry of the screen
    // it opens on, and shows it; a window that had to shrink opens maximized, its side list
    // collapsed when the width was cut, so that the panel keeps the room.
    void openOnScreen(const QSize& wanted);
    // Shows or hides ("collapses") the side list; also the check item of the menu "视图".
    QAction* sideListAction() const;
    // The menu "视图" with the side list's item.
    void addViewMenu();

    // The menu "场景": the given scenarios and "打开…" for a file of one's own.
    void addScenarioMenu(const QList<HostScenario::Entry>& entries);
    // What a scenario chosen in the menu goes through before it is installed (the clock options).
    void setScenarioAdjustment(std::function<void(sim::Scenario*)> adjust) { m_adjust = std::move(adjust); }
    // Loads, adjusts and switches to the scenario; false with a message in error when it is unusable.
    bool openScenario(const QString& path, QString* error);
    // Replaces the platform under the panel: the panel is deleted, the scenario installed, a new
    // panel docked, the chooser refilled and the system chosen before applied again when the new
    // platform has a server of that name, else its first server (no system stays no system).
    void switchPlatform(const sim::Scenario& scenario);

private:
    void onSystemChosen(int index);
    void fillChooser();
    void createPanel();

    PanelRegistry m_registry;
    QString m_panelId;
    std::function<void(sim::Scenario*)> m_adjust;
    CDockHost* m_dockHost = nullptr;
    QComboBox* m_systemChooser = nullptr;
    QDockWidget* m_side = nullptr;
    QListWidget* m_eventList = nullptr;
    bool m_syncingChooser = false;
    bool m_showsNotices = false;
    bool m_showAllRisk = false;
    QList<QJsonObject> m_eventLog;
};
