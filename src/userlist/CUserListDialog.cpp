#include "userlist/CUserListDialog.h"

#include "base/EventIds.h"
#include "base/ListDialogParts.h"
#include "base/WelcomeMetaTypes.h"
#include "common/CSafeLineEdit.h"
#include "data/COperateReq.h"
#include "data/CLoginParam.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/DataCallbacks.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "data/ttservice/TypeManager.h"
#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CMessageBox.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "userlist/CUserListData.h"
#include "userlist/CUserListModel.h"
#include "utils/CSingletonT.h"

#include <QElapsedTimer>
#include <QMutexLocker>
#include <QPointer>
#include <QTimer>

#include <boost/make_shared.hpp>

#include <climits>
#include <mutex>
#include <unordered_map>

namespace Ocv {

namespace {
constexpr int kTypedUserType = 12311;
constexpr int kLoginInfoType = 626;
constexpr int kTableId = 1398;
constexpr int kFilterContains = 1;
constexpr int kSearchColumn = 2;
constexpr int kOnlineKind = 1;
constexpr int kSignalOrderKind = 4;
constexpr int kLogoutRight = 11291;
constexpr int kUserLogRight = 21380;
constexpr int kLogoutSelectedId = 1;
constexpr int kLogoutAllId = 2;
constexpr int kForceLogoutButton = 0;
constexpr int kUserLogButton = 3;
constexpr int kDialogHeight = 730;
// Logouts are sent, and logged-out rows taken off, in slices of this much GUI time at most.
constexpr int kLogoutSliceMs = 20;
// How often logged-out rows leave the table while a run of logouts is answered.
constexpr int kRemoveEveryMs = 100;
// Logouts sent and not answered yet, at most: the answers of a larger burst, queued to the GUI
// thread all at once, would hold it up together.
constexpr int kMaxLogoutsInFlight = 2000;
// From this many boxes the keys to log out are sorted on a worker.
// A run of this many logouts shows its progress over the dialog.
constexpr int kLogoutProgressFrom = 100;
const char* const kLoadingText = "正在加载数据";

const char* const kTitles[] = {"在线用户", "API用户", "透明代理用户", "信号单和便捷交易用户", "移动终端用户"};

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

CUserManager* users()
{
    return utils::CSingletonT<CUserManager>::instance();
}

QString titleOf(int kind)
{
    return kind >= 1 && kind <= 5 ? QString::fromUtf8(kTitles[kind - 1]) : QString();
}

// Who the administrator is, read on the GUI thread when a query starts.
struct Administrator
{
    bool known = false;
    std::string name;
    std::vector<std::string> macs;
    bool hasLogRight = false;
};

Administrator currentAdministrator()
{
    Administrator admin;
    const auto login = users()->getCurrentLoginParamPtr();
    const auto info = users()->getUserInfoPtr();
    admin.known = login && info;
    if (admin.known) {
        admin.name = info->name;
        for (const QString& mac : QString::fromStdString(login->macs).split(QLatin1Char(' ')))
            admin.macs.push_back(mac.toStdString());
    }
    admin.hasLogRight = users()->checkUserAuth(kUserLogRight);
    return admin;
}

bool mayLogOut(int kind, const Administrator& admin, const ttservice::CVornTypedUserItem& entry)
{
    if (kind != kOnlineKind || !admin.known)
        return false;
    const bool ownMac = std::find(admin.macs.begin(), admin.macs.end(), entry.mac) != admin.macs.end();
    if (ownMac && entry.userName == admin.name)
        return false;
    const int roleType = users()->getUserRoleType(entry.userType);
    return roleType != 0 && roleType != 1;
}

// Builds the rows of an answer with the boxes and buttons of the loggable ones; runs on the
// data-service thread.
UserListRowsPtr buildRows(int kind, const Administrator& admin,
                          const Kx::CBaseTableColumnMultiButtonsDelegate::ButtonsPtr& buttons,
                          const std::vector<ttservice::IDataPtr>& records)
{
    auto result = std::make_shared<UserListRows>();
    if (records.empty())
        return result;
    const auto typed = boost::dynamic_pointer_cast<ttservice::CVornTypedUserInfo>(records.front());
    if (!typed)
        return result;
    const QString system =
        QString::fromStdString(clientCenter()->getServerNameBySystemTag(typed->getSystemTag()));
    result->rows.reserve(typed->users.size());
    QStringList loggable;
    // Few distinct roles, terminals, organisations and versions: the rows share one copy of each.
    std::unordered_map<std::string, QString> shared;
    const auto sharedText = [&shared](const std::string& text) -> QString {
        auto it = shared.find(text);
        if (it == shared.end())
            it = shared.emplace(text, QString::fromStdString(text)).first;
        return it->second;
    };
    for (const ttservice::CVornTypedUserItemPtr& entry : typed->users) {
        if (!entry)
            continue;
        const std::string terminal =
            ttservice::TypeManager::getEnumItemName("ttservice::EServiceClientID", entry->terminalTypeId, 1);
        std::string role =
            ttservice::TypeManager::getEnumItemName("ttservice::EQdUserType", entry->userType, 1);
        if (role.empty())
            role = entry->userTypeText;
        std::string organization = entry->organizationName;
        if (organization.empty() && (entry->organizationId == -1 || entry->organizationId == INT_MAX))
            organization = "主经纪商";
        auto row = std::make_shared<CUserListData>(
            system, QString::fromStdString(entry->userName), sharedText(role), sharedText(terminal),
            sharedText(organization), QString::fromStdString(entry->address),
            QString::fromStdString(entry->mac), QString::fromStdString(entry->diskSerial),
            QString::fromStdString(entry->loginTime), sharedText(entry->clientVersion), entry->fileModeCount,
            entry->apiModeCount);
        row->setSourceEntry(entry);
        if (mayLogOut(kind, admin, *entry))
            loggable.append(row->qsKey());
        result->rows.push_back(std::move(row));
    }
    result->boxes = Kx::CBaseTableColumnCheckBoxDelegate::makeStates(loggable, true, false);
    result->buttons = Kx::CBaseTableColumnMultiButtonsDelegate::makeItems(loggable, buttons, true);
    return result;
}

void registerMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerWelcomeMetaTypes();
        qRegisterMetaType<UserListRowsPtr>("Ocv::UserListRowsPtr");
    });
}
} // namespace

CUserListDialog::CUserListDialog(QWidget* parent) : Kx::CCommonDialog(parent)
{
    registerMetaTypes();
    setObjectName(QStringLiteral("user_list_dialog"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(500, 300);
    createUi();
    connect(this, &CUserListDialog::sigOnData, this, &CUserListDialog::slotOnData, Qt::QueuedConnection);
    m_sendTimer = new QTimer(this);
    m_sendTimer->setSingleShot(true);
    m_sendTimer->setInterval(0);
    connect(m_sendTimer, &QTimer::timeout, this, &CUserListDialog::sendLogouts);
    m_removeTimer = new QTimer(this);
    m_removeTimer->setSingleShot(true);
    m_removeTimer->setInterval(kRemoveEveryMs);
    connect(m_removeTimer, &QTimer::timeout, this, &CUserListDialog::removeLoggedOut);
}

CUserListDialog::~CUserListDialog()
{
    m_answerGuard.close();
    // The table reads its model (and owns its delegates): it goes first.
    delete m_pTable;
    delete m_pModel;
}

void CUserListDialog::createUi()
{
    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);
    list->setSpacing(0);
    list->setMargin(0, 0, 0, 0);

    auto* topRow = ListDialogParts::addSearchRow(list, QStringLiteral("查询用户: "),
                                                 QStringLiteral("请输入用户名称, 按Enter键查询"),
                                                 QStringLiteral("user_list_search"), &m_pSearchEdit);

    m_pLogoutButtons = new Kx::CWidgetList(Qt::Horizontal, topRow);
    m_pLogoutButtons->setObjectName(QStringLiteral("user_list_logout_buttons"));
    m_pLogoutButtons->setFixedWidth(200);
    m_pLogoutButtons->setSpacing(10);
    for (const auto& logout :
         {std::make_pair(kLogoutAllId, "全部登出"), std::make_pair(kLogoutSelectedId, "选中登出")}) {
        auto* button = new Kx::CSmallNormalButton(logout.first, false, 1, m_pLogoutButtons);
        button->setObjectName(QStringLiteral("user_list_logout_%1").arg(logout.first));
        button->setText(QString::fromUtf8(logout.second));
        button->setFixedSize(70, 26);
        m_pLogoutButtons->addFixedWidget(button, 1);
    }
    topRow->addFixedWidget(m_pLogoutButtons, 1);

    m_pModel = new CUserListModel;
    m_pTable = ListDialogParts::addTable(list, kTableId, m_pModel, kSearchColumn);
    if (!clientCenter()->isMultiServers())
        m_pTable->hideColumn(1, true);
    m_pCheckBoxes = new Kx::CBaseTableColumnCheckBoxDelegate(m_pTable);
    m_pRowButtons = new Kx::CBaseTableColumnMultiButtonsDelegate(m_pTable);
    m_pTable->setColumnDelegate(0, m_pCheckBoxes);
    m_pTable->setColumnDelegate(13, m_pRowButtons);

    setInnerWidget(list);
    m_pLoadingMask = new Kx::CLoadingMaskWidget(QString::fromUtf8(kLoadingText), this);
}

void CUserListDialog::showAndQuery(const QString& systemName, int kind)
{
    QMutexLocker lock(&m_mutex);
    m_systemName = systemName;
    m_kind = kind;
    setTitle(titleOf(kind));

    for (int column = 4; column <= 13; ++column)
        m_pTable->hideColumn(column);
    const bool mayLogOutMany = kind == kOnlineKind && users()->checkUserAuth(kLogoutRight);
    if (mayLogOutMany)
        m_pTable->showColumn(0);
    else
        m_pTable->hideColumn(0);
    m_pLogoutButtons->setVisible(mayLogOutMany);

    int width = 500;
    if (kind == kOnlineKind) {
        for (int column = 4; column <= 10; ++column)
            m_pTable->showColumn(column);
        m_pTable->showColumn(13);
        width = users()->checkUserAuth(kLogoutRight) ? 1260 : 1160;
    } else if (kind == kSignalOrderKind) {
        for (int column : {11, 12, 5})
            m_pTable->showColumn(column);
    }
    resize(width, kDialogHeight);
    show();
    raise();
    query();
}

void CUserListDialog::query()
{
    // Logouts not sent yet are dropped with the rows they were for.
    ++m_logoutRun;
    m_logoutQueue.clear();
    m_logoutSent = m_logoutAnswered = 0;
    m_loggedOut.clear();
    m_logoutMasked = false;
    m_sendTimer->stop();
    m_removeTimer->stop();

    m_pModel->clear();
    m_pTable->clear();
    m_pTable->updateTable();
    m_pLoadingMask->setText(QString::fromUtf8(kLoadingText));
    m_pLoadingMask->attach(this);
    m_pLoadingMask->show();

    auto request = boost::make_shared<ttservice::CVornQueryDataReq>();
    request->dataType = kTypedUserType;
    request->param = std::to_string(m_kind);

    quint64 number = 0;
    {
        QMutexLocker lock(&m_mutex);
        number = ++m_requestNumber;
    }
    const int kind = m_kind;
    const Administrator admin = currentAdministrator();
    QList<Kx::CBaseTableColumnMultiButtonsDelegate::ButtonData> buttonList;
    buttonList.append({1, QStringLiteral("强制登出"), kForceLogoutButton, false, {}});
    if (admin.hasLogRight)
        buttonList.append({1, QStringLiteral("获取日志"), kUserLogButton, false, {}});
    // Measured here, on the GUI thread; every loggable row of the answer shares them.
    const auto buttons = m_pRowButtons->measured(buttonList);
    const QueryCallback handler = [this, number, kind, admin, buttons](const utils::TTError& error,
                                                              const std::vector<ttservice::IDataPtr>& records,
                                                              int, const bson::BSONObj&) {
        {
            // A newer query started meanwhile: this answer is no longer wanted.
            QMutexLocker lock(&m_mutex);
            if (number != m_requestNumber)
                return;
        }
        UserListRowsPtr rows = error.isSuccess() ? buildRows(kind, admin, buttons, records) : UserListRowsPtr();
        emit sigOnData(number, error, rows);
    };
    if (!ListDialogParts::sendQuery(m_systemName, request, m_answerGuard.wrap(handler)))
        m_pLoadingMask->hide();
}

void CUserListDialog::slotOnData(quint64 requestNumber, utils::TTError error, Ocv::UserListRowsPtr rows)
{
    {
        QMutexLocker lock(&m_mutex);
        if (requestNumber != m_requestNumber)
            return;
    }
    m_pLoadingMask->hide();
    if (!error.isSuccess()) {
        clientCenter()->showServerMsgCallBack(
            1, false, this, windowTitle(),
            QStringLiteral("请求失败, ") + QString::fromStdString(error.errorMsg()), true, false);
        return;
    }
    m_pCheckBoxes->clear();
    m_pRowButtons->clear();
    if (!rows)
        return;
    // Boxes and buttons were made with the rows, away from the GUI thread: here they are swapped in.
    m_pCheckBoxes->setStates(std::move(rows->boxes), false);
    m_pRowButtons->setItems(std::move(rows->buttons), false);
    m_pTable->setAllData(std::move(rows->rows));
    m_pTable->updateTable();
    // Once the rows have landed, which for a large list is after a step on a worker.
    m_pTable->adjustColumnWidth();
}

bool CUserListDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    switch (eventId) {
    case EventId::Button:
        if (a == kLogoutSelectedId || a == kLogoutAllId) {
            askAndLogout(a);
            return true;
        }
        break;
    case EventId::LineEditReturn:
        // Through the table, behind any step of its queue (a header filter may still be running).
        if (text.isEmpty())
            m_pTable->clearFilter();
        else
            m_pTable->filterColumn(kSearchColumn, Kx::IBaseHpfTableModel::Filter(kFilterContains, {text}));
        m_pTable->updateTable();
        return true;
    case EventId::TableRowButton:
        if (b == kForceLogoutButton) {
            QPointer<CUserListDialog> self(this);
            const auto answer = Kx::CMessageBox::question(
                this, QStringLiteral("提示"), QStringLiteral("是否确认登出该用户?"),
                Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel, Kx::CMessageBox::NoButton);
            if (self && answer == Kx::CMessageBox::Ok)
                logoutKeys({text});
        } else if (b == kUserLogButton) {
            if (const auto row = std::dynamic_pointer_cast<CUserListData>(m_pModel->getDataByKey(text)))
                emit sigQueryUserLog(row->userName() + QLatin1Char(',') + row->mac());
        }
        return true;
    default:
        break;
    }
    return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
}

void CUserListDialog::askAndLogout(int which)
{
    const QString text =
        QStringLiteral("是否登出%1用户？")
            .arg(which == kLogoutSelectedId ? QStringLiteral("选中") : QStringLiteral("全部"), 0,
                 QLatin1Char(' '));
    QPointer<CUserListDialog> self(this);
    const auto answer =
        Kx::CMessageBox::question(this, QStringLiteral("提示"), text,
                                  Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel, Kx::CMessageBox::NoButton);
    if (!self || answer != Kx::CMessageBox::Ok)
        return;
    // A long run shows itself at once, while its keys are being put in order.
    if (m_pCheckBoxes->states().size() >= kLogoutProgressFrom) {
        m_logoutMasked = true;
        m_pLoadingMask->setText(QStringLiteral("正在登出"));
        m_pLoadingMask->attach(this);
        m_pLoadingMask->show();
    }
    const quint64 run = m_logoutRun;
    m_pCheckBoxes->keysLater(which == kLogoutSelectedId, this, [this, run](const QStringList& keys) {
        if (run == m_logoutRun)
            logoutKeys(keys);
    });
}

void CUserListDialog::logoutKeys(const QStringList& keys)
{
    m_logoutQueue += keys;
    showLogoutProgress();
    sendLogouts();
}

void CUserListDialog::sendLogouts()
{
    QElapsedTimer slice;
    slice.start();
    while (m_logoutSent < m_logoutQueue.size() && m_logoutSent - m_logoutAnswered < kMaxLogoutsInFlight &&
           slice.elapsed() < kLogoutSliceMs) {
        const QString key = m_logoutQueue[m_logoutSent++];
        const auto row = std::dynamic_pointer_cast<CUserListData>(m_pModel->getDataByKey(key));
        if (!row || !row->sourceEntry()) {
            ++m_logoutAnswered;
            continue;
        }
        // Copied from the login the row was made from, so the platform gets back exactly what it
        // listed.
        const ttservice::CVornTypedUserItem& entry = *row->sourceEntry();
        auto login = boost::make_shared<ttservice::CLoginInfo>();
        login->userName = entry.userName;
        login->address = entry.address;
        login->terminalTypeId = entry.terminalTypeId;
        login->mac = entry.mac;
        login->diskSerial = entry.diskSerial;
        login->loginTime = entry.loginTime;
        // The logout goes to the server the login was listed by.
        if (const auto client = clientCenter()->getClientByName(row->getColumnText(1).toStdString()))
            login->setSystemTag(client->systemTag());
        auto request = boost::make_shared<COperateReq>();
        request->dataType = kLoginInfoType;
        request->operation = ttservice::QDO_DELETE;
        request->data = login;
        request->parent = this;
        request->flag = true;
        const quint64 run = m_logoutRun;
        request->callback = [this, run, key](const boost::shared_ptr<COperateReq>&, bool ok,
                                             const QString& message) { logoutAnswered(run, key, ok, message); };
        utils::CSingletonT<CVornDataManager>::instance()->operateData(request);
    }
    if (m_logoutSent < m_logoutQueue.size() && m_logoutSent - m_logoutAnswered < kMaxLogoutsInFlight)
        m_sendTimer->start();
    showLogoutProgress();
}

void CUserListDialog::logoutAnswered(quint64 run, const QString& key, bool ok, const QString& message)
{
    if (run == m_logoutRun) {
        ++m_logoutAnswered;
        // Half the answers in: send more.
        if (m_logoutSent < m_logoutQueue.size() && m_logoutSent - m_logoutAnswered == kMaxLogoutsInFlight / 2)
            m_sendTimer->start();
    }
    if (!ok) {
        clientCenter()->showServerMsgCallBack(1, false, this, QStringLiteral("提示"), message, true, false);
    } else if (run == m_logoutRun) {
        m_loggedOut.append(key);
        // The first of a burst leaves at once; the rest gather until the timer takes them.
        if (!m_removeTimer->isActive())
            removeLoggedOut();
    }
    if (run == m_logoutRun && m_logoutAnswered == m_logoutQueue.size())
        removeLoggedOut();
}

void CUserListDialog::removeLoggedOut()
{
    QElapsedTimer slice;
    slice.start();
    int taken = 0;
    while (taken < m_loggedOut.size() && slice.elapsed() < kLogoutSliceMs) {
        const QString& key = m_loggedOut[taken++];
        m_pModel->removeDataByKey(key);
        m_pCheckBoxes->removeItem(key, false);
        m_pRowButtons->removeItem(key, false);
    }
    m_loggedOut.erase(m_loggedOut.begin(), m_loggedOut.begin() + taken);
    if (taken > 0)
        m_pTable->updateTable();
    if (!m_loggedOut.isEmpty() || m_logoutAnswered < m_logoutQueue.size())
        m_removeTimer->start();
    showLogoutProgress();
}

// The mask counts a long run's answers; it goes when the last is in.
void CUserListDialog::showLogoutProgress()
{
    const int total = m_logoutQueue.size();
    if (m_logoutAnswered == total && m_loggedOut.isEmpty()) {
        if (m_logoutMasked)
            m_pLoadingMask->hide();
        m_logoutMasked = false;
        m_logoutQueue.clear();
        m_logoutSent = m_logoutAnswered = 0;
        m_removeTimer->stop();
        return;
    }
    if (total < kLogoutProgressFrom && !m_logoutMasked)
        return;
    m_logoutMasked = true;
    m_pLoadingMask->setText(QStringLiteral("正在登出 %1 / %2").arg(m_logoutAnswered).arg(total));
    m_pLoadingMask->attach(this);
    m_pLoadingMask->show();
}

} // namespace Ocv
