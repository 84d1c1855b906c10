#include "CHostWindow.h"

#include "CDockHost.h"
#include "EventLog.h"
#include "PanelRegistry.h"

#include "common/IvornDockableWidget.h"
#include "data/CVornClientCenter.h"
#include "risk/CAllRiskControlWidget.h"
#include "sim/Scenario.h"
#include "sim/SimPlatform.h"
#include "utils/CSingletonT.h"

#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QVBoxLayout>

namespace {
const QString kNoSystem = QStringLiteral("（不选择系统）");
constexpr int kSideMinWidth = 260;
} // namespace

CHostWindow::CHostWindow(const PanelRegistry& registry, const QString& panelId, QWidget* parent)
    : QMainWindow(parent), m_registry(registry), m_panelId(panelId)
{
    setWindowTitle(QStringLiteral("welcome-host — %1").arg(panelId));
    m_dockHost = new CDockHost(this);
    createPanel();
    setCentralWidget(m_dockHost);

    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(new QLabel(QStringLiteral("交易系统"), side));
    m_systemChooser = new QComboBox(side);
    m_systemChooser->setObjectName(QStringLiteral("host_system_chooser"));
    fillChooser();
    layout->addWidget(m_systemChooser);
    layout->addWidget(new QLabel(QStringLiteral("面板请求"), side));
    m_eventList = new QListWidget(side);
    m_eventList->setObjectName(QStringLiteral("host_event_list"));
    layout->addWidget(m_eventList, 1);

    m_side = new QDockWidget(QStringLiteral("宿主"), this);
    m_side->setObjectName(QStringLiteral("host_side_list"));
    // Its title's "×" collapses it; the menu "视图" brings it back.
    m_side->setFeatures(QDockWidget::DockWidgetClosable);
    m_side->setWidget(side);
    m_side->setMinimumWidth(kSideMinWidth);
    m_side->toggleViewAction()->setText(QStringLiteral("宿主栏"));
    addDockWidget(Qt::RightDockWidgetArea, m_side);

    connect(m_systemChooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CHostWindow::onSystemChosen);
    connect(m_dockHost, &CDockHost::eventReceived, this,
            [this](int eventId, int a, int b, const QString& text) {
                m_eventLog.append(EventLog::eventLine({eventId, a, b, text}));
                addNote(QStringLiteral("事件 %1 (%2, %3, \"%4\")").arg(eventId).arg(a).arg(b).arg(text));
            });
}

CHostWindow::~CHostWindow() = default;

void CHostWindow::createPanel()
{
    if (Kx::IDockableWidget* panel = m_registry.create(m_panelId, m_dockHost))
        m_dockHost->dock(panel);
    setShowAllRisk(m_showAllRisk);
}

void CHostWindow::setShowAllRisk(bool on)
{
    m_showAllRisk = on;
    if (!panel())
        return;
    for (Ocv::CAllRiskControlWidget* block : panel()->findChildren<Ocv::CAllRiskControlWidget*>())
        block->setVisible(on);
}

void CHostWindow::fillChooser()
{
    m_syncingChooser = true;
    m_systemChooser->clear();
    m_systemChooser->addItem(kNoSystem, 0);
    int id = 0;
    for (const auto& client : utils::CSingletonT<Ocv::CVornClientCenter>::instance()->getAllClients())
        m_systemChooser->addItem(QString::fromStdString(client.first), ++id);
    m_syncingChooser = false;
}

Ocv::IvornDockableWidget* CHostWindow::panel() const
{
    return qobject_cast<Ocv::IvornDockableWidget*>(m_dockHost->panel());
}

void CHostWindow::switchSystem(int systemId, const QString& systemName)
{
    m_syncingChooser = true;
    const int index = systemId == 0 ? 0 : m_systemChooser->findText(systemName);
    m_systemChooser->setCurrentIndex(index < 0 ? 0 : index);
    m_syncingChooser = false;
    // Requests the centre routes without a system tag of their own go to the chosen system.
    utils::CSingletonT<Ocv::CVornClientCenter>::instance()->setSystemName(
        systemId == 0 ? std::string() : systemName.toStdString());
    if (Ocv::IvornDockableWidget* docked = panel())
        docked->switchSystem(systemId, systemName);
    addNote(QStringLiteral("switchSystem(%1, \"%2\")").arg(systemId).arg(systemName));
}

int CHostWindow::systemIdOf(const QString& systemName) const
{
    if (systemName.isEmpty())
        return 0;
    const int index = m_systemChooser->findText(systemName);
    return index > 0 ? m_systemChooser->itemData(index).toInt() : 1;
}

void CHostWindow::onSystemChosen(int index)
{
    if (m_syncingChooser || index < 0)
        return;
    const int systemId = m_systemChooser->itemData(index).toInt();
    switchSystem(systemId, systemId == 0 ? QString() : m_systemChooser->itemText(index));
}

void CHostWindow::noteDialog(const QJsonObject& line)
{
    m_eventLog.append(line);
    const QJsonObject dialog = line.value(QStringLiteral("dialog")).toObject();
    addNote(QStringLiteral("对话框 %1 \"%2\": %3")
                .arg(dialog.value(QStringLiteral("class")).toString(),
                     dialog.value(QStringLiteral("title")).toString(),
                     dialog.value(QStringLiteral("answer")).toString()));
}

void CHostWindow::openOnScreen(const QSize& wanted)
{
    const QScreen* screen = QGuiApplication::screenAt(pos());
    const QRect available = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize fitted = wanted.boundedTo(available.size());
    if (fitted.width() < wanted.width()) {
        // Hidden before it was ever shown, the dock sends no event that would uncheck its item.
        m_side->hide();
        sideListAction()->setChecked(false);
    }
    resize(fitted);
    if (fitted == wanted) {
        show();
        return;
    }
    // Maximized, the window manager fits the frame too, which a plain resize cannot know before showing.
    move(available.topLeft());
    showMaximized();
}

QAction* CHostWindow::sideListAction() const
{
    return m_side->toggleViewAction();
}

void CHostWindow::addViewMenu()
{
    menuBar()->addMenu(QStringLiteral("视图"))->addAction(sideListAction());
}

void CHostWindow::addScenarioMenu(const QList<HostScenario::Entry>& entries)
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("场景"));
    // The host's own dialogs are named host_… so that the dialog watcher leaves them alone.
    const auto open = [this](const QString& path) {
        QString error;
        if (openScenario(path, &error))
            return;
        QMessageBox box(QMessageBox::Warning, QStringLiteral("场景"), error, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("host_scenario_error"));
        box.exec();
    };
    for (const HostScenario::Entry& entry : entries)
        menu->addAction(entry.title, this, [open, path = entry.path] { open(path); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("打开…"), this, [this, open] {
        QFileDialog dialog(this, QStringLiteral("打开场景"), QString(), QStringLiteral("场景 (*.json)"));
        dialog.setObjectName(QStringLiteral("host_open_scenario"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            open(dialog.selectedFiles().constFirst());
    });
}

bool CHostWindow::openScenario(const QString& path, QString* error)
{
    sim::Scenario scenario;
    if (!HostScenario::load(path, &scenario, error)) {
        addNote(*error);
        return false;
    }
    if (m_adjust)
        m_adjust(&scenario);
    switchPlatform(scenario);
    addNote(QStringLiteral("场景 %1").arg(path));
    return true;
}

void CHostWindow::switchPlatform(const sim::Scenario& scenario)
{
    const QString system = m_systemChooser->currentIndex() > 0 ? m_systemChooser->currentText() : QString();
    const bool active = panel() && panel()->isWidgetActive();
    // The panel goes first: its answer guards close before the old servers are shut down.
    m_dockHost->removePanel();
    sim::SimPlatform::install(scenario);
    createPanel();
    fillChooser();
    if (Ocv::IvornDockableWidget* docked = panel())
        docked->setWidgetActive(active);
    // A chosen system the new platform lacks gives way to its first server, as after a new login.
    const QString first =
        scenario.servers.empty() ? QString() : QString::fromStdString(scenario.servers.front().name);
    const QString next = system.isEmpty() || m_systemChooser->findText(system) > 0 ? system : first;
    const int systemId = systemIdOf(next);
    switchSystem(systemId, next);
}

void CHostWindow::addNote(const QString& line)
{
    m_eventList->addItem(
        QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), line));
    m_eventList->scrollToBottom();
}

void CHostWindow::showServerMessage(const Ocv::CVornClientCenter::ServerMessage& message)
{
    m_eventLog.append(EventLog::messageLine(message));
    addNote(QStringLiteral("%1: %2").arg(message.title, message.text));
    if (!m_showsNotices)
        return;
    const bool error = message.type == 1 || !message.ok;
    auto* box = new QMessageBox(error ? QMessageBox::Critical : QMessageBox::Information, message.title,
                                message.text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("host_notice"));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}
