#include "risk/CAccountRiskControlWidget.h"

#include "base/EventIds.h"
#include "base/WelcomeLog.h"
#include "data/CUserManager.h"
#include "data/CVornClientCenter.h"
#include "data/DataCallbacks.h"
#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "kx/CTreeWidget.h"
#include "kx/CWidgetList.h"
#include "risk/RiskLauncher.h"
#include "risk/TreeNodeBatches.h"
#include "siblings/CAccountFutureRCSetWidget.h"
#include "siblings/CAccountStockRCSetWidget.h"
#include "siblings/CProductRiskControlTemplateWidget.h"
#include "utils/CSingletonT.h"

#include <boost/make_shared.hpp>

#include <array>

namespace Ocv {

namespace {
constexpr int kWidth = 380;
constexpr int kHeight = 570;
constexpr int kAccountQueryCode = 12203;
const QSize kRootSize(100, 26);

// The tree's roots, in the order they are made, with the right that shows each.
struct AccountRoot
{
    int accountType;
    const char* text;
    int right;
};
const std::array<AccountRoot, 7> kRoots{{{2, "证券账号", 10041},
                                         {1, "期货账号", 10037},
                                         {3, "信用账号", 10089},
                                         {7, "沪港通账号", 10745},
                                         {11, "深港通账号", 11501},
                                         {6, "股票期权账号", 10657},
                                         {5, "期货期权账号", 10871}}};

// The setting panels, in the order they are made: stock-like or futures-like, the trader type
// the panel is made for, the right that makes it, and the account type it is shown for.
struct PanelKind
{
    bool futures;
    ttservice::EQdTraderType traderType;
    int right;
    int accountType;
};
const std::array<PanelKind, 7> kPanelKinds{{{false, ttservice::QD_TRADER_STOCK, 10041, 2},
                                            {false, ttservice::QD_TRADER_CREDIT, 10089, 3},
                                            {false, ttservice::QD_TRADER_SHHK, 10745, 7},
                                            {false, ttservice::QD_TRADER_SZHK, 11501, 11},
                                            {false, ttservice::QD_TRADER_STOCK_OPTION, 10657, 6},
                                            {true, ttservice::QD_TRADER_FUTURE, 10037, 1},
                                            {true, ttservice::QD_TRADER_FUTURE_OPTION, 10871, 5}}};

bool holdsRight(int right)
{
    return utils::CSingletonT<CUserManager>::instance()->checkUserAuth(right);
}

// Runs on the data-service thread: keeps the accounts the tree lists, with their texts.
CAccountNodesPtr accountNodes(const std::vector<ttservice::IDataPtr>& records)
{
    auto nodes = std::make_shared<CAccountNodes>();
    nodes->texts.reserve(static_cast<int>(records.size()));
    nodes->records.reserve(records.size());
    for (const auto& record : records) {
        const auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        if (!account || !account->account || account->account->excluded)
            continue;
        nodes->texts << QString::fromStdString(account->account->accountId);
        nodes->records.push_back(account);
    }
    return nodes;
}
} // namespace

// --- the column -------------------------------------------------------------------------------

CAccountRiskControlWidget::CAccountRiskControlWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("account_risk_control"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    createUi();
}

CAccountRiskControlWidget::~CAccountRiskControlWidget() = default;

void CAccountRiskControlWidget::createUi()
{
    buildRiskLauncher(
        this, QStringLiteral("账号风控"), false,
        {{{SettingEntry, QStringLiteral("img_btn_account_risk_setting"), QStringLiteral("账号风控设置"),
           QSize(150, 36), QStringLiteral("account_risk_setting_entry")},
          {TemplateEntry, QStringLiteral("img_btn_account_risk_template"), QStringLiteral("账号风控模板应用"),
           QSize(165, 36), QStringLiteral("account_risk_template_entry")},
          {TemplateGroupEntry, QStringLiteral("img_btn_account_risk_template_group"),
           QStringLiteral("账号风控模板组应用"), QSize(180, 36),
           QStringLiteral("account_risk_template_group_entry")}}});
}

void CAccountRiskControlWidget::switchSystem(int systemId, QString& systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    if (m_pSettingDialog && m_pSettingDialog->futurePanel())
        m_pSettingDialog->futurePanel()->setSysName(systemName);
    if (m_pTemplateDialog)
        m_pTemplateDialog->templateList()->switchSystem(systemId, systemName);
}

bool CAccountRiskControlWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId != EventId::TextClicked)
        return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    switch (a) {
    case SettingEntry:
        if (!m_pSettingDialog) {
            m_pSettingDialog = new CAccountRiskSettingDialog(this);
            if (m_pSettingDialog->futurePanel())
                m_pSettingDialog->futurePanel()->setSysName(m_systemName);
        }
        m_pSettingDialog->show();
        break;
    case TemplateEntry:
        if (!m_pTemplateDialog) {
            m_pTemplateDialog = new CAccountRiskTemplateDialog(this);
            m_pTemplateDialog->templateList()->switchSystem(m_systemId, m_systemName);
        }
        m_pTemplateDialog->show();
        break;
    case TemplateGroupEntry:
        if (!m_pTemplateGroupDialog)
            m_pTemplateGroupDialog = new CAccountRiskTemplateGroupDialog(this);
        m_pTemplateGroupDialog->show();
        break;
    default:
        break;
    }
    return true;
}

// --- the setting dialog -----------------------------------------------------------------------

CAccountRiskSettingDialog::CAccountRiskSettingDialog(QWidget* parent)
    : CRiskTreeDialog(QStringLiteral("account_risk_setting"), QStringLiteral("账号风控设置"),
                      QStringLiteral("请输入资金账号, 按Enter查询"), parent)
{
    for (const PanelKind& kind : kPanelKinds) {
        if (!holdsRight(kind.right))
            continue;
        Panel panel{kind.accountType, nullptr, nullptr, nullptr};
        if (kind.futures) {
            panel.future = new CAccountFutureRCSetWidget(kind.traderType, body());
            panel.widget = panel.future;
        } else {
            panel.stock = new CAccountStockRCSetWidget(kind.traderType, body());
            panel.widget = panel.stock;
        }
        panel.widget->hide();
        body()->addStretchWidget(panel.widget, 1, Kx::AnchorFill, false);
        m_panels.push_back(panel);
    }
    loadTree();
}

CAccountRiskSettingDialog::~CAccountRiskSettingDialog()
{
    m_answerGuard.close();
}

CAccountFutureRCSetWidget* CAccountRiskSettingDialog::futurePanel() const
{
    for (const Panel& panel : m_panels) {
        if (panel.future && panel.future->traderType() == ttservice::QD_TRADER_FUTURE)
            return panel.future;
    }
    return nullptr;
}

boost::shared_ptr<ttservice::CVornAccountInfo> CAccountRiskSettingDialog::recordOf(int nodeId) const
{
    boost::mutex::scoped_lock lock(m_mutex);
    return m_nodeMap.value(nodeId);
}

int CAccountRiskSettingDialog::nodeMapSize() const
{
    boost::mutex::scoped_lock lock(m_mutex);
    return m_nodeMap.size();
}

bool CAccountRiskSettingDialog::isLoading() const
{
    return m_outstanding > 0 || !batches()->isIdle();
}

void CAccountRiskSettingDialog::reload()
{
    loadTree();
}

void CAccountRiskSettingDialog::loadTree()
{
    Kx::CTreeWidget* tree = this->tree();
    if (!tree)
        return;
    batches()->clear();
    tree->clearNodes();
    {
        boost::mutex::scoped_lock lock(m_mutex);
        m_nodeMap.clear();
    }
    std::vector<int> types;
    for (const AccountRoot& root : kRoots) {
        if (!holdsRight(root.right))
            continue;
        tree->addNode(0, QString::fromUtf8(root.text), root.accountType);
        tree->setNodeFont(root.accountType, QStringLiteral("ocv_fnt_groupwindow_navtree_txt"));
        tree->setNodeSize(root.accountType, kRootSize);
        types.push_back(root.accountType);
    }

    m_outstanding = 0;
    CVornClientCenter* center = utils::CSingletonT<CVornClientCenter>::instance();
    for (int type : types) {
        const quint64 number = m_order[type].next();
        auto request = boost::make_shared<ttservice::CVornQueryDataReq>();
        request->dataType = kAccountQueryCode;
        request->param = std::to_string(type);
        const QueryCallback handler = [this, type, number](const utils::TTError& error,
                                                           const std::vector<ttservice::IDataPtr>& records,
                                                           int, const bson::BSONObj&) {
            // Failed and empty answers still end their request; they add nothing.
            CAccountNodesPtr nodes = error.isSuccess() ? accountNodes(records) : CAccountNodesPtr();
            // The value travels in the queued call itself, made before it is posted.
            QMetaObject::invokeMethod(
                this, [this, type, number, nodes] { slotAccounts(type, number, nodes); },
                Qt::QueuedConnection);
        };
        ++m_outstanding;
        center->queryData_async(request, m_answerGuard.wrap(handler), type);
    }
    WELCOME_LOG(QStringLiteral("queried %1 account types").arg(types.size()));
    updateLoading();
}

void CAccountRiskSettingDialog::slotAccounts(int accountType, quint64 number, CAccountNodesPtr nodes)
{
    answerArrived(number, accountType);
    if (nodes && !nodes->records.empty() && tree()->hasNode(accountType) &&
        m_order[accountType].take(number)) {
        // The newest answer of a type replaces what an older one listed.
        batches()->drop(accountType);
        removeAccountsOf(accountType);
        batches()->append(accountType, accountType, nodes->texts, nodes->records);
    }
    updateLoading();
}

// Each request of the current load ends once, whatever its answer: the current load's request of a
// type is the last one sent for it.
void CAccountRiskSettingDialog::answerArrived(quint64 number, int accountType)
{
    if (number == m_order[accountType].lastSent() && m_outstanding > 0)
        --m_outstanding;
}

void CAccountRiskSettingDialog::removeAccountsOf(int accountType)
{
    const QVector<int> children = tree()->childIds(accountType);
    if (children.isEmpty())
        return;
    {
        boost::mutex::scoped_lock lock(m_mutex);
        for (int id : children)
            m_nodeMap.remove(id);
    }
    tree()->removeChildren(accountType);
}

void CAccountRiskSettingDialog::nodesAdded(int, const QVector<int>& ids,
                                           const std::vector<ttservice::IDataPtr>& records)
{
    boost::mutex::scoped_lock lock(m_mutex);
    for (int i = 0; i < ids.size(); ++i)
        m_nodeMap.insert(ids[i], boost::static_pointer_cast<ttservice::CVornAccountInfo>(records[i]));
}

void CAccountRiskSettingDialog::search(const QString& text)
{
    QVector<int> matches;
    QVector<int> others;
    {
        boost::mutex::scoped_lock lock(m_mutex);
        for (auto node = m_nodeMap.cbegin(); node != m_nodeMap.cend(); ++node) {
            const auto& record = node.value();
            if (!record || !record->account)
                continue;
            const bool match =
                !text.isEmpty() &&
                QString::fromStdString(record->account->accountId).contains(text, Qt::CaseInsensitive);
            (match ? matches : others).push_back(node.key());
        }
    }
    showSearchResult(matches, others);
}

void CAccountRiskSettingDialog::selectNode(int nodeId)
{
    const boost::shared_ptr<ttservice::CVornAccountInfo> record = recordOf(nodeId);
    if (!record || !record->account)
        return;
    const int type = record->account->accountType;
    for (const Panel& panel : m_panels)
        panel.widget->setVisible(panel.accountType == type);
    for (const Panel& panel : m_panels) {
        if (panel.accountType != type)
            continue;
        int institutionNo = record->institutionNo;
        std::string institutionName = record->institutionName;
        if (panel.stock) {
            panel.stock->setAccount(record->account, record->modifiable, false);
            panel.stock->setInstitutionInfo(institutionNo, institutionName);
            panel.stock->setActive(true, true);
        } else {
            panel.future->setAccount(record->account, record->modifiable);
            panel.future->setInstitutionInfo(institutionNo, institutionName);
            panel.future->setActive(true, true);
        }
    }
    setTitle(QStringLiteral("账号风控设置 - [%1]").arg(QString::fromStdString(record->account->accountId)));
}

// --- the template dialogs ---------------------------------------------------------------------

CAccountRiskTemplateDialog::CAccountRiskTemplateDialog(QWidget* parent)
    : CRiskTemplateDialog(true, QStringLiteral("account_risk_template_dialog"),
                          QStringLiteral("账号风控模板应用"), parent)
{
}

CAccountRiskTemplateDialog::~CAccountRiskTemplateDialog() = default;

CAccountRiskTemplateGroupDialog::CAccountRiskTemplateGroupDialog(QWidget* parent)
    : CRiskTemplateGroupDialog(true, QStringLiteral("account_risk_template_group_dialog"),
                               QStringLiteral("账号风控模板组应用"), parent)
{
}

CAccountRiskTemplateGroupDialog::~CAccountRiskTemplateGroupDialog() = default;

} // namespace Ocv
