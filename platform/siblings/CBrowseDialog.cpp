#include "siblings/CBrowseDialog.h"

#include "MessageLine.h"
#include "CBrowseModel.h"
#include "CBrowseRow.h"
#include "common/CSafeLineEdit.h"
#include "data/CQueryReq.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "utils/CSingletonT.h"

#include <QHideEvent>
#include <QShowEvent>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kRowHeight = 30;
constexpr int kIndent = 6;
constexpr int kEditWidth = 260;
constexpr int kEditHeight = 26;
constexpr int kMessageLimit = 1000;
// Sorting and filtering a list this long would hold up the GUI thread for more than a frame.
constexpr int kBackgroundRows = 10000;
} // namespace

CBrowseDialog::CBrowseDialog(QWidget* parent, const Layout& layout, int dataType)
    : Kx::CCommonDialog(parent), m_layout(layout), m_dataType(dataType)
{
    setObjectName(layout.objectName);
    setTitle(layout.title);
    setMinimumSize(500, 300);

    auto* list = new Kx::CWidgetList(Qt::Vertical, nullptr);
    list->setMargin(kIndent, 0, kIndent, 0);

    auto* searchRow = new Kx::CWidgetList(Qt::Horizontal, list);
    searchRow->setFixedHeight(kRowHeight);
    auto* label =
        new Kx::CSimpleTextWidget(0, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, searchRow);
    label->setText(layout.searchLabel, kMessageLimit);
    searchRow->addFixedWidget(label, Kx::AnchorCenter);
    m_search = new CSafeLineEdit(0, searchRow);
    m_search->setObjectName(layout.objectName + QStringLiteral("_search"));
    m_search->setFixedSize(kEditWidth, kEditHeight);
    m_search->setEmptyHint(layout.searchHint);
    searchRow->addFixedWidget(m_search, Kx::AnchorCenter);
    list->addFixedWidget(searchRow, Kx::AnchorFill);

    m_message = makeMessageLine(layout.objectName, kRowHeight, list);
    list->addFixedWidget(m_message, Kx::AnchorFill, false);

    m_model = new CBrowseModel(layout.headers);
    m_table = new Kx::CStandardHpfTable(layout.tableId, list,
                                        Kx::CStandardHpfTable::MenuCopy | Kx::CStandardHpfTable::MenuColumns);
    m_table->setBackgroundThreshold(kBackgroundRows);
    m_table->setDataModel(m_model);
    // The first column's filter is the search field's.
    QList<int> filterable;
    for (int column = 1; column < layout.headers.size(); ++column)
        filterable << column;
    m_table->setFilterableColumns(filterable);
    list->addStretchWidget(m_table, 1, Kx::AnchorFill);

    setInnerWidget(list);
    resize(760, 480);
    m_mask = new Kx::CLoadingMaskWidget(QStringLiteral("正在加载数据"), this);
}

CBrowseDialog::~CBrowseDialog()
{
    // The table reads its model: it goes first.
    delete m_table;
    delete m_model;
}

bool CBrowseDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CLineEdit::EventReturnPressed && data == static_cast<void*>(m_search)) {
        const QString wanted = text.trimmed();
        if (wanted.isEmpty())
            m_table->filterColumn(0, Kx::IBaseHpfTableModel::Filter());
        else
            m_table->filterColumn(
                0, Kx::IBaseHpfTableModel::Filter(Kx::IBaseHpfTableModel::FilterContains, {wanted}));
        return true;
    }
    // What is done to the table is the list's own business, not the owner's.
    if (eventId >= Kx::CStandardHpfTable::EventRowClicked &&
        eventId <= Kx::CStandardHpfTable::EventFilterChanged && a == m_layout.tableId)
        return true;
    return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
}

void CBrowseDialog::setNarrowed(bool narrowed)
{
    m_narrowed = narrowed;
    setTitle(narrowed ? m_layout.narrowedTitle : m_layout.title);
    refresh();
}

bool CBrowseDialog::isNarrowed() const
{
    return m_narrowed;
}

void CBrowseDialog::setSystemName(const QString& systemName)
{
    m_systemName = systemName;
    refresh();
}

void CBrowseDialog::setAnswersOutliveHiding(bool outlive)
{
    m_outliveHiding = outlive;
}

void CBrowseDialog::refresh()
{
    if (isVisible())
        query();
}

void CBrowseDialog::query()
{
    const quint64 number = ++m_query;
    setMessage(QString());
    auto req = boost::make_shared<CQueryReq>();
    if (!m_systemName.isEmpty()) {
        const auto client =
            utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(m_systemName.toStdString());
        if (!client) {
            fail(QStringLiteral("交易系统未连接: %1").arg(m_systemName));
            return;
        }
        req->systemTag = client->systemTag();
    }
    req->moduleKey = objectName().toStdString();
    req->dataType = m_dataType;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records,
                                   int) { onAnswer(number, ok, text, records); };
    setWaiting(true);
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CBrowseDialog::onAnswer(quint64 number, bool ok, const QString& text,
                             const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_query || !m_waiting)
        return;
    setWaiting(false);
    if (!ok) {
        fail(QStringLiteral("请求失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text));
        return;
    }
    m_table->setAllData(makeRows(records));
    m_table->adjustColumnWidth();
    loaded(true);
}

void CBrowseDialog::fail(const QString& text)
{
    setWaiting(false);
    setMessage(text);
    m_table->clear();
    loaded(false);
}

void CBrowseDialog::loaded(bool) {}

Kx::IBaseHpfTableDataPtr CBrowseDialog::makeRow(const QStringList& texts, int alertColumn) const
{
    QStringList searched;
    for (int column : m_layout.searchColumns)
        searched << texts.value(column);
    // No search text holds a line break, so none matches across two columns.
    return std::make_shared<CBrowseRow>(texts, searched.join(QLatin1Char('\n')), alertColumn);
}

void CBrowseDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        query();
    Kx::CCommonDialog::showEvent(event);
}

void CBrowseDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous() && m_waiting && !m_outliveHiding) {
        ++m_query;
        setWaiting(false);
    }
    Kx::CCommonDialog::hideEvent(event);
}

void CBrowseDialog::setWaiting(bool waiting)
{
    m_waiting = waiting;
    if (waiting) {
        m_mask->attach(this);
        m_mask->show();
    } else {
        m_mask->hide();
    }
}

void CBrowseDialog::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace Ocv
