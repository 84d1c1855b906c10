#include "siblings/CRiskApprovalPanel.h"

#include "MessageLine.h"
#include "CBrowseModel.h"
#include "CBrowseRow.h"
#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/CVornRiskApproval.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "utils/CSingletonT.h"

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kRiskApprovalCode = 12420;
constexpr int kCountsChangedEvent = 3122;
constexpr int kTableId = 2105;
constexpr int kStatusColumn = 5;
constexpr int kRowHeight = 30;
constexpr int kMessageLimit = 1000;
const QString kName = QStringLiteral("risk_approval_panel");

QString statusText(int status)
{
    switch (status) {
    case ttservice::QDRC_APPROVAL_DRAFT:
        return QStringLiteral("草稿");
    case ttservice::QDRC_APPROVAL_PENDING:
        return QStringLiteral("待审批");
    case ttservice::QDRC_APPROVAL_PASSED:
        return QStringLiteral("已通过");
    case ttservice::QDRC_APPROVAL_REJECTED:
        return QStringLiteral("已驳回");
    default:
        return QStringLiteral("--");
    }
}

// The first column's filter text, which the status filter looks for; brackets keep one state's
// token from matching inside another's.
QString statusToken(int status)
{
    return QStringLiteral("[%1]").arg(status);
}

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CRiskApprovalPanel::CRiskApprovalPanel(bool embedded, QWidget* parent)
    : Kx::CBaseWidget(kName, !embedded, parent)
{
    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);

    auto* buttons = new Kx::CWidgetList(Qt::Horizontal, list);
    buttons->setFixedHeight(kRowHeight);
    m_pass = new Kx::CPushButton(ttservice::QDRC_APPROVAL_PASSED, buttons);
    m_pass->setObjectName(QStringLiteral("risk_approval_pass"));
    m_pass->setText(QStringLiteral("通过"));
    buttons->addFixedWidget(m_pass, Kx::AnchorCenter);
    m_reject = new Kx::CPushButton(ttservice::QDRC_APPROVAL_REJECTED, buttons);
    m_reject->setObjectName(QStringLiteral("risk_approval_reject"));
    m_reject->setText(QStringLiteral("驳回"));
    buttons->addFixedWidget(m_reject, Kx::AnchorCenter);
    list->addFixedWidget(buttons, Kx::AnchorFill);

    m_message = makeMessageLine(kName, kRowHeight, list);
    list->addFixedWidget(m_message, Kx::AnchorFill, false);

    m_model = new CBrowseModel({QStringLiteral("申请编号"), QStringLiteral("账户"), QStringLiteral("变更项"),
                                QStringLiteral("申请人"), QStringLiteral("申请时间"), QStringLiteral("状态"),
                                QStringLiteral("审核人"), QStringLiteral("备注")});
    m_table = new Kx::CStandardHpfTable(kTableId, list,
                                        Kx::CStandardHpfTable::MenuCopy | Kx::CStandardHpfTable::MenuColumns);
    m_table->setDataModel(m_model);
    list->addStretchWidget(m_table, 1, Kx::AnchorFill);

    setInnerStretchWidget(list, 0, 0, 0, 0);
    // The owner reads the counts right after making the panel; they must be on their way.
    query();
}

CRiskApprovalPanel::~CRiskApprovalPanel()
{
    // The table reads its model: it goes first.
    delete m_table;
    delete m_model;
}

void CRiskApprovalPanel::filterDataByStatus(ttservice::EQDRCApprovalStatus status)
{
    if (status == ttservice::QDRC_APPROVAL_NONE)
        m_table->filterColumn(0, Kx::IBaseHpfTableModel::Filter());
    else
        m_table->filterColumn(
            0, Kx::IBaseHpfTableModel::Filter(Kx::IBaseHpfTableModel::FilterContains, {statusToken(status)}));
}

int CRiskApprovalPanel::getRiskStatusNum(ttservice::EQDRCApprovalStatus status) const
{
    if (status == ttservice::QDRC_APPROVAL_NONE)
        return static_cast<int>(m_loaded.size());
    const auto found = m_counts.find(status);
    return found == m_counts.end() ? 0 : found->second;
}

void CRiskApprovalPanel::switchSystem(int, const QString& systemName)
{
    m_systemName = systemName;
    query();
}

bool CRiskApprovalPanel::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CPushButton::EventButtonClicked &&
        (data == static_cast<void*>(m_pass) || data == static_cast<void*>(m_reject))) {
        decide(static_cast<ttservice::EQDRCApprovalStatus>(a));
        return true;
    }
    // What is done to the table is the panel's own business, not the owner's.
    if (eventId >= Kx::CStandardHpfTable::EventRowClicked &&
        eventId <= Kx::CStandardHpfTable::EventFilterChanged && a == kTableId)
        return true;
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

void CRiskApprovalPanel::query()
{
    const quint64 number = ++m_query;
    setMessage(QString());
    int systemTag = 0;
    if (!m_systemName.isEmpty()) {
        const auto client =
            utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(m_systemName.toStdString());
        if (!client) {
            onAnswer(number, false, QStringLiteral("交易系统未连接: %1").arg(m_systemName), {});
            return;
        }
        systemTag = client->systemTag();
    }
    auto req = boost::make_shared<CQueryReq>();
    req->systemTag = systemTag;
    req->moduleKey = kName.toStdString();
    req->dataType = kRiskApprovalCode;
    req->parent = this;
    req->callback = [this, number, systemTag](const boost::shared_ptr<CQueryReq>&, bool ok,
                                              const QString& text,
                                              const std::vector<ttservice::IDataPtr>& records, int) {
        if (ok && number == m_query)
            m_loadedTag = systemTag;
        onAnswer(number, ok, ok || text.isEmpty() ? text : QStringLiteral("请求失败, ") + text, records);
    };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CRiskApprovalPanel::onAnswer(quint64 number, bool ok, const QString& text,
                                  const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_query)
        return;
    m_loaded.clear();
    m_counts.clear();
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    if (ok) {
        for (const ttservice::IDataPtr& record : records) {
            auto approval = boost::dynamic_pointer_cast<const ttservice::CVornRiskApproval>(record);
            if (!approval || !m_loaded.emplace(approval->approvalId, approval).second)
                continue;
            ++m_counts[approval->status];
            const QStringList texts{fromStd(approval->approvalId),  fromStd(approval->accountId),
                                    fromStd(approval->itemName),    fromStd(approval->requestedBy),
                                    fromStd(approval->requestTime), statusText(approval->status),
                                    fromStd(approval->reviewer),    fromStd(approval->comment)};
            const bool pending = approval->status == ttservice::QDRC_APPROVAL_PENDING;
            rows.push_back(std::make_shared<CBrowseRow>(texts, statusToken(approval->status),
                                                        pending ? kStatusColumn : -1));
        }
    } else {
        setMessage(text.isEmpty() ? QStringLiteral("请求失败, 未知错误") : text);
    }
    m_table->setAllData(std::move(rows));
    if (ok)
        m_table->adjustColumnWidth();
    deliverEvent(kCountsChangedEvent, 0, 0, QString(), this);
}

void CRiskApprovalPanel::decide(ttservice::EQDRCApprovalStatus status)
{
    if (m_outstanding > 0)
        return;
    const auto user = utils::CSingletonT<CUserManager>::instance()->getUserInfoPtr();
    const std::string reviewer = user ? user->name : std::string();
    std::vector<boost::shared_ptr<ttservice::CVornRiskApproval>> decided;
    for (const QString& key : m_table->selectedKeys()) {
        const auto found = m_loaded.find(key.toStdString());
        if (found == m_loaded.end() || found->second->status != ttservice::QDRC_APPROVAL_PENDING)
            continue;
        auto record = boost::make_shared<ttservice::CVornRiskApproval>(*found->second);
        record->status = status;
        record->reviewer = reviewer;
        record->setSystemTag(m_loadedTag);
        decided.push_back(record);
    }
    if (decided.empty()) {
        setMessage(QStringLiteral("请选择待审批的申请"));
        return;
    }
    setMessage(QString());
    const quint64 round = ++m_round;
    m_anyDecided = false;
    m_refusal.clear();
    m_outstanding = static_cast<int>(decided.size());
    setDeciding(true);
    for (const auto& record : decided) {
        auto req = boost::make_shared<COperateReq>();
        req->moduleKey = kName.toStdString();
        req->dataType = kRiskApprovalCode;
        req->operation = ttservice::QDO_MODIFY;
        req->data = record;
        req->parent = this;
        req->callback = [this, round](const boost::shared_ptr<COperateReq>&, bool ok, const QString& text) {
            onDecided(round, ok, text);
        };
        utils::CSingletonT<CVornDataManager>::instance()->operateData(req);
    }
}

void CRiskApprovalPanel::onDecided(quint64 round, bool ok, const QString& text)
{
    if (round != m_round || m_outstanding == 0)
        return;
    if (ok)
        m_anyDecided = true;
    else if (m_refusal.isEmpty())
        m_refusal = text.isEmpty() ? QStringLiteral("操作失败") : text;
    if (--m_outstanding > 0)
        return;
    setDeciding(false);
    if (m_anyDecided)
        query();
    if (!m_refusal.isEmpty())
        setMessage(m_refusal);
}

void CRiskApprovalPanel::setDeciding(bool deciding)
{
    m_pass->setEnabled(!deciding);
    m_reject->setEnabled(!deciding);
}

void CRiskApprovalPanel::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace Ocv
