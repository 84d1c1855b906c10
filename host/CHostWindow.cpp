#include "CHostWindow.h"

#include "CDockHost.h"
#include "EventLog.h"
#include "PanelRegistry.h"

#include "common/IvornDockableWidget.h"
#include "data/CVornClientCenter.h"
#include "utils/CSingletonT.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTime>
#include <QVBoxLayout>

namespace {
const QString kNoSystem = QStringLiteral("（不选择系统）");
}

CHostWindow::CHostWindow(const PanelRegistry& registry, const QString& panelId, QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("welcome-host — %1").arg(panelId));
    m_dockHost = new CDockHost(this);
    if (Kx::IDockableWidget* panel = registry.create(panelId, m_dockHost))
        m_dockHost->dock(panel);
    setCentralWidget(m_dockHost);

    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(new QLabel(QStringLiteral("交易系统"), side));
    m_systemChooser = new QComboBox(side);
    m_systemChooser->setObjectName(QStringLiteral("host_system_chooser"));
    m_systemChooser->addItem(kNoSystem, 0);
    int id = 0;
    for (const auto& client : utils::CSingletonT<Ocv::CVornClientCenter>::instance()->getAllClients())
        m_systemChooser->addItem(QString::fromStdString(client.first), ++id);
    layout->addWidget(m_systemChooser);
    layout->addWidget(new QLabel(QStringLiteral("面板请求"), side));
    m_eventList = new QListWidget(side);
    m_eventList->setObjectName(QStringLiteral("host_event_list"));
    layout->addWidget(m_eventList, 1);

    auto* dock = new QDockWidget(QStringLiteral("宿主"), this);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(side);
    dock->setMinimumWidth(260);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    connect(m_systemChooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CHostWindow::onSystemChosen);
    connect(m_dockHost, &CDockHost::eventReceived, this,
            [this](int eventId, int a, int b, const QString& text) {
                m_eventLog.append(EventLog::eventLine({eventId, a, b, text}));
                addNote(QStringLiteral("事件 %1 (%2, %3, \"%4\")").arg(eventId).arg(a).arg(b).arg(text));
            });
}

CHostWindow::~CHostWindow() = default;

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
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}
