#pragma once

#include "kx/IBaseHpfTableData.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace Kx {

class CStandardHpfTable;
class HpfModelSteps;

// The rows of a CStandardHpfTable, with the table's filter and sort order.
//
// Subclasses describe the columns (the pure virtuals); the framework keeps the rows. It is
// built for a million rows: each row is held once, found by its key through a hash, and
// filtering and sorting only rearrange an index of row slots. Filter and sort compose: the
// visible rows are always "the rows passing every column filter, in the sort order", whichever
// of the two changed last.
//
// Costs, n rows in the model, v of them visible:
//   addData               O(1); the new row is placed in the visible order on the next read
//                         (appended when unsorted, binary-searched when sorted), so a burst of
//                         k additions costs O(n + k log n) once
//   removeDataByKey       O(1); the index is compacted in one O(n) pass on the next read
//   getDataByKey          O(1)
//   filterColumn          O(n): one memmem pass over the column's case-folded texts, kept
//                         back to back (built by the first filter on the column or by a load,
//                         then kept up to date); clearFilter O(n) copying of ints
//   sortByColumnID        O(n log n), radix sort (O(n)) for numbers and arrival order
//   rowCount, dataAt      O(1) after the fix-up above
//
// Use it from the GUI thread only. The calls below block; a model shown by a CStandardHpfTable
// is sorted, filtered and loaded through the table (its sortByColumn, filterColumn, clearFilter,
// setAllData), which runs them one after the other and, for large models, on a worker.
class KX_EXPORT IBaseHpfTableModel
{
public:
    enum FilterType
    {
        // The row passes when its filter text (IBaseHpfTableData::getFilterQString) contains any
        // text of the set, ignoring case. The texts are plain text: regular-expression and
        // wildcard characters match themselves. An empty text matches every row.
        FilterContains = 1,
    };
    // (type, texts). Other types than FilterContains are ignored, with a warning.
    typedef QPair<int, QSet<QString>> Filter;

    // fixedOrder: the rows keep the order they arrive in; a click on the table's header does not
    // sort them. Models that leave the order to the user pass false.
    explicit IBaseHpfTableModel(bool fixedOrder);
    virtual ~IBaseHpfTableModel();
    IBaseHpfTableModel(const IBaseHpfTableModel&) = delete;
    IBaseHpfTableModel& operator=(const IBaseHpfTableModel&) = delete;

    virtual int columnCount() const = 0;
    virtual QString headerText(int column) const = 0;
    // A QVariant::Type: String (10) sorts by text, Int (2), Double (6) and LongLong (4)
    // numerically through the matching getter of the rows.
    virtual int columnValueType(int column) const = 0;
    // Shown in place of the rows when no row is visible.
    virtual QString emptyText() const = 0;
    // Whether the table shows the number of visible and total rows below the rows.
    virtual bool isSummaryShown() const = 0;
    // row: the visible row.
    virtual QColor rowBackground(int row) const = 0;
    // Leading columns that stay in place when the table scrolls sideways.
    virtual int frozenColumnCount() const = 0;

    bool isSortable() const;

    // Adds the row, or replaces the row with the same key (which keeps its place unless the
    // sort column's value changed). A null row is ignored.
    void addData(const IBaseHpfTableDataPtr& row);
    // Replaces every row, as clear() and addData() for each (a later duplicate key wins).
    void setAllData(std::vector<IBaseHpfTableDataPtr> rows);
    // Columns whose filter index is built with every load rather than by their first filter,
    // so that the first filter on them is as fast as later ones (the table indexes its
    // filterable columns). Each costs about 25 bytes per row.
    void setIndexedColumns(const QList<int>& columns);
    QList<int> indexedColumns() const;
    IBaseHpfTableDataPtr getDataByKey(const QString& key) const;
    IBaseHpfTableDataPtr getDataByKey(const std::string& key) const;
    bool removeDataByKey(const QString& key);
    bool removeDataByKey(const std::string& key);
    // Removes every row; filters and the sort order stay. A large model's rows are freed on a
    // worker thread.
    void clear();

    // Sets the filter of one column (replacing that column's previous filter); a filter with an
    // empty set removes it. Filters of different columns must all pass.
    void filterColumn(int column, const Filter& filter);
    void clearFilter();
    QMap<int, Filter> filters() const;
    bool isFiltered() const;

    // Sorts by the column's value type; rows that compare equal keep their order, so sorting by
    // one column and then another orders by the second, then the first. A column that is not
    // one of the model's (-1) restores the arrival order.
    void sortByColumnID(int column, Qt::SortOrder order);
    int sortColumn() const;
    Qt::SortOrder sortOrder() const;

    // The visible rows: those passing the filters, in the sort order.
    int rowCount() const;
    IBaseHpfTableDataPtr dataAt(int visibleRow) const;
    // Every row, filtered out or not.
    int totalCount() const;
    // -1 when the key is unknown or filtered out. O(v).
    int visibleRowOf(const QString& key) const;

    // A row's identity while it is in the model: replacing the row keeps it, removing it ends
    // it, and it is never given to another row. Cheaper than the key where many rows are
    // concerned (the table's selection). 0 is no row. Its slot (below slotCount()) lets a view
    // keep per-row state in an array.
    typedef quint64 RowId;
    static int slotOf(RowId id) { return int(id & 0xffffffffu); }
    int slotCount() const;
    RowId rowIdAt(int visibleRow) const;
    RowId rowIdOf(const QString& key) const;
    // Null once the row left the model.
    IBaseHpfTableDataPtr dataById(RowId id) const;
    // -1 when the row left or is filtered out. O(v).
    int visibleRowOfId(RowId id) const;
    // Changes whenever the visible rows may have changed.
    quint64 revision() const;

private:
    // The table's steps off the GUI thread (HpfModelSteps.h in platform/kx): a step is prepared
    // on the GUI thread from a snapshot, run on any thread (it touches nothing but its
    // snapshot) and applied on the GUI thread. applyTask returns false for a task that no
    // longer fits: prepared by another model or before a clear() or a later load. Rows added or
    // removed while a task ran are accounted for when it is applied.
    friend class CStandardHpfTable;
    friend class HpfModelSteps;
    class KX_EXPORT Task
    {
    public:
        virtual ~Task();
        virtual void run() = 0;
    };
    typedef std::shared_ptr<Task> TaskPtr;
    TaskPtr prepareSort(int column, Qt::SortOrder order) const;
    TaskPtr prepareFilter(int column, const Filter& filter) const;
    TaskPtr prepareLoad(std::vector<IBaseHpfTableDataPtr> rows);
    bool applyTask(Task& task);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Kx
