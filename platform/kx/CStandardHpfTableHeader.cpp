#include "kx/CStandardHpfTable.h"
#include "CStandardHpfTablePrivate.h"
#include "kx/CLineEdit.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>

// The header: column widths, sorting by a click, the filter editor and the column menu.

namespace Kx {

using namespace HpfTableLook;

namespace {
constexpr int kFunnelHitMargin = 3;
constexpr int kFilterEditorMinWidth = 120;
} // namespace

void CStandardHpfTable::adjustColumnWidth()
{
    if (m_busy || !m_steps.empty()) {
        m_adjustWhenDone = true;
        return;
    }
    adjustColumnWidthNow();
}

void CStandardHpfTable::adjustColumnWidthNow()
{
    if (!m_model)
        return;
    syncColumns();
    const int first = m_vbar->value();
    const int last = std::min(m_model->rowCount(), first + kAdjustSampleRows);
    std::vector<IBaseHpfTableDataPtr> sample;
    for (int r = first; r < last; ++r)
        sample.push_back(m_model->dataAt(r));
    std::vector<QString> keys(sample.size());
    const QFontMetrics metrics(m_cellFont);
    const QFontMetricsF exact(m_cellFont);
    const int columns = std::min(int(m_columns.size()), m_model->columnCount());
    for (int c = 0; c < columns; ++c) {
        Column& column = *m_columns[c];
        if (column.hidden)
            continue;
        int width = headerWidth(c);
        for (size_t i = 0; i < sample.size(); ++i) {
            if (column.delegate) {
                if (keys[i].isNull())
                    keys[i] = sample[i]->qsKey();
                HpfTableCell cell;
                cell.table = this;
                cell.data = sample[i];
                cell.key = keys[i];
                cell.row = first + int(i);
                cell.column = c;
                cell.font = m_cellFont;
                width = std::max(width, column.delegate->preferredWidth(cell, metrics));
            } else {
                width = std::max(width, textWidth(exact, sample[i]->getColumnText(c)) + 2 * kCellPadding);
            }
        }
        column.width = std::clamp(width, kMinColumnWidth, kMaxColumnWidth);
    }
    refresh();
}

int CStandardHpfTable::headerWidth(int column) const
{
    const int funnel = m_columns[column]->filterable ? kFunnelSize + kCellPadding / 2 : 0;
    return textWidth(QFontMetricsF(m_headerFont), m_model->headerText(column)) + 2 * kCellPadding +
           kIndicatorWidth + funnel;
}

void CStandardHpfTable::pressHeader(const QPoint& pos)
{
    const int i = displayIndexAt(pos.x());
    if (i < 0 || !m_model)
        return;
    const int column = m_display[i];
    const QRect funnel = funnelRect(headerCell(i));
    const int margin = kFunnelHitMargin;
    if (m_columns[column]->filterable && funnel.adjusted(-margin, -margin, margin, margin).contains(pos))
        openFilterEditor(column);
    else if (m_model->isSortable())
        toggleSort(column);
}

void CStandardHpfTable::toggleSort(int column)
{
    const bool reverse = m_model->sortColumn() == column && m_model->sortOrder() == Qt::AscendingOrder;
    const Qt::SortOrder order = reverse ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortByColumn(column, order);
    deliverEvent(EventSortChanged, m_id, column,
                 order == Qt::AscendingOrder ? QStringLiteral("ascending") : QStringLiteral("descending"),
                 this);
}

void CStandardHpfTable::openFilterEditor(int column)
{
    if (!m_filterEditor) {
        m_filterEditor = new CLineEdit(m_id, this);
        m_filterEditor->setObjectName(QStringLiteral("hpf_table_filter_editor"));
        m_filterEditor->setEmptyHint(QStringLiteral("筛选"));
        m_filterEditor->installEventFilter(this);
    }
    m_filterColumn = column;
    const QSet<QString> texts = m_model->filters().value(column).second;
    m_filterEditor->setText(texts.isEmpty() ? QString() : *texts.cbegin());
    QRect area = headerRect(column).adjusted(1, 2, -1, -2);
    area.setWidth(std::max(area.width(), kFilterEditorMinWidth));
    m_filterEditor->setGeometry(area);
    m_filterEditor->show();
    m_filterEditor->raise();
    m_filterEditor->setFocus();
    m_filterEditor->selectAll();
}

void CStandardHpfTable::applyFilterEditor(const QString& text)
{
    const int column = m_filterColumn;
    m_filterEditor->hide();
    setFocus();
    IBaseHpfTableModel::Filter filter(IBaseHpfTableModel::FilterContains, {});
    if (!text.isEmpty())
        filter.second.insert(text);
    filterColumn(column, filter);
    deliverEvent(EventFilterChanged, m_id, column, text, this);
}

bool CStandardHpfTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filterEditor) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_filterEditor->hide();
            setFocus();
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            m_filterEditor->hide();
    }
    return CBaseWidget::eventFilter(watched, event);
}

void CStandardHpfTable::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_model || m_busy)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (event->pos().y() < kHeaderHeight && (m_menuFlags & MenuColumns)) {
        const int columns = std::min(int(m_columns.size()), m_model->columnCount());
        for (int c = 0; c < columns; ++c) {
            if (m_columns[c]->forGood)
                continue;
            QAction* action = menu->addAction(m_model->headerText(c));
            action->setCheckable(true);
            action->setChecked(!m_columns[c]->hidden);
            connect(action, &QAction::toggled, this,
                    [this, c](bool on) { on ? showColumn(c) : hideColumn(c); });
        }
    } else if (event->pos().y() >= kHeaderHeight && (m_menuFlags & MenuCopy)) {
        const int row = event->reason() == QContextMenuEvent::Mouse ? rowAt(event->pos().y()) : -1;
        if (row >= 0 && !isSelectedId(idOf(row)))
            pressRow(row, Qt::NoModifier);
        QAction* copy = menu->addAction(QStringLiteral("复制"));
        copy->setEnabled(m_selectedCount > 0);
        connect(copy, &QAction::triggered, this, [this]() { copySelection(); });
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(event->globalPos());
}

} // namespace Kx
