#include "kx/CStandardHpfTable.h"
#include "CStandardHpfTablePrivate.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

// The rows: selection and the current row, kept by row id; mouse, wheel and keys.

namespace Kx {

namespace {
constexpr int kWheelRows = 3;
} // namespace

QSet<QString> CStandardHpfTable::selectedKeys() const
{
    QSet<QString> keys;
    for (size_t s = 0; m_model && s < m_selection.size(); ++s) {
        if (!m_selection[s])
            continue;
        if (const auto data = m_model->dataById((IBaseHpfTableModel::RowId(m_selection[s]) << 32) | s))
            keys.insert(data->qsKey());
    }
    return keys;
}

int CStandardHpfTable::selectedCount() const
{
    return m_selectedCount;
}

bool CStandardHpfTable::isRowSelected(int row) const
{
    return m_model && isSelectedId(m_model->rowIdAt(row));
}

void CStandardHpfTable::clearSelection()
{
    const IBaseHpfTableModel::RowId current = m_current;
    resetSelection();
    m_current = current;
    rebuildPage();
    update();
}

int CStandardHpfTable::currentRow() const
{
    if (!m_model || !m_current)
        return -1;
    if (m_currentRevision != m_model->revision()) {
        m_currentRow = m_model->visibleRowOfId(m_current);
        m_currentRevision = m_model->revision();
    }
    return m_currentRow;
}

void CStandardHpfTable::setCurrentRow(int row)
{
    if (!m_model || row < 0 || row >= m_rowCount)
        return;
    resetSelection();
    m_current = m_anchor = idOf(row);
    select(m_current, true);
    m_currentRow = row;
    m_currentRevision = m_model->revision();
    ensureRowShown(row);
    rebuildPage();
    update();
}

void CStandardHpfTable::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->pos();
    if (event->button() != Qt::LeftButton) {
        CBaseWidget::mousePressEvent(event);
        return;
    }
    if (pos.y() < kHeaderHeight) {
        pressHeader(pos);
        return;
    }
    CBaseTableColumnDelegate* delegate = nullptr;
    const HpfTableCell cell = cellAt(pos, &delegate);
    if (cell.row < 0)
        return;
    m_pressRow = cell.row;
    m_pressColumn = cell.column;
    m_pressOnDelegate = delegate && delegate->hitTest(cell, pos);
    if (!m_pressOnDelegate)
        pressRow(cell.row, event->modifiers());
}

void CStandardHpfTable::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressOnDelegate) {
        CBaseTableColumnDelegate* delegate = nullptr;
        const HpfTableCell cell = cellAt(event->pos(), &delegate);
        if (delegate && cell.row == m_pressRow && cell.column == m_pressColumn &&
            delegate->hitTest(cell, event->pos()))
            delegate->click(cell, event->pos());
    }
    m_pressOnDelegate = false;
    m_pressRow = -1;
    m_pressColumn = -1;
}

void CStandardHpfTable::mouseDoubleClickEvent(QMouseEvent* event)
{
    CBaseTableColumnDelegate* delegate = nullptr;
    const HpfTableCell cell = cellAt(event->pos(), &delegate);
    if (event->button() != Qt::LeftButton || cell.row < 0)
        return;
    if (delegate && delegate->hitTest(cell, event->pos())) {
        // The second press of a double click on a box or button is one more click on it.
        m_pressRow = cell.row;
        m_pressColumn = cell.column;
        m_pressOnDelegate = true;
        return;
    }
    deliverEvent(EventRowDoubleClicked, m_id, cell.row, cell.key, this);
}

void CStandardHpfTable::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const bool sideways = delta.x() != 0 || event->modifiers() & Qt::ShiftModifier;
    if (sideways) {
        const int d = delta.x() != 0 ? delta.x() : delta.y();
        m_hbar->setValue(m_hbar->value() - d * kRowHeight * kWheelRows / 120);
    } else if (delta.y() != 0) {
        int rows = delta.y() * kWheelRows / 120;
        if (rows == 0)
            rows = delta.y() > 0 ? 1 : -1;
        m_vbar->setValue(m_vbar->value() - rows);
    }
    event->accept();
}

void CStandardHpfTable::keyPressEvent(QKeyEvent* event)
{
    if (!m_model || m_busy) {
        CBaseWidget::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    const int current = currentRow();
    int target;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - m_pageRows;
        break;
    case Qt::Key_PageDown:
        target = current + m_pageRows;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = m_rowCount - 1;
        break;
    default:
        CBaseWidget::keyPressEvent(event);
        return;
    }
    if (m_rowCount == 0)
        return;
    if (current < 0 && event->key() != Qt::Key_End)
        target = 0;
    moveCurrent(std::clamp(target, 0, m_rowCount - 1), event->modifiers() & Qt::ShiftModifier);
}

QString CStandardHpfTable::keyOf(int row) const
{
    const int k = row - firstShownRow();
    if (k >= 0 && k < int(m_page.size()))
        return m_page[size_t(k)].key;
    const IBaseHpfTableDataPtr data = m_model ? m_model->dataAt(row) : nullptr;
    return data ? data->qsKey() : QString();
}

IBaseHpfTableModel::RowId CStandardHpfTable::idOf(int row) const
{
    const int k = row - firstShownRow();
    if (k >= 0 && k < int(m_page.size()))
        return m_page[size_t(k)].id;
    return m_model ? m_model->rowIdAt(row) : 0;
}

bool CStandardHpfTable::isSelectedId(IBaseHpfTableModel::RowId id) const
{
    const size_t slot = size_t(IBaseHpfTableModel::slotOf(id));
    return id && slot < m_selection.size() && m_selection[slot] == quint32(id >> 32);
}

void CStandardHpfTable::select(IBaseHpfTableModel::RowId id, bool on)
{
    if (!id)
        return;
    const size_t slot = size_t(IBaseHpfTableModel::slotOf(id));
    const quint32 generation = quint32(id >> 32);
    if (on) {
        if (slot >= m_selection.size())
            m_selection.resize(std::max(slot + 1, size_t(m_model ? m_model->slotCount() : 0)), 0);
        // An entry of a row that left (until updateTable drops it) counts until it is reused.
        if (!m_selection[slot])
            ++m_selectedCount;
        m_selection[slot] = generation;
    } else if (isSelectedId(id)) {
        m_selection[slot] = 0;
        --m_selectedCount;
    }
}

void CStandardHpfTable::resetSelection()
{
    m_selection.clear();
    m_selectedCount = 0;
    m_current = 0;
    m_anchor = 0;
}

int CStandardHpfTable::rowOfId(IBaseHpfTableModel::RowId id) const
{
    return id && m_model ? m_model->visibleRowOfId(id) : -1;
}

void CStandardHpfTable::pressRow(int row, Qt::KeyboardModifiers modifiers)
{
    const IBaseHpfTableModel::RowId id = idOf(row);
    const bool multi = m_flags & FlagMultiSelection;
    if (multi && (modifiers & Qt::ShiftModifier)) {
        extendSelection(row, id, modifiers & Qt::ControlModifier);
    } else if (multi && (modifiers & Qt::ControlModifier)) {
        select(id, !isSelectedId(id));
        m_anchor = id;
    } else {
        selectOnly(id);
    }
    makeCurrent(id, row);
    QPointer<CStandardHpfTable> self(this);
    selectionChanged();
    if (self)
        deliverEvent(EventRowClicked, m_id, row, keyOf(row), this);
}

void CStandardHpfTable::moveCurrent(int row, bool extend)
{
    const IBaseHpfTableModel::RowId id = idOf(row);
    if (extend && (m_flags & FlagMultiSelection))
        extendSelection(row, id, false);
    else
        selectOnly(id);
    makeCurrent(id, row);
    ensureRowShown(row);
    selectionChanged();
}

// From the anchor (the row itself when the anchor is gone) to the row; keepOthers leaves the rows
// selected before as they are.
void CStandardHpfTable::extendSelection(int row, IBaseHpfTableModel::RowId id, bool keepOthers)
{
    int anchor = rowOfId(m_anchor);
    if (anchor < 0) {
        anchor = row;
        m_anchor = id;
    }
    if (!keepOthers) {
        const IBaseHpfTableModel::RowId keep = m_anchor;
        resetSelection();
        m_anchor = keep;
    }
    selectRange(anchor, row);
}

void CStandardHpfTable::selectOnly(IBaseHpfTableModel::RowId id)
{
    resetSelection();
    select(id, true);
    m_anchor = id;
}

void CStandardHpfTable::makeCurrent(IBaseHpfTableModel::RowId id, int row)
{
    m_current = id;
    m_currentRow = row;
    m_currentRevision = m_model->revision();
}

void CStandardHpfTable::selectRange(int from, int to)
{
    const int lo = std::max(0, std::min(from, to));
    const int hi = std::min(m_rowCount - 1, std::max(from, to));
    for (int r = lo; r <= hi; ++r)
        select(m_model->rowIdAt(r), true);
}

void CStandardHpfTable::selectionChanged()
{
    rebuildPage();
    update();
    const IBaseHpfTableDataPtr current = m_model ? m_model->dataById(m_current) : nullptr;
    deliverEvent(EventSelectionChanged, m_id, m_selectedCount, current ? current->qsKey() : QString(), this);
}

void CStandardHpfTable::ensureRowShown(int row)
{
    const int first = m_vbar->value();
    if (row < first)
        m_vbar->setValue(row);
    else if (row >= first + m_pageRows)
        m_vbar->setValue(row - m_pageRows + 1);
}

} // namespace Kx
