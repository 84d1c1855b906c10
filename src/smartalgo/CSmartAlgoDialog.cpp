#include "smartalgo/CSmartAlgoDialog.h"

#include "base/EventIds.h"
#include "base/ListDialogParts.h"
#include "base/WelcomeMetaTypes.h"
#include "common/CSafeLineEdit.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/DataCallbacks.h"
#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "smartalgo/CSmartAlgoData.h"
#include "smartalgo/CSmartAlgoModel.h"
#include "utils/CSingletonT.h"

#include <QMutexLocker>

#include <boost/make_shared.hpp>

#include <memory>

namespace Ocv {

namespace {
constexpr int kAlgoRangeType = 12374;
constexpr int kTableId = 1399;
constexpr int kSmartAlgoKind = 6;
constexpr int kFilterContains = 1;
constexpr int kSearchColumn = 0;

CVornClientCenter* clientCenter()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}
} // namespace

CSmartAlgoDialog::CSmartAlgoDialog(QWidget* parent) : Kx::CCommonDialog(parent)
{
    registerWelcomeMetaTypes();
    setObjectName(QStringLiteral("smart_algo_dialog"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(877, 415);
    createUi();
    connect(this, &CSmartAlgoDialog::sigSmartAlgoData, this, &CSmartAlgoDialog::slotSmartAlgoData,
            Qt::QueuedConnection);
}

CSmartAlgoDialog::~CSmartAlgoDialog()
{
    m_answerGuard.close();
    // The table reads its model (and owns its delegates): it goes first.
    delete m_pTable;
    delete m_pModel;
}

void CSmartAlgoDialog::createUi()
{
    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);
    list->setSpacing(0);
    list->setMargin(0, 0, 0, 0);

    ListDialogParts::addSearchRow(list, QStringLiteral("查询账号："),
                                  QStringLiteral("请输入用户名称，按Enter键查询"),
                                  QStringLiteral("smart_algo_search"), &m_pSearchEdit);
    m_pModel = new CSmartAlgoModel;
    m_pTable = ListDialogParts::addTable(list, kTableId, m_pModel, kSearchColumn);

    setInnerWidget(list);
    m_pLoadingMask = new Kx::CLoadingMaskWidget(QStringLiteral("正在加载数据"), this);
}

void CSmartAlgoDialog::showAndQuery(const QString& systemName, int kind)
{
    QMutexLocker lock(&m_mutex);
    setTitle(kind == kSmartAlgoKind ? QStringLiteral("智能算法权限账号") : QString());
    m_pModel->clear();
    m_pTable->clear();
    show();
    raise();
    m_pLoadingMask->attach(this);
    m_pLoadingMask->show();

    auto request = boost::make_shared<ttservice::CVornQueryDataReq>();
    request->dataType = kAlgoRangeType;
    request->param = "all";
    request->param2 = "13";
    // A newer query supersedes the answers of the older ones still on their way.
    const quint64 number = ++m_requestNumber;
    const QueryCallback handler =
        [this, number](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records, int,
                       const bson::BSONObj&) { emit sigSmartAlgoData(number, error, records); };
    if (!ListDialogParts::sendQuery(systemName, request, m_answerGuard.wrap(handler)))
        m_pLoadingMask->hide();
}

void CSmartAlgoDialog::slotSmartAlgoData(quint64 requestNumber, utils::TTError error,
                                         std::vector<ttservice::IDataPtr> records)
{
    if (requestNumber != m_requestNumber)
        return;
    m_pLoadingMask->hide();
    if (!error.isSuccess()) {
        clientCenter()->showServerMsgCallBack(
            1, false, this, windowTitle(),
            QStringLiteral("请求失败, ") + QString::fromStdString(error.errorMsg()), true, false);
        return;
    }
    const auto& columns = CSmartAlgoModel::algorithmColumns();
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    rows.reserve(records.size());
    for (const ttservice::IDataPtr& record : records) {
        const auto range = boost::dynamic_pointer_cast<ttservice::CAccountAlgoRange>(record);
        if (!range || !range->account || !range->account->account || range->settings.empty() ||
            !range->settings.front())
            continue;
        const ttservice::CVornAccountInfo& account = *range->account;
        auto row = std::make_shared<CSmartAlgoData>(
            QString::fromStdString(account.getKey()), QString::fromStdString(account.account->accountId),
            account.account->accountType, QString::fromStdString(account.brokerName));
        for (const auto& permission : range->settings.front()->permissions) {
            const auto column = columns.find(permission.first);
            if (column != columns.end() && !permission.second.empty())
                row->setPermission(column->second, *permission.second.begin());
        }
        rows.push_back(std::move(row));
    }
    for (auto& row : rows)
        m_pModel->addData(row);
    m_pTable->updateTable();
    m_pTable->adjustColumnWidth();
}

bool CSmartAlgoDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::LineEditReturn) {
        // Through the table, behind any step of its queue (a header filter may still be running).
        if (text.isEmpty())
            m_pTable->clearFilter();
        else
            m_pTable->filterColumn(kSearchColumn, Kx::IBaseHpfTableModel::Filter(kFilterContains, {text}));
        m_pTable->updateTable();
    }
    return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
}

} // namespace Ocv
