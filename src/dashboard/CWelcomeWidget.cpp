#include "dashboard/CWelcomeWidget.h"

#include "base/EventIds.h"
#include "base/NumberedQuery.h"
#include "base/ResultMessage.h"
#include "base/UserChecks.h"
#include "base/WelcomeLog.h"
#include "dashboard/CBottomWidget.h"
#include "dashboard/CLeftWidget.h"
#include "dashboard/CMiddleWidget.h"
#include "dashboard/CRightWidget.h"
#include "dashboard/CTopWidget.h"
#include "dashboard/CWelcomeImageWidget.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CComboBox.h"
#include "smartalgo/CSmartAlgoDialog.h"
#include "userlist/CUserListDialog.h"
#include "utils/CSingletonT.h"

#include <QTimer>

#include <algorithm>
#include <climits>

namespace Ocv {

namespace {
constexpr int kRefreshPeriodMs = 60000;
constexpr int kSystemStatusType = 12235;
constexpr int kSubManagerStatisticsType = 12277;

constexpr int kSelectorWidth = 150;
constexpr int kSelectorHeight = 24;
constexpr int kSelectorX = 10;
constexpr int kSelectorY = 5;
constexpr int kSelectorGap = 10;
constexpr int kRightBoardX = 1520;

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

// Status mode unless the logged-in user is a sub-manager.
bool isStatusModeUser()
{
    const auto userInfo = utils::CSingletonT<CUserManager>::instance()->getUserInfoPtr();
    return !userInfo || userInfo->subManagerId == -1 || userInfo->subManagerId == INT_MAX;
}
} // namespace

CWelcomeWidget::CWelcomeWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("welcome_widget"), false, parent), m_bStatusMode(isStatusModeUser())
{
    registerWelcomeMetaTypes();
    createUi();
    connect(this, &CWelcomeWidget::sigUpdate, this, &CWelcomeWidget::slotUpdate);
    // Queued even when emitted on the GUI thread, so answers are always stored in event order.
    connect(this, &CWelcomeWidget::sigAnswer, this, &CWelcomeWidget::slotAnswer, Qt::QueuedConnection);

    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CWelcomeWidget::slotTimeout);
    m_pTimer->start(kRefreshPeriodMs);
}

CWelcomeWidget::~CWelcomeWidget()
{
    // No answer may touch the widget once its destruction has begun.
    m_answerGuard.close();
}

void CWelcomeWidget::createUi()
{
    m_pServerSelector = new Kx::CComboBox(0, this);
    m_pServerSelector->setFixedSize(kSelectorWidth, kSelectorHeight);
    for (const auto& server : clientCenter()->getAllClients()) {
        if (server.second)
            m_pServerSelector->addItem(QString::fromStdString(server.first));
    }

    // The wide layout of role type 4 leaves out the top strip and the exchange board.
    const std::string server = currentServerName().toStdString();
    if (m_bStatusMode) {
        if (!isWideLayout()) {
            m_pTopWidget = new CTopWidget(this);
            m_pTopWidget->setCurrentService(server);
            m_pRightWidget = new CRightWidget(this);
            m_pRightWidget->setCurrentService(server);
        }
        m_pMiddleWidget = new CMiddleWidget(this);
        m_pBottomWidget = new CBottomWidget(this);
    } else {
        if (!isWideLayout()) {
            m_pRightWidget = new CRightWidget(this);
            m_pRightWidget->setCurrentService(server);
        }
        m_pLeftWidget = new CLeftWidget(this);
        // The board reacts to plain moves with its hand cursor; it leaves tracking to its host.
        m_pLeftWidget->setMouseTracking(true);
    }

    resetWidget(m_strSystemName.isEmpty());
}

void CWelcomeWidget::resetWidget(bool showSelector)
{
    const std::size_t serverCount = clientCenter()->getAllClients().size();
    const bool selectorVisible = showSelector && serverCount > 1;
    m_pServerSelector->setVisible(selectorVisible);
    if (selectorVisible)
        m_pServerSelector->move(kSelectorX, kSelectorY);

    const int y = showSelector ? m_pServerSelector->height() + kSelectorGap : 0;
    if (m_bStatusMode) {
        if (m_pTopWidget)
            m_pTopWidget->move(0, y);
        const int topHeight = m_pTopWidget ? m_pTopWidget->height() : 0;
        if (m_pMiddleWidget)
            m_pMiddleWidget->move(0, y + topHeight);
        if (m_pBottomWidget)
            m_pBottomWidget->move(0, y + topHeight + (m_pMiddleWidget ? m_pMiddleWidget->height() : 0));
    } else if (m_pLeftWidget) {
        m_pLeftWidget->move(0, y);
    }
    if (m_pRightWidget)
        m_pRightWidget->move(kRightBoardX, y);
    if (m_pImageWidget)
        m_pImageWidget->move(0, y);
}

QString CWelcomeWidget::currentServerName() const
{
    return m_strSystemName.isEmpty() ? m_pServerSelector->currentText() : m_strSystemName;
}

void CWelcomeWidget::setSystem(int systemId, const QString& systemName)
{
    m_strSystemName = systemId != 0 ? systemName : QString();
    retargetRegions();
    refresh();
    resetWidget(m_strSystemName.isEmpty());
}

// The regions that query for themselves follow the dashboard's current server.
void CWelcomeWidget::retargetRegions()
{
    m_answerOrder.retarget();
    const std::string server = currentServerName().toStdString();
    if (m_pTopWidget)
        m_pTopWidget->setCurrentService(server);
    if (m_pRightWidget)
        m_pRightWidget->setCurrentService(server);
}

void CWelcomeWidget::refresh()
{
    const int dataType = m_bStatusMode ? kSystemStatusType : kSubManagerStatisticsType;
    const QString server = currentServerName();
    const auto onAnswer = [this](quint64 number, const utils::TTError& error,
                                 const std::vector<ttservice::IDataPtr>& records) {
        onQueryData(number, error, records);
    };
    if (sendNumberedQuery(server.toStdString(), dataType, m_answerOrder.next(), m_answerGuard, onAnswer))
        WELCOME_LOG(QStringLiteral("query %1 on '%2'").arg(dataType).arg(server));
    else
        WELCOME_LOG(QStringLiteral("no server named '%1', nothing sent").arg(server));
}

void CWelcomeWidget::onQueryData(quint64 requestNumber, const utils::TTError& error,
                                 const std::vector<ttservice::IDataPtr>& records)
{
    if (!error.isSuccess()) {
        WELCOME_LOG(QStringLiteral("query failed: %1").arg(QString::fromStdString(error.errorMsg())));
        return;
    }
    if (records.empty())
        return;

    SysStatusMap statusMap;
    boost::shared_ptr<ttservice::CVornSubManagerInfo> managerInfo;
    if (m_bStatusMode) {
        for (const auto& record : records) {
            auto status = boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(record);
            if (status)
                statusMap[status->statusType].append(status);
        }
    } else {
        managerInfo = boost::dynamic_pointer_cast<ttservice::CVornSubManagerInfo>(records.front());
    }
    emit sigAnswer(requestNumber, statusMap, managerInfo);
}

void CWelcomeWidget::slotAnswer(quint64 requestNumber, Ocv::SysStatusMap statusMap,
                                boost::shared_ptr<ttservice::CVornSubManagerInfo> managerInfo)
{
    // Servers answer at their own pace: a slow server's answer must not overwrite the figures of
    // the server switched to since, nor a newer answer of the same server.
    if (!m_answerOrder.take(requestNumber)) {
        WELCOME_LOG(QStringLiteral("answer %1 outdated, dropped").arg(requestNumber));
        return;
    }
    if (m_bStatusMode)
        m_sysStatusMap.swap(statusMap);
    else
        m_pManagerInfo = managerInfo;
    emit sigUpdate();
}

void CWelcomeWidget::slotUpdate()
{
    if (!m_bStatusMode) {
        if (m_pLeftWidget)
            m_pLeftWidget->setManagerInfo(m_pManagerInfo);
        return;
    }
    if (!isStatusViewAllowed())
        return;
    if (m_pMiddleWidget)
        m_pMiddleWidget->setSysInfo(m_sysStatusMap);
    if (m_pBottomWidget)
        m_pBottomWidget->setSysInfo(m_sysStatusMap);
}

void CWelcomeWidget::slotTimeout()
{
    if (isActive())
        refresh();
    else
        m_bRefreshPending = true;
}

void CWelcomeWidget::onActive()
{
    Kx::CBaseWidget::onActive();
    if (m_bRefreshPending) {
        m_bRefreshPending = false;
        m_pTimer->start(kRefreshPeriodMs);
        refresh();
    }
}

void CWelcomeWidget::setParam(const QString&) {}

QString CWelcomeWidget::param() const
{
    return QString();
}

bool CWelcomeWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::ComboChanged) {
        retargetRegions();
        refresh();
        return true;
    }
    if (eventId == EventId::OpenUserList) {
        if (!m_pUserListDialog) {
            m_pUserListDialog = new CUserListDialog(this);
            m_pUserListDialog->hide();
            connect(m_pUserListDialog, &CUserListDialog::sigQueryUserLog, this,
                    &CWelcomeWidget::slotQueryUserLog);
        }
        m_pUserListDialog->showAndQuery(m_strSystemName, b);
        return true;
    }
    if (eventId == EventId::OpenSmartAlgo) {
        if (!m_pSmartAlgoDialog) {
            m_pSmartAlgoDialog = new CSmartAlgoDialog(this);
            m_pSmartAlgoDialog->hide();
        }
        m_pSmartAlgoDialog->showAndQuery(m_strSystemName, b);
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

void CWelcomeWidget::autoScalingImage(int width, int height)
{
    // None of the current layouts creates the picture; a layout that does gets it sized here.
    if (!m_pImageWidget)
        return;
    const QSize image = m_pImageWidget->getImageSize();
    m_pImageWidget->resize(std::max(width, image.width()), std::max(height, image.height()));
}

void CWelcomeWidget::slotShowError(bool isError, QString text)
{
    showResultMessage(this, isError, text);
}

void CWelcomeWidget::slotQueryUserLog(const QString& text)
{
    if (m_pUserListDialog)
        m_pUserListDialog->hide();

    deliverEvent(EventId::OpenView, -1, ViewId::UserLog, text, nullptr);
}

} // namespace Ocv
