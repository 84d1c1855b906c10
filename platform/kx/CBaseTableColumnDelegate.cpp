#include "kx/CBaseTableColumnDelegate.h"
#include "kx/CStandardHpfTable.h"

#include <QFontMetrics>
#include <QPainter>

namespace Kx {

CBaseTableColumnDelegate::CBaseTableColumnDelegate(CEventDeliverer* deliverer) : m_deliverer(deliverer) {}

CBaseTableColumnDelegate::~CBaseTableColumnDelegate() = default;

void CBaseTableColumnDelegate::paint(QPainter& painter, const HpfTableCell& cell) const
{
    paintText(painter, cell);
}

bool CBaseTableColumnDelegate::hitTest(const HpfTableCell&, const QPoint&) const
{
    return false;
}

void CBaseTableColumnDelegate::click(const HpfTableCell&, const QPoint&) {}

int CBaseTableColumnDelegate::preferredWidth(const HpfTableCell& cell, const QFontMetrics& metrics) const
{
    return metrics.horizontalAdvance(cell.data ? cell.data->getColumnText(cell.column) : QString()) +
           2 * CStandardHpfTable::kCellPadding;
}

QVariantMap CBaseTableColumnDelegate::cellState(const QString&) const
{
    return QVariantMap();
}

void CBaseTableColumnDelegate::clear() {}

void CBaseTableColumnDelegate::themeChanged() {}

CStandardHpfTable* CBaseTableColumnDelegate::table() const
{
    return m_table;
}

void CBaseTableColumnDelegate::paintText(QPainter& painter, const HpfTableCell& cell)
{
    painter.setFont(cell.font);
    painter.setPen(cell.textColor);
    painter.drawText(
        cell.rect.adjusted(CStandardHpfTable::kCellPadding, 0, -CStandardHpfTable::kCellPadding, 0),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell.text);
}

void CBaseTableColumnDelegate::deliverEvent(int eventId, int b, const QString& text, void* data)
{
    CEventDeliverer* deliverer = m_deliverer ? m_deliverer : m_table.data();
    if (deliverer)
        deliverer->deliverEvent(eventId, m_table ? m_table->id() : -1, b, text, data);
}

void CBaseTableColumnDelegate::updateTable(bool update)
{
    if (update && m_table)
        m_table->update();
}

void CBaseTableColumnDelegate::setTable(CStandardHpfTable* table)
{
    m_table = table;
}

} // namespace Kx
