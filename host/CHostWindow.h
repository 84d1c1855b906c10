#pragma once

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

    // Switches the docked panel and keeps the chooser in step; id 0 means no system.
    void switchSystem(int systemId, const QString& systemName);
    void addNote(const QString& line);
    // The id the chooser gives that server; 0 for no name, 1 for a name it does not list.
    int systemIdOf(const QString& systemName) const;

private:
    void onSystemChosen(int index);

    CDockHost* m_dockHost = nullptr;
    QComboBox* m_systemChooser = nullptr;
    QListWidget* m_eventList = nullptr;
    bool m_syncingChooser = false;
};
