#include "RcPickList.h"

#include "MessageLine.h"
#include "RcSystem.h"
#include "data/CQueryReq.h"
#include "data/CVornDataManager.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kMessageLimit = 1000;
constexpr int kMessageHeight = 30;
} // namespace

CRcPickList::CRcPickList(Setup setup, QWidget* parent)
    : Kx::CBaseWidget(setup.name, false, parent), m_setup(std::move(setup))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_message = makeMessageLine(m_setup.name, kMessageHeight, this);
    column->addWidget(m_message);
    m_table = new QTableWidget(0, m_setup.headers.size(), this);
    m_table->setObjectName(m_setup.name + QStringLiteral("_table"));
    m_table->setHorizontalHeaderLabels(m_setup.headers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    column->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (onPicked)
            onPicked(row >= 0 && row < rowCount() ? m_records[static_cast<std::size_t>(row)] : ttservice::IDataPtr());
    });
}

CRcPickList::~CRcPickList() = default;

void CRcPickList::read(const QString& systemName, const std::string& param)
{
    const quint64 number = ++m_readNumber;
    int systemTag = 0;
    QString fault;
    if (!rcSystemTag(systemName, systemTag, &fault)) {
        onRead(number, false, fault, {});
        return;
    }
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = m_setup.name.toStdString();
    req->dataType = m_setup.dataType;
    req->param = param;
    req->systemTag = systemTag;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records, int) {
        onRead(number, ok, ok || text.isEmpty() ? text : QStringLiteral("请求失败, ") + text, records);
    };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CRcPickList::onRead(quint64 number, bool ok, const QString& text, const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_readNumber)
        return;
    m_records.clear();
    if (ok) {
        for (const ttservice::IDataPtr& record : records) {
            if (record && record->className() == m_setup.className)
                m_records.push_back(record);
        }
        setMessage(QString());
    } else {
        setMessage(text.isEmpty() ? QStringLiteral("请求失败, 未知错误") : text);
    }
    fill();
}

void CRcPickList::fill()
{
    // Emptying the table ends the choice, which tells the owner through onPicked.
    m_table->setRowCount(0);
    m_table->setRowCount(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        const QStringList texts = m_setup.rowTexts(*m_records[static_cast<std::size_t>(row)]);
        for (int column = 0; column < texts.size() && column < m_table->columnCount(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

void CRcPickList::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace Ocv
