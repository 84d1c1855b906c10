#pragma once

#include "kx/CBaseTableColumnDelegate.h"
#include "kx/CBaseWidget.h"
#include "kx/IBaseHpfTableModel.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QFont>
#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QScrollBar;

namespace Kx {

class CLineEdit;
class CLoadingMaskWidget;

// A table for very many rows, painted by itself: a header row, the rows that fit (constant row
// height, so only those are read from the model and painted), scroll bars, and a summary line
// when the model asks for one. No widget or QObject per row or cell.
//
// The table does not own its model, which must outlive it or be replaced first (a null model is
// allowed). It reads the model only when told: after changing the rows, call updateTable().
//
// Header: a click sorts by the column (ascending; a second click reverses), drawn as ▲ or ▼ at
// the right of the header cell, when the model is sortable. Filterable columns show a funnel; a
// click on it opens a line edit over the header cell whose Enter filters the column (contains,
// ignoring case; an empty text removes the filter).
//
// Rows: a click selects the row, Ctrl-click adds or removes it, Shift-click selects from the
// anchor (the last row clicked without Shift) to it (Ctrl and Shift need FlagMultiSelection).
// Up, Down, PageUp, PageDown, Home and End move the current row (Shift extends); Ctrl+C copies
// the selected rows, in their visible order, as tab-separated text of the shown columns (the
// rows' TextCopied texts), one line per row. The selection is kept by row (a replaced row stays
// selected), so it survives sorting and filtering.
//
// Sorting, filtering and setAllData through the table run synchronously below the background
// threshold (100,000 rows, old or new) and otherwise on a worker thread over a snapshot of the
// model, behind the loading mask, one step after the other; the result is swapped in on the GUI
// thread. Filterable columns are indexed by the model with every load (setIndexedColumns).
//
// Events delivered upwards, a = the table's id, only for what the user did:
//   221 EventRowClicked          b = visible row, text = row key
//   222 EventRowDoubleClicked    b = visible row, text = row key
//   223 EventSelectionChanged    b = number of selected rows, text = current row key
//   224 EventSortChanged         b = column, text = "ascending" or "descending"
//   225 EventFilterChanged       b = column, text = the filter text
// and from the column delegates: 227 (check box toggled), 228 (row button clicked).
//
// Colours: "clr_table_background", "clr_table_header_background", "clr_table_header_text",
// "clr_table_grid_line", "clr_table_selection", "clr_table_empty_text", "clr_table_sort_indicator",
// "clr_table_filter_icon", "clr_table_filter_icon_active", "clr_table_footer_text"; row
// backgrounds and text colours come from the model and the rows. Fonts: cells
// "fnt_default_normal", header "fnt_default_normal_heavy". The object name is "hpf_table_<id>".
class KX_EXPORT CStandardHpfTable : public CBaseWidget
{
    Q_OBJECT
public:
    enum
    {
        EventRowClicked = 221,
        EventRowDoubleClicked = 222,
        EventSelectionChanged = 223,
        EventSortChanged = 224,
        EventFilterChanged = 225
    };
    enum TableFlag
    {
        FlagMultiSelection = 0x1,
        FlagGridLines = 0x2
    };
    // What the right-click menu offers: on rows, copying the selection; on the header, showing
    // and hiding columns (except those hidden for good).
    enum MenuFlag
    {
        MenuNone = 0x0,
        MenuCopy = 0x1,
        MenuColumns = 0x2
    };

    static constexpr int kHeaderHeight = 30;
    static constexpr int kRowHeight = 28;
    static constexpr int kFooterHeight = 26;
    static constexpr int kCellPadding = 8;
    static constexpr int kMinColumnWidth = 40;
    // Until set or adjusted, unless the header needs more.
    static constexpr int kDefaultColumnWidth = 100;
    static constexpr int kMaxColumnWidth = 480;
    static constexpr int kAdjustSampleRows = 200;
    static constexpr int kDefaultBackgroundThreshold = 100000;
    static constexpr int kCopyAwayFrom = 10000;

    CStandardHpfTable(int id, QWidget* parent, int menuFlags);
    ~CStandardHpfTable() override;

    int id() const;
    int menuFlags() const;
    // FlagMultiSelection | FlagGridLines unless set.
    int tableFlags() const;
    void setTableFlags(int flags);

    void setDataModel(IBaseHpfTableModel* model);
    IBaseHpfTableModel* dataModel() const;

    // A column hidden for good is not offered by the header menu and showColumn leaves it hidden.
    void hideColumn(int column, bool forGood = false);
    void showColumn(int column);
    bool isColumnHidden(int column) const;
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    void setFilterableColumns(const QList<int>& columns);
    bool isColumnFilterable(int column) const;
    // The table takes the delegate over, deleting the one it replaces; null removes it.
    void setColumnDelegate(int column, CBaseTableColumnDelegate* delegate);
    CBaseTableColumnDelegate* columnDelegate(int column) const;

    // Reads the model again: row count, scroll ranges, the rows shown; forgets selected rows that
    // left the model.
    void updateTable();
    // Widths from the header text and the texts of at most kAdjustSampleRows rows from the top
    // row shown, within kMinColumnWidth and kMaxColumnWidth. While steps are queued or running,
    // once the last of them has landed (so that a load's rows are measured, not just headers).
    void adjustColumnWidth();
    // Removes every row of the model, the selection and the delegates' states.
    void clear();

    // The model's steps, one after the other in the order asked for, off the GUI thread for large
    // models (see above). Sort, filter and load a model through these while the table shows it:
    // a step running off the GUI thread would overwrite a change made to the model meanwhile.
    void sortByColumn(int column, Qt::SortOrder order);
    void filterColumn(int column, const IBaseHpfTableModel::Filter& filter);
    void clearFilter();
    void setAllData(std::vector<IBaseHpfTableDataPtr> rows);
    void setBackgroundThreshold(int rows);
    int backgroundThreshold() const;
    // True while a step runs off the GUI thread.
    bool isBusy() const;

    QSet<QString> selectedKeys() const;
    // Rows that left the model count until updateTable().
    int selectedCount() const;
    bool isRowSelected(int row) const;
    void clearSelection();
    // -1 when there is none or it is filtered out.
    int currentRow() const;
    // Makes the row current and the only one selected, and scrolls to it.
    void setCurrentRow(int row);
    // The text Ctrl+C copies. Builds it on the spot, however many rows are selected.
    QString selectionText() const;
    // Builds the text on a worker when kCopyAwayFrom rows or more are selected; the clipboard
    // gets it when it is ready (a later copy wins).
    void copySelection();

    // What is on screen, for the paint log and the tests.
    int firstShownRow() const;
    int shownRowCount() const;
    // Columns at least partly in view, left to right.
    QList<int> shownColumns() const;
    QStringList headerTexts() const;
    // In the table's coordinates; empty when not in view.
    QRect headerRect(int column) const;
    QRect cellRect(int row, int column) const;
    void scrollToRow(int row);

    void themeChanged() override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Column;
    struct PageRow;
    struct Guard;

    void resolveResources();
    void syncColumns();
    int headerWidth(int column) const;
    void relayout();
    void rebuildPage();
    void refresh();
    int columnX(int displayIndex) const;
    int displayIndexAt(int x) const;
    int rowAt(int y) const;
    bool inView(int displayIndex) const;
    QRect headerCell(int displayIndex) const;
    QRect funnelRect(const QRect& headerCell) const;
    HpfTableCell cellAt(const QPoint& pos, CBaseTableColumnDelegate** delegate) const;
    QString keyOf(int row) const;
    IBaseHpfTableModel::RowId idOf(int row) const;
    bool isSelectedId(IBaseHpfTableModel::RowId id) const;
    void select(IBaseHpfTableModel::RowId id, bool on);
    void resetSelection();
    int rowOfId(IBaseHpfTableModel::RowId id) const;

    void pressHeader(const QPoint& pos);
    void toggleSort(int column);
    void openFilterEditor(int column);
    void applyFilterEditor(const QString& text);
    void pressRow(int row, Qt::KeyboardModifiers modifiers);
    void moveCurrent(int row, bool extend);
    void extendSelection(int row, IBaseHpfTableModel::RowId id, bool keepOthers);
    void selectOnly(IBaseHpfTableModel::RowId id);
    void makeCurrent(IBaseHpfTableModel::RowId id, int row);
    void selectRange(int from, int to);
    void selectionChanged();
    void ensureRowShown(int row);

    std::vector<IBaseHpfTableDataPtr> selectedRows() const;
    // A step does its work at once and returns null, or returns the task to run on a worker;
    // it decides when its turn comes.
    using Step = std::function<IBaseHpfTableModel::TaskPtr()>;
    void queueStep(Step step);
    void runSteps();
    void finishStep(IBaseHpfTableModel::TaskPtr task);
    void adjustColumnWidthNow();

    int m_id;
    int m_menuFlags;
    int m_flags = FlagMultiSelection | FlagGridLines;
    IBaseHpfTableModel* m_model = nullptr;
    std::vector<std::unique_ptr<Column>> m_columns;

    // Layout, kept by relayout().
    std::vector<int> m_display; // shown columns, in order
    std::vector<int> m_left;    // their left edges in the content
    int m_frozen = 0;           // display columns that do not scroll sideways
    int m_frozenWidth = 0;
    int m_contentWidth = 0;
    QRect m_body;
    int m_pageRows = 1;
    int m_rowCount = 0;
    QScrollBar* m_vbar;
    QScrollBar* m_hbar;

    // What paint draws, kept by rebuildPage().
    std::vector<PageRow> m_page;
    QStringList m_headerShown;
    QString m_summary;
    QString m_emptyText;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QSet<int> m_filtered;

    // By the rows' slots: the id's generation of a selected row, 0 for none. Selecting a
    // million rows is then filling an array, not hashing a million keys.
    std::vector<quint32> m_selection;
    int m_selectedCount = 0;
    IBaseHpfTableModel::RowId m_current = 0;
    IBaseHpfTableModel::RowId m_anchor = 0;
    mutable int m_currentRow = -1;
    mutable quint64 m_currentRevision = ~quint64(0);

    int m_pressRow = -1;
    int m_pressColumn = -1;
    bool m_pressOnDelegate = false;

    CLineEdit* m_filterEditor = nullptr;
    int m_filterColumn = -1;

    CLoadingMaskWidget* m_mask;
    std::deque<Step> m_steps;
    bool m_busy = false;
    bool m_adjustWhenDone = false;
    int m_threshold = kDefaultBackgroundThreshold;
    std::shared_ptr<Guard> m_guard;
    quint64 m_copyNumber = 0;

    QColor m_background;
    QColor m_defaultText;
    QColor m_headerBackground;
    QColor m_headerText;
    QColor m_grid;
    QColor m_selectionColor;
    QColor m_emptyColor;
    QColor m_indicator;
    QColor m_funnel;
    QColor m_funnelActive;
    QColor m_footerText;
    QFont m_cellFont;
    QFont m_headerFont;
};

} // namespace Kx
