#include "kx/CStandardHpfTable.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CUiResource.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMutex>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QThreadPool>
#include <QWheelEvent>

#include <algorithm>

namespace Kx {

namespace {
const QString kBackground = QStringLiteral("clr_table_background");
const QString kDefaultText = QStringLiteral("clr_default");
const QString kHeaderBackground = QStringLiteral("clr_table_header_background");
const QString kHeaderText = QStringLiteral("clr_table_header_text");
const QString kGrid = QStringLiteral("clr_table_grid_line");
const QString kSelection = QStringLiteral("clr_table_selection");
const QString kEmptyText = QStringLiteral("clr_table_empty_text");
const QString kIndicator = QStringLiteral("clr_table_sort_indicator");
const QString kFunnel = QStringLiteral("clr_table_filter_icon");
const QString kFunnelActive = QStringLiteral("clr_table_filter_icon_active");
const QString kFooterText = QStringLiteral("clr_table_footer_text");
const QString kCellFont = QStringLiteral("fnt_default_normal");
const QString kHeaderFont = QStringLiteral("fnt_default_normal_heavy");
const QString kAscending = QStringLiteral("\u25B2");
const QString kDescending = QStringLiteral("\u25BC");
constexpr int kIndicatorWidth = 14;
constexpr int kFunnelSize = 10;
constexpr int kFunnelHitMargin = 3;
constexpr int kFilterEditorMinWidth = 120;
constexpr int kWheelRows = 3;
} // namespace

struct CStandardHpfTable::Column
{
    int width = 0; // 0 until sized
    bool hidden = false;
    bool forGood = false;
    bool filterable = false;
    std::unique_ptr<CBaseTableColumnDelegate> delegate;
};

struct CStandardHpfTable::PageRow
{
    IBaseHpfTableDataPtr data;
    IBaseHpfTableModel::RowId id = 0;
    QString key;
    int row = -1;
    QColor background;
    bool selected = false;
    std::vector<QString> texts; // by display index, elided
    std::vector<QColor> colors;
};

// Lets a worker post its result only while the table exists.
struct CStandardHpfTable::Guard
{
    QMutex mutex;
    bool open = true;
};

CStandardHpfTable::CStandardHpfTable(int id, QWidget* parent, int menuFlags)
    : CBaseWidget(QStringLiteral("hpf_table_%1").arg(id), false, parent), m_id(id), m_menuFlags(menuFlags),
      m_vbar(new QScrollBar(Qt::Vertical, this)), m_hbar(new QScrollBar(Qt::Horizontal, this)),
      m_mask(new CLoadingMaskWidget(QStringLiteral("加载中…"), this)), m_guard(std::make_shared<Guard>())
{
    setFocusPolicy(Qt::StrongFocus);
    m_vbar->hide();
    m_hbar->hide();
    connect(m_vbar, &QScrollBar::valueChanged, this, [this]() {
        rebuildPage();
        update();
    });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this]() { update(); });
    m_mask->attach(this);
    resolveResources();
    refresh();
}

CStandardHpfTable::~CStandardHpfTable()
{
    QMutexLocker lock(&m_guard->mutex);
    m_guard->open = false;
}

int CStandardHpfTable::id() const
{
    return m_id;
}

int CStandardHpfTable::menuFlags() const
{
    return m_menuFlags;
}

int CStandardHpfTable::tableFlags() const
{
    return m_flags;
}

void CStandardHpfTable::setTableFlags(int flags)
{
    m_flags = flags;
    update();
}

void CStandardHpfTable::setDataModel(IBaseHpfTableModel* model)
{
    m_model = model;
    m_steps.clear();
    QList<int> filterable;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        m_columns[c]->width = 0;
        if (m_columns[c]->filterable)
            filterable.append(int(c));
    }
    if (model && !filterable.isEmpty())
        model->setIndexedColumns(filterable);
    resetSelection();
    m_vbar->setValue(0);
    m_hbar->setValue(0);
    refresh();
}

IBaseHpfTableModel* CStandardHpfTable::dataModel() const
{
    return m_model;
}

void CStandardHpfTable::hideColumn(int column, bool forGood)
{
    if (column < 0)
        return;
    while (int(m_columns.size()) <= column)
        m_columns.push_back(std::make_unique<Column>());
    m_columns[column]->hidden = true;
    m_columns[column]->forGood = m_columns[column]->forGood || forGood;
    refresh();
}

void CStandardHpfTable::showColumn(int column)
{
    if (column < 0 || column >= int(m_columns.size()) || m_columns[column]->forGood)
        return;
    m_columns[column]->hidden = false;
    refresh();
}

bool CStandardHpfTable::isColumnHidden(int column) const
{
    return column >= 0 && column < int(m_columns.size()) && m_columns[column]->hidden;
}

void CStandardHpfTable::setColumnWidth(int column, int width)
{
    if (column < 0)
        return;
    while (int(m_columns.size()) <= column)
        m_columns.push_back(std::make_unique<Column>());
    m_columns[column]->width = std::max(1, width);
    refresh();
}

int CStandardHpfTable::columnWidth(int column) const
{
    return column >= 0 && column < int(m_columns.size()) ? m_columns[column]->width : 0;
}

void CStandardHpfTable::setFilterableColumns(const QList<int>& columns)
{
    for (int column : columns) {
        while (column >= 0 && int(m_columns.size()) <= column)
            m_columns.push_back(std::make_unique<Column>());
    }
    for (size_t c = 0; c < m_columns.size(); ++c)
        m_columns[c]->filterable = columns.contains(int(c));
    if (m_model)
        m_model->setIndexedColumns(columns);
    refresh();
}

bool CStandardHpfTable::isColumnFilterable(int column) const
{
    return column >= 0 && column < int(m_columns.size()) && m_columns[column]->filterable;
}

void CStandardHpfTable::setColumnDelegate(int column, CBaseTableColumnDelegate* delegate)
{
    if (column < 0)
        return;
    while (int(m_columns.size()) <= column)
        m_columns.push_back(std::make_unique<Column>());
    m_columns[column]->delegate.reset(delegate);
    if (delegate) {
        delegate->setTable(this);
        // The theme may have changed since the delegate was made.
        delegate->themeChanged();
    }
    update();
}

CBaseTableColumnDelegate* CStandardHpfTable::columnDelegate(int column) const
{
    return column >= 0 && column < int(m_columns.size()) ? m_columns[column]->delegate.get() : nullptr;
}

void CStandardHpfTable::updateTable()
{
    if (m_model && m_selectedCount > 0) {
        m_selectedCount = 0;
        for (size_t s = 0; s < m_selection.size(); ++s) {
            if (!m_selection[s])
                continue;
            if (m_model->dataById((IBaseHpfTableModel::RowId(m_selection[s]) << 32) | s))
                ++m_selectedCount;
            else
                m_selection[s] = 0;
        }
    }
    refresh();
}

void CStandardHpfTable::adjustColumnWidth()
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
                width = std::max(width,
                                 metrics.horizontalAdvance(sample[i]->getColumnText(c)) + 2 * kCellPadding);
            }
        }
        column.width = std::clamp(width, kMinColumnWidth, kMaxColumnWidth);
    }
    refresh();
}

void CStandardHpfTable::clear()
{
    m_steps.clear();
    if (m_model)
        m_model->clear();
    for (auto& column : m_columns) {
        if (column->delegate)
            column->delegate->clear();
    }
    resetSelection();
    refresh();
}

void CStandardHpfTable::sortByColumn(int column, Qt::SortOrder order)
{
    if (!m_model)
        return;
    inPlaceOrStep(
        m_model->totalCount(), [&] { m_model->sortByColumnID(column, order); },
        [this, column, order]() { return m_model->prepareSort(column, order); });
}

void CStandardHpfTable::filterColumn(int column, const IBaseHpfTableModel::Filter& filter)
{
    if (!m_model)
        return;
    inPlaceOrStep(
        m_model->totalCount(), [&] { m_model->filterColumn(column, filter); },
        [this, column, filter]() { return m_model->prepareFilter(column, filter); });
}

void CStandardHpfTable::setAllData(std::vector<IBaseHpfTableDataPtr> rows)
{
    if (!m_model)
        return;
    const int count = std::max(int(rows.size()), m_model->totalCount());
    auto shared = std::make_shared<std::vector<IBaseHpfTableDataPtr>>(std::move(rows));
    inPlaceOrStep(
        count, [&] { m_model->setAllData(std::move(*shared)); },
        [this, shared]() { return m_model->prepareLoad(std::move(*shared)); });
}

// Small models change at once; large ones, or any while a step is running, queue a step.
void CStandardHpfTable::inPlaceOrStep(int rows, const std::function<void()>& inPlace,
                                      std::function<IBaseHpfTableModel::TaskPtr()> prepare)
{
    if (!m_busy && rows < m_threshold) {
        inPlace();
        refresh();
        return;
    }
    runStep(std::move(prepare));
}

void CStandardHpfTable::setBackgroundThreshold(int rows)
{
    m_threshold = rows;
}

int CStandardHpfTable::backgroundThreshold() const
{
    return m_threshold;
}

bool CStandardHpfTable::isBusy() const
{
    return m_busy;
}

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

namespace {

// Reads nothing but the rows, so it can run on a worker.
QString copyText(const std::vector<IBaseHpfTableDataPtr>& rows, const std::vector<int>& columns)
{
    QString text;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            text += QLatin1Char('\n');
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\t');
            text += rows[r]->getColumnText(columns[i], IBaseHpfTableData::TextCopied);
        }
    }
    return text;
}

} // namespace

std::vector<IBaseHpfTableDataPtr> CStandardHpfTable::selectedRows() const
{
    std::vector<IBaseHpfTableDataPtr> rows;
    if (!m_model || m_selectedCount == 0)
        return rows;
    rows.reserve(size_t(m_selectedCount));
    const int count = m_model->rowCount();
    for (int row = 0; row < count; ++row) {
        if (isSelectedId(m_model->rowIdAt(row)))
            rows.push_back(m_model->dataAt(row));
    }
    return rows;
}

QString CStandardHpfTable::selectionText() const
{
    return copyText(selectedRows(), m_display);
}

void CStandardHpfTable::copySelection()
{
    auto rows = std::make_shared<std::vector<IBaseHpfTableDataPtr>>(selectedRows());
    if (rows->empty())
        return;
    const quint64 number = ++m_copyNumber;
    if (int(rows->size()) < kCopyAwayFrom) {
        QApplication::clipboard()->setText(copyText(*rows, m_display));
        return;
    }
    std::shared_ptr<Guard> guard = m_guard;
    CStandardHpfTable* self = this;
    const std::vector<int> columns = m_display;
    QThreadPool::globalInstance()->start([rows, columns, guard, self, number]() {
        const QString text = copyText(*rows, columns);
        QMutexLocker lock(&guard->mutex);
        if (guard->open) {
            QMetaObject::invokeMethod(
                self,
                [self, number, text]() {
                    if (number == self->m_copyNumber)
                        QApplication::clipboard()->setText(text);
                },
                Qt::QueuedConnection);
        }
    });
}

int CStandardHpfTable::firstShownRow() const
{
    return m_page.empty() ? -1 : m_page.front().row;
}

int CStandardHpfTable::shownRowCount() const
{
    return int(m_page.size());
}

QList<int> CStandardHpfTable::shownColumns() const
{
    QList<int> columns;
    for (size_t i = 0; i < m_display.size(); ++i) {
        if (inView(int(i)))
            columns.append(m_display[i]);
    }
    return columns;
}

QStringList CStandardHpfTable::headerTexts() const
{
    QStringList texts;
    if (m_model) {
        for (int c : shownColumns())
            texts.append(m_model->headerText(c));
    }
    return texts;
}

QRect CStandardHpfTable::headerRect(int column) const
{
    const auto it = std::find(m_display.begin(), m_display.end(), column);
    const int i = int(it - m_display.begin());
    return it != m_display.end() && inView(i) ? headerCell(i) : QRect();
}

QRect CStandardHpfTable::cellRect(int row, int column) const
{
    const QRect header = headerRect(column);
    const int first = firstShownRow();
    if (header.isEmpty() || first < 0 || row < first || row >= first + shownRowCount())
        return QRect();
    return QRect(header.left(), m_body.top() + (row - first) * kRowHeight, header.width(), kRowHeight);
}

void CStandardHpfTable::scrollToRow(int row)
{
    m_vbar->setValue(row);
}

void CStandardHpfTable::themeChanged()
{
    resolveResources();
    for (auto& column : m_columns) {
        if (column->delegate)
            column->delegate->themeChanged();
    }
    refresh();
}

bool CStandardHpfTable::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == CLineEdit::EventReturnPressed && m_filterEditor && data == m_filterEditor) {
        applyFilterEditor(text);
        return true;
    }
    return CBaseWidget::handleEvent(eventId, a, b, text, data);
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

void CStandardHpfTable::resizeEvent(QResizeEvent* event)
{
    CBaseWidget::resizeEvent(event);
    refresh();
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

void CStandardHpfTable::resolveResources()
{
    auto* resource = utils::CSingletonT<CUiResource>::instance();
    m_background = *resource->getColor(kBackground);
    m_defaultText = *resource->getColor(kDefaultText);
    m_headerBackground = *resource->getColor(kHeaderBackground);
    m_headerText = *resource->getColor(kHeaderText);
    m_grid = *resource->getColor(kGrid);
    m_selectionColor = *resource->getColor(kSelection);
    m_emptyColor = *resource->getColor(kEmptyText);
    m_indicator = *resource->getColor(kIndicator);
    m_funnel = *resource->getColor(kFunnel);
    m_funnelActive = *resource->getColor(kFunnelActive);
    m_footerText = *resource->getColor(kFooterText);
    m_cellFont = *resource->getFont(kCellFont);
    m_headerFont = *resource->getFont(kHeaderFont);
}

void CStandardHpfTable::syncColumns()
{
    const int count = m_model ? m_model->columnCount() : 0;
    while (int(m_columns.size()) < count)
        m_columns.push_back(std::make_unique<Column>());
}

int CStandardHpfTable::headerWidth(int column) const
{
    const int funnel = m_columns[column]->filterable ? kFunnelSize + kCellPadding / 2 : 0;
    return QFontMetrics(m_headerFont).horizontalAdvance(m_model->headerText(column)) + 2 * kCellPadding +
           kIndicatorWidth + funnel;
}

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

QString CStandardHpfTable::keyOf(int row) const
{
    const int k = row - firstShownRow();
    if (k >= 0 && k < int(m_page.size()))
        return m_page[size_t(k)].key;
    const IBaseHpfTableDataPtr data = m_model ? m_model->dataAt(row) : nullptr;
    return data ? data->qsKey() : QString();
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
        int anchor = rowOfId(m_anchor);
        if (anchor < 0) {
            anchor = row;
            m_anchor = id;
        }
        if (!(modifiers & Qt::ControlModifier)) {
            const IBaseHpfTableModel::RowId keep = m_anchor;
            resetSelection();
            m_anchor = keep;
        }
        selectRange(anchor, row);
    } else if (multi && (modifiers & Qt::ControlModifier)) {
        select(id, !isSelectedId(id));
        m_anchor = id;
    } else {
        resetSelection();
        select(id, true);
        m_anchor = id;
    }
    m_current = id;
    m_currentRow = row;
    m_currentRevision = m_model->revision();
    QPointer<CStandardHpfTable> self(this);
    selectionChanged();
    if (self)
        deliverEvent(EventRowClicked, m_id, row, keyOf(row), this);
}

void CStandardHpfTable::moveCurrent(int row, bool extend)
{
    const IBaseHpfTableModel::RowId id = idOf(row);
    if (extend && (m_flags & FlagMultiSelection)) {
        int anchor = rowOfId(m_anchor);
        IBaseHpfTableModel::RowId keep = m_anchor;
        if (anchor < 0) {
            anchor = row;
            keep = id;
        }
        resetSelection();
        m_anchor = keep;
        selectRange(anchor, row);
    } else {
        resetSelection();
        select(id, true);
        m_anchor = id;
    }
    m_current = id;
    m_currentRow = row;
    m_currentRevision = m_model->revision();
    ensureRowShown(row);
    selectionChanged();
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

void CStandardHpfTable::runStep(std::function<IBaseHpfTableModel::TaskPtr()> prepare)
{
    m_steps.push_back(std::move(prepare));
    startNextStep();
}

void CStandardHpfTable::startNextStep()
{
    if (m_busy)
        return;
    if (m_steps.empty() || !m_model) {
        m_steps.clear();
        m_mask->hide();
        return;
    }
    const auto prepare = std::move(m_steps.front());
    m_steps.pop_front();
    IBaseHpfTableModel::TaskPtr task = prepare();
    m_busy = true;
    m_mask->show();
    m_mask->raise();
    std::shared_ptr<Guard> guard = m_guard;
    CStandardHpfTable* self = this;
    QThreadPool::globalInstance()->start([task, guard, self]() {
        task->run();
        QMutexLocker lock(&guard->mutex);
        if (guard->open) {
            QMetaObject::invokeMethod(
                self, [self, task]() mutable { self->finishStep(std::move(task)); }, Qt::QueuedConnection);
        }
    });
}

void CStandardHpfTable::finishStep(IBaseHpfTableModel::TaskPtr task)
{
    m_busy = false;
    if (m_model)
        m_model->applyTask(*task);
    // After a load the task holds the rows it replaced: free them away from the GUI thread.
    QThreadPool::globalInstance()->start([task]() mutable { task.reset(); });
    task.reset();
    refresh();
    if (m_steps.empty())
        m_mask->hide();
    startNextStep();
}

} // namespace Kx
