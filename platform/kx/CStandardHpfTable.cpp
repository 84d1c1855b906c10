#include "kx/CStandardHpfTable.h"
#include "CStandardHpfTablePrivate.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CUiResource.h"

#include <QScrollBar>

#include <algorithm>

// The table's set-up, its columns and its model, and what it shows; the rest of the table is in
// CStandardHpfTablePaint.cpp (layout and painting), CStandardHpfTableHeader.cpp (sorting,
// filtering and sizing from the header), CStandardHpfTableRows.cpp (selection, mouse and keys)
// and CStandardHpfTableSteps.cpp (the step queue and copying).

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
} // namespace

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

void CStandardHpfTable::resizeEvent(QResizeEvent* event)
{
    CBaseWidget::resizeEvent(event);
    refresh();
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

} // namespace Kx
