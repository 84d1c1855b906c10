#include "siblings/CProductManagePanel.h"

#include "OperationRound.h"

#include "MessageLine.h"
#include "data/CQueryReq.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/COperateDataReq.h"
#include "data/ttservice/CVornProductInfo.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kProductCode = 12224;
constexpr int kEnableButtonId = 1;
constexpr int kDisableButtonId = 0;
constexpr int kMessageLimit = 1000;
constexpr int kMessageHeight = 30;
enum Column
{
    IdColumn,
    NameColumn,
    SwitchColumn,
    ColumnCount
};
const QString kName = QStringLiteral("product_manage_panel");

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
} // namespace

CProductManagePanel::CProductManagePanel(QWidget* parent)
    : Kx::CBaseWidget(kName, false, parent), m_changes(std::make_unique<COperationRound>())
{
    auto* column = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    m_enableAll = new Kx::CPushButton(kEnableButtonId, this);
    m_enableAll->setObjectName(QStringLiteral("product_manage_enable_all"));
    m_enableAll->setText(QStringLiteral("全部启用"));
    m_disableAll = new Kx::CPushButton(kDisableButtonId, this);
    m_disableAll->setObjectName(QStringLiteral("product_manage_disable_all"));
    m_disableAll->setText(QStringLiteral("全部禁用"));
    buttons->addWidget(m_enableAll);
    buttons->addWidget(m_disableAll);
    buttons->addStretch(1);
    column->addLayout(buttons);

    m_message = makeMessageLine(kName, kMessageHeight, this);
    column->addWidget(m_message);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("product_manage_table"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("产品编号"), QStringLiteral("产品名称"), QStringLiteral("风控")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_table, 1);

    query();
}

CProductManagePanel::~CProductManagePanel() = default;

void CProductManagePanel::switchSystem(int, const QString& systemName)
{
    m_systemName = systemName;
    m_pendingEnable = -1;
    m_changes->clearRefusal();
    query();
}

int CProductManagePanel::isAllRiskControlEnable() const
{
    int on = 0;
    for (const ttservice::IDataPtr& record : m_products) {
        if (boost::static_pointer_cast<const ttservice::CVornProductInfo>(record)->riskControlEnabled)
            ++on;
    }
    if (m_products.empty() || (on > 0 && on < static_cast<int>(m_products.size())))
        return 0;
    return on > 0 ? 1 : 2;
}

void CProductManagePanel::EnableAllRiskControl(int enable)
{
    // The switches may have changed on the platform since the last read: change what is there now.
    m_pendingEnable = enable == 0 ? 0 : 1;
    query();
}

bool CProductManagePanel::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CPushButton::EventButtonClicked &&
        (data == static_cast<void*>(m_enableAll) || data == static_cast<void*>(m_disableAll))) {
        EnableAllRiskControl(a);
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

void CProductManagePanel::query()
{
    const quint64 number = ++m_query;
    int systemTag = 0;
    if (!m_systemName.isEmpty()) {
        const auto client =
            utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(m_systemName.toStdString());
        if (!client) {
            onQueried(number, 0, false, QStringLiteral("交易系统未连接: %1").arg(m_systemName), {});
            return;
        }
        systemTag = client->systemTag();
    }
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = kName.toStdString();
    req->dataType = kProductCode;
    req->param = "all";
    req->systemTag = systemTag;
    req->parent = this;
    req->callback = [this, number, systemTag](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                              const std::vector<ttservice::IDataPtr>& records, int) {
        onQueried(number, systemTag, ok, ok || text.isEmpty() ? text : QStringLiteral("请求失败, ") + text,
                  records);
    };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CProductManagePanel::onQueried(quint64 number, int systemTag, bool ok, const QString& text,
                                    const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_query)
        return;
    m_products.clear();
    m_loadedTag = systemTag;
    if (ok) {
        for (const ttservice::IDataPtr& record : records) {
            if (boost::dynamic_pointer_cast<const ttservice::CVornProductInfo>(record))
                m_products.push_back(record);
        }
        if (!m_changes->busy() && m_changes->refusal().isEmpty())
            setMessage(QString());
    } else {
        setMessage(text.isEmpty() ? QStringLiteral("请求失败, 未知错误") : text);
    }
    fillTable();
    emit sigProductsLoaded(ok);
    const int pending = m_pendingEnable;
    m_pendingEnable = -1;
    if (pending < 0)
        return;
    if (ok)
        sendChanges(pending);
    else
        emit sigEnableFinished(-1);
}

void CProductManagePanel::sendChanges(int enable)
{
    std::vector<boost::shared_ptr<ttservice::CVornProductInfo>> changed;
    for (const ttservice::IDataPtr& record : m_products) {
        const auto& product = *boost::static_pointer_cast<const ttservice::CVornProductInfo>(record);
        if (product.riskControlEnabled == (enable == 1))
            continue;
        auto copy = boost::make_shared<ttservice::CVornProductInfo>(product);
        copy->riskControlEnabled = enable == 1;
        copy->setSystemTag(m_loadedTag);
        changed.push_back(copy);
    }
    const quint64 round = m_changes->start(static_cast<int>(changed.size()));
    if (changed.empty()) {
        emit sigEnableFinished(0);
        return;
    }
    setMessage(QString());
    setButtonsEnabled(false);
    for (const auto& record : changed) {
        sendOperation(this, kName, kProductCode, ttservice::QDO_MODIFY, record,
                      [this, round](bool ok, const QString& text) { onChanged(round, ok, text); });
    }
}

void CProductManagePanel::onChanged(quint64 round, bool ok, const QString& text)
{
    if (!m_changes->answer(round, ok, text))
        return;
    setButtonsEnabled(true);
    const int failed = m_changes->failed();
    if (failed > 0)
        setMessage(QStringLiteral("%1 个产品修改失败: %2").arg(failed).arg(m_changes->refusal()));
    query();
    emit sigEnableFinished(failed);
}

void CProductManagePanel::fillTable()
{
    m_table->setRowCount(static_cast<int>(m_products.size()));
    for (int row = 0; row < static_cast<int>(m_products.size()); ++row) {
        const auto& product = *boost::static_pointer_cast<const ttservice::CVornProductInfo>(m_products[row]);
        m_table->setItem(row, IdColumn, cell(QString::number(product.productId)));
        m_table->setItem(row, NameColumn, cell(QString::fromStdString(product.productName)));
        m_table->setItem(row, SwitchColumn,
                         cell(product.riskControlEnabled ? QStringLiteral("启用") : QStringLiteral("禁用")));
    }
}

void CProductManagePanel::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

void CProductManagePanel::setButtonsEnabled(bool enabled)
{
    m_enableAll->setEnabled(enabled);
    m_disableAll->setEnabled(enabled);
}

} // namespace Ocv
