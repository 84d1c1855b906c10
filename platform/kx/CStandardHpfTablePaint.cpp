#include "kx/CStandardHpfTable.h"
#include "CStandardHpfTablePrivate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

// Layout, the texts of the rows on screen, and painting them.

namespace Kx {

using namespace HpfTableLook;

void CStandardHpfTable::relayout()
{
    syncColumns();
    m_rowCount = m_model ? m_model->rowCount() : 0;
    m_display.clear();
    m_left.clear();
    const int columns = m_model ? std::min(int(m_columns.size()), m_model->columnCount()) : 0;
    int x = 0;
    for (int c = 0; c < columns; ++c) {
        Column& column = *m_columns[c];
        if (column.hidden)
            continue;
        if (column.width <= 0)
            column.width = std::clamp(headerWidth(c), kDefaultColumnWidth, kMaxColumnWidth);
        m_display.push_back(c);
        m_left.push_back(x);
        x += column.width;
    }
    m_contentWidth = x;
    m_frozen = m_model ? std::clamp(m_model->frozenColumnCount(), 0, int(m_display.size())) : 0;
    m_frozenWidth = m_frozen > 0 ? m_left[m_frozen - 1] + m_columns[m_display[m_frozen - 1]]->width : 0;

    const int footer = m_model && m_model->isSummaryShown() ? kFooterHeight : 0;
    const int barWidth = m_vbar->sizeHint().width();
    const int barHeight = m_hbar->sizeHint().height();
    const int bodyHeight = height() - kHeaderHeight - footer;
    bool needV = false;
    bool needH = false;
    for (int pass = 0; pass < 2; ++pass) {
        needV = qint64(m_rowCount) * kRowHeight > bodyHeight - (needH ? barHeight : 0);
        needH = m_contentWidth > width() - (needV ? barWidth : 0);
    }
    m_body = QRect(0, kHeaderHeight, std::max(0, width() - (needV ? barWidth : 0)),
                   std::max(0, bodyHeight - (needH ? barHeight : 0)));
    m_pageRows = std::max(1, m_body.height() / kRowHeight);

    const QSignalBlocker blockV(m_vbar);
    const QSignalBlocker blockH(m_hbar);
    m_vbar->setGeometry(m_body.right() + 1, kHeaderHeight, barWidth, m_body.height());
    m_vbar->setRange(0, std::max(0, m_rowCount - m_pageRows));
    m_vbar->setPageStep(m_pageRows);
    m_vbar->setVisible(needV);
    m_hbar->setGeometry(0, m_body.bottom() + 1, m_body.width(), barHeight);
    m_hbar->setRange(0, std::max(0, m_contentWidth - m_body.width()));
    m_hbar->setPageStep(std::max(1, m_body.width() - m_frozenWidth));
    m_hbar->setSingleStep(kRowHeight);
    m_hbar->setVisible(needH);
}

void CStandardHpfTable::rebuildPage()
{
    m_page.clear();
    m_headerShown.clear();
    m_emptyText.clear();
    m_summary.clear();
    m_sortColumn = -1;
    m_filtered.clear();
    if (!m_model)
        return;
    const QFontMetrics headerMetrics(m_headerFont);
    for (int c : m_display) {
        const int funnel = m_columns[c]->filterable ? kFunnelSize + kCellPadding / 2 : 0;
        m_headerShown.append(
            headerMetrics.elidedText(m_model->headerText(c), Qt::ElideRight,
                                     m_columns[c]->width - 2 * kCellPadding - kIndicatorWidth - funnel));
    }
    m_sortColumn = m_model->sortColumn();
    m_sortOrder = m_model->sortOrder();
    const auto filters = m_model->filters();
    for (auto it = filters.cbegin(); it != filters.cend(); ++it)
        m_filtered.insert(it.key());

    const QFontMetrics metrics(m_cellFont);
    const int first = m_vbar->value();
    const int shown = (m_body.height() + kRowHeight - 1) / kRowHeight;
    const int count = std::max(0, std::min(shown, m_rowCount - first));
    m_page.resize(size_t(count));
    for (int k = 0; k < count; ++k) {
        PageRow& row = m_page[size_t(k)];
        row.row = first + k;
        row.data = m_model->dataAt(row.row);
        row.key = row.data->qsKey();
        row.background = m_model->rowBackground(row.row);
        row.id = m_model->rowIdAt(row.row);
        row.selected = isSelectedId(row.id);
        row.texts.reserve(m_display.size());
        row.colors.reserve(m_display.size());
        for (int c : m_display) {
            row.texts.push_back(metrics.elidedText(row.data->getColumnText(c), Qt::ElideRight,
                                                   m_columns[c]->width - 2 * kCellPadding));
            const QColor color = row.data->getTextColor(c);
            row.colors.push_back(color.isValid() ? color : m_defaultText);
        }
    }
    if (m_rowCount == 0)
        m_emptyText = m_model->emptyText();
    if (m_model->isSummaryShown()) {
        const int total = m_model->totalCount();
        m_summary = m_rowCount == total ? QStringLiteral("共 %1 条").arg(total)
                                        : QStringLiteral("%1 / %2 条").arg(m_rowCount).arg(total);
    }
}

void CStandardHpfTable::refresh()
{
    relayout();
    rebuildPage();
    update();
}

void CStandardHpfTable::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);

    const QRect scrolled(m_frozenWidth, 0, std::max(0, m_body.width() - m_frozenWidth), height());
    const QRect frozen(0, 0, m_frozenWidth, height());
    auto clipFor = [&](int i) { painter.setClipRect(i < m_frozen ? frozen : scrolled); };

    painter.fillRect(QRect(0, 0, width(), kHeaderHeight), m_headerBackground);
    for (size_t i = 0; i < m_display.size(); ++i) {
        if (!inView(int(i)))
            continue;
        const int column = m_display[i];
        const QRect cell = headerCell(int(i));
        const bool filterable = m_columns[column]->filterable;
        const int right = filterable ? funnelRect(cell).left() : cell.right() + 1 - kCellPadding / 2;
        clipFor(int(i));
        painter.setFont(m_headerFont);
        painter.setPen(m_headerText);
        painter.drawText(cell.adjusted(kCellPadding, 0, right - cell.right() - 1 - kIndicatorWidth, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_headerShown.value(int(i)));
        if (column == m_sortColumn) {
            painter.setPen(m_indicator);
            painter.drawText(QRect(right - kIndicatorWidth, cell.top(), kIndicatorWidth, cell.height()),
                             Qt::AlignCenter, m_sortOrder == Qt::AscendingOrder ? kAscending : kDescending);
        }
        if (filterable) {
            const QRect f = funnelRect(cell);
            const QPolygon funnel({f.topLeft(), f.topRight(), QPoint(f.center().x() + 1, f.center().y()),
                                   QPoint(f.center().x() + 1, f.bottom()),
                                   QPoint(f.center().x() - 1, f.bottom()),
                                   QPoint(f.center().x() - 1, f.center().y())});
            const QColor color = m_filtered.contains(column) ? m_funnelActive : m_funnel;
            painter.setPen(color);
            painter.setBrush(color);
            painter.drawPolygon(funnel);
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(m_grid);
        painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    }
    painter.setClipping(false);
    painter.setPen(m_grid);
    painter.drawLine(0, kHeaderHeight - 1, width() - 1, kHeaderHeight - 1);

    const bool grid = m_flags & FlagGridLines;
    for (size_t k = 0; k < m_page.size(); ++k) {
        const PageRow& row = m_page[k];
        const int y = m_body.top() + int(k) * kRowHeight;
        painter.setClipRect(m_body);
        const QColor background = row.selected ? m_selectionColor : row.background;
        if (background.isValid())
            painter.fillRect(QRect(m_body.left(), y, m_body.width(), kRowHeight), background);
        for (size_t i = 0; i < m_display.size(); ++i) {
            if (!inView(int(i)))
                continue;
            const int column = m_display[i];
            HpfTableCell cell;
            cell.table = this;
            cell.data = row.data;
            cell.key = row.key;
            cell.row = row.row;
            cell.column = column;
            cell.rect = QRect(columnX(int(i)), y, m_columns[column]->width, kRowHeight);
            cell.selected = row.selected;
            cell.text = row.texts[i];
            cell.textColor = row.colors[i];
            cell.font = m_cellFont;
            clipFor(int(i));
            painter.setClipRect(m_body, Qt::IntersectClip);
            if (m_columns[column]->delegate)
                m_columns[column]->delegate->paint(painter, cell);
            else
                CBaseTableColumnDelegate::paintText(painter, cell);
            if (grid) {
                painter.setPen(m_grid);
                painter.drawLine(cell.rect.right(), y, cell.rect.right(), y + kRowHeight - 1);
            }
        }
        if (grid) {
            painter.setClipRect(m_body);
            painter.setPen(m_grid);
            painter.drawLine(m_body.left(), y + kRowHeight - 1, m_body.right(), y + kRowHeight - 1);
        }
    }
    painter.setClipping(false);

    if (!m_emptyText.isEmpty()) {
        painter.setFont(m_cellFont);
        painter.setPen(m_emptyColor);
        painter.drawText(m_body, Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
    }
    if (!m_summary.isEmpty()) {
        const QRect footer(0, height() - kFooterHeight, width(), kFooterHeight);
        painter.setPen(m_grid);
        painter.drawLine(footer.topLeft(), footer.topRight());
        painter.setFont(m_cellFont);
        painter.setPen(m_footerText);
        painter.drawText(footer.adjusted(kCellPadding, 0, -kCellPadding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_summary);
    }
}

int CStandardHpfTable::columnX(int displayIndex) const
{
    return displayIndex < m_frozen ? m_left[displayIndex] : m_left[displayIndex] - m_hbar->value();
}

bool CStandardHpfTable::inView(int displayIndex) const
{
    const int x = columnX(displayIndex);
    const int right = x + m_columns[m_display[displayIndex]]->width;
    if (displayIndex < m_frozen)
        return x < m_body.width();
    return right > m_frozenWidth && x < m_body.width();
}

int CStandardHpfTable::displayIndexAt(int x) const
{
    if (x < 0 || x >= m_body.width())
        return -1;
    for (size_t i = 0; i < m_display.size(); ++i) {
        if (int(i) >= m_frozen && x < m_frozenWidth)
            break;
        const int left = columnX(int(i));
        if (x >= left && x < left + m_columns[m_display[i]]->width)
            return int(i);
    }
    return -1;
}

int CStandardHpfTable::rowAt(int y) const
{
    if (y < m_body.top() || y > m_body.bottom())
        return -1;
    const int row = m_vbar->value() + (y - m_body.top()) / kRowHeight;
    return row < m_rowCount ? row : -1;
}

QRect CStandardHpfTable::headerCell(int displayIndex) const
{
    return QRect(columnX(displayIndex), 0, m_columns[m_display[displayIndex]]->width, kHeaderHeight);
}

QRect CStandardHpfTable::funnelRect(const QRect& headerCell) const
{
    return QRect(headerCell.right() + 1 - kCellPadding / 2 - kFunnelSize,
                 headerCell.center().y() - kFunnelSize / 2, kFunnelSize, kFunnelSize);
}

HpfTableCell CStandardHpfTable::cellAt(const QPoint& pos, CBaseTableColumnDelegate** delegate) const
{
    HpfTableCell cell;
    const int row = rowAt(pos.y());
    const int i = displayIndexAt(pos.x());
    const int k = row - firstShownRow();
    if (row < 0 || i < 0 || k < 0 || k >= int(m_page.size()))
        return cell;
    const PageRow& page = m_page[size_t(k)];
    const int column = m_display[i];
    cell.table = const_cast<CStandardHpfTable*>(this);
    cell.data = page.data;
    cell.key = page.key;
    cell.row = row;
    cell.column = column;
    cell.rect = QRect(columnX(i), m_body.top() + k * kRowHeight, m_columns[column]->width, kRowHeight);
    cell.selected = page.selected;
    cell.text = page.texts[i];
    cell.textColor = page.colors[i];
    cell.font = m_cellFont;
    *delegate = m_columns[column]->delegate.get();
    return cell;
}

} // namespace Kx
