#include "kx/IBaseHpfTableModel.h"
#include "CHpfRowFilter.h"
#include "CHpfTextIndex.h"
#include "HpfDisposal.h"
#include "HpfModelSteps.h"
#include "HpfRowSort.h"

#include <QThreadPool>
#include <QVector>

#include <algorithm>
#include <atomic>
#include <map>
#include <unordered_map>

namespace Kx {

namespace {

// Where a slot stands: free, in the sorted index, or waiting to be placed there.
enum SlotState : quint8
{
    Free = 0,
    Placed = 1,
    Waiting = 2
};

std::atomic<quint64> g_nextModelId{1};

quint64 hashKey(const std::string& key)
{
    return std::hash<std::string>{}(key);
}

// The keys' own hash is the bucket hash; equal hashes of different keys are told apart by
// asking the rows for their keys, which keeps the index at a few dozen bytes per row.
struct IdentityHash
{
    size_t operator()(quint64 h) const { return size_t(h); }
};
typedef std::unordered_multimap<quint64, int, IdentityHash> SlotIndex;

int findIn(const SlotIndex& index, const QVector<IBaseHpfTableDataPtr>& rows, const std::string& key,
           quint64 hash, SlotIndex::const_iterator* where = nullptr)
{
    const auto range = index.equal_range(hash);
    for (auto it = range.first; it != range.second; ++it) {
        if (rows[it->second]->getKey() == key) {
            if (where)
                *where = it;
            return it->second;
        }
    }
    return -1;
}

// By column; shared between the model and the tasks' snapshots, copied before a change.
typedef std::map<int, std::shared_ptr<CHpfTextIndex>> TextIndexes;

CHpfTextIndex& writable(std::shared_ptr<CHpfTextIndex>& index)
{
    if (index.use_count() > 1)
        index = std::make_shared<CHpfTextIndex>(*index);
    return *index;
}

// pass[slot] for every slot: whether the row is there and passes every column filter. Builds the
// text index of a filtered column the first time it is needed.
void passAll(const CHpfRowFilter& filter, const QVector<IBaseHpfTableDataPtr>& rows, TextIndexes& indexes,
             std::vector<quint8>& pass)
{
    const size_t n = size_t(rows.size());
    pass.assign(n, 0);
    if (filter.isEmpty()) {
        for (size_t s = 0; s < n; ++s)
            pass[s] = rows[int(s)] != nullptr;
        return;
    }
    std::vector<quint8> hits;
    bool first = true;
    for (const CHpfRowFilter::Column& column : filter.columns()) {
        std::shared_ptr<CHpfTextIndex>& index = indexes[column.column];
        if (!index)
            index = std::make_shared<CHpfTextIndex>(column.column, rows);
        else if (index->wantsCompaction())
            writable(index).compact();
        hits.assign(n, 0);
        for (const std::string& needle : column.needles)
            index->search(needle, hits);
        if (first)
            pass.swap(hits);
        else
            std::transform(pass.begin(), pass.end(), hits.begin(), pass.begin(),
                           [](quint8 a, quint8 b) { return quint8(a & b); });
        first = false;
    }
}

struct ModelTask : HpfModelSteps::Task
{
    quint64 modelId = 0;
    quint64 epoch = 0;
    quint64 revision = 0;
    QVector<IBaseHpfTableDataPtr> rows; // the snapshot (for a load: the result)
};

struct SortTask : ModelTask
{
    HpfSorting sorting;
    std::vector<quint32> arrival;
    std::vector<int> order; // the order before, then the sorted one
    void run() override { sortHpfSlots(order, rows, arrival, sorting); }
};

struct FilterTask : ModelTask
{
    QMap<int, IBaseHpfTableModel::Filter> filters;
    CHpfRowFilter filter;
    TextIndexes indexes;
    std::vector<quint8> pass;
    void run() override { passAll(filter, rows, indexes, pass); }
};

struct LoadTask : ModelTask
{
    std::vector<IBaseHpfTableDataPtr> input;
    HpfSorting sorting;
    QMap<int, IBaseHpfTableModel::Filter> filters;
    CHpfRowFilter filter;
    QList<int> indexed;
    TextIndexes indexes;
    SlotIndex index;
    std::vector<quint32> arrival;
    std::vector<quint8> pass;
    std::vector<int> order;
    std::vector<int> visible;

    void run() override
    {
        rows.reserve(int(input.size()));
        index.reserve(input.size());
        for (IBaseHpfTableDataPtr& row : input) {
            if (!row)
                continue;
            const std::string key = row->getKey();
            const quint64 hash = hashKey(key);
            const int slot = findIn(index, rows, key, hash);
            if (slot >= 0) {
                rows[slot] = std::move(row);
                continue;
            }
            index.emplace(hash, rows.size());
            rows.append(std::move(row));
        }
        input = {};
        const size_t n = size_t(rows.size());
        arrival.resize(n);
        order.resize(n);
        for (size_t s = 0; s < n; ++s) {
            arrival[s] = quint32(s);
            order[s] = int(s);
        }
        passAll(filter, rows, indexes, pass);
        for (int column : indexed) {
            if (!indexes[column])
                indexes[column] = std::make_shared<CHpfTextIndex>(column, rows);
        }
        if (sorting.isSorted())
            sortHpfSlots(order, rows, arrival, sorting);
        visible.reserve(n);
        for (int s : order) {
            if (pass[s])
                visible.push_back(s);
        }
    }
};

} // namespace

IBaseHpfTableModel::Task::~Task() = default;

struct IBaseHpfTableModel::Private
{
    IBaseHpfTableModel* q;
    bool sortable;
    quint64 id = g_nextModelId++;

    // By slot. A QVector so that a task's snapshot is a shared copy, detached only if the model
    // changes while the task runs (reads use at(), which never detaches).
    QVector<IBaseHpfTableDataPtr> rows;
    std::vector<quint8> state;
    std::vector<quint8> pass;
    std::vector<quint32> arrival;
    std::vector<quint32> generation; // with the slot, a row's id
    SlotIndex index;
    std::vector<int> freeSlots;
    quint32 nextArrival = 0;
    quint32 nextGeneration = 0;

    std::vector<int> order;   // placed slots, in the sort order
    std::vector<int> visible; // order without the rows filtered out
    std::vector<int> waiting; // slots to place on the next read
    bool compact = false;     // order holds slots that left it
    bool visibleStale = false;

    HpfSorting sort;
    QMap<int, Filter> filters;
    CHpfRowFilter filter;
    TextIndexes indexes;
    QList<int> indexed;
    quint64 revision = 0;
    quint64 epoch = 0;

    // Changes made while a load runs, replayed over its result.
    bool journaling = false;
    std::vector<std::pair<IBaseHpfTableDataPtr, std::string>> journal;

    Private(IBaseHpfTableModel* model, bool isSortable) : q(model), sortable(isSortable) {}

    bool accepts(int slot) const { return filter.isEmpty() || filter.accepts(*rows[slot]); }

    int findSlot(const std::string& key) const { return findIn(index, rows, key, hashKey(key)); }

    int allocateSlot()
    {
        // A freed slot may still sit in order or waiting until the next fix-up.
        if (!freeSlots.empty() && !compact && waiting.empty()) {
            const int slot = freeSlots.back();
            freeSlots.pop_back();
            return slot;
        }
        rows.append(nullptr);
        state.push_back(Free);
        pass.push_back(0);
        arrival.push_back(0);
        generation.push_back(0);
        return rows.size() - 1;
    }

    void add(const IBaseHpfTableDataPtr& row)
    {
        const std::string key = row->getKey();
        const quint64 hash = hashKey(key);
        const int existing = findIn(index, rows, key, hash);
        ++revision;
        if (existing >= 0) {
            replace(existing, row);
            return;
        }
        const int slot = allocateSlot();
        rows[slot] = row;
        indexSet(slot);
        state[slot] = Waiting;
        arrival[slot] = nextArrival++;
        generation[slot] = ++nextGeneration;
        waiting.push_back(slot);
        index.emplace(hash, slot);
    }

    void replace(int slot, const IBaseHpfTableDataPtr& row)
    {
        const IBaseHpfTableDataPtr old = rows[slot];
        rows[slot] = row;
        indexSet(slot);
        if (state[slot] != Placed)
            return;
        if (sort.isSorted() && compareHpfRows(*old, *row, sort) != 0) {
            state[slot] = Waiting;
            waiting.push_back(slot);
            compact = true;
            return;
        }
        const quint8 passes = accepts(slot);
        if (passes != pass[slot]) {
            pass[slot] = passes;
            visibleStale = true;
        }
    }

    bool remove(const std::string& key)
    {
        SlotIndex::const_iterator where;
        const int slot = findIn(index, rows, key, hashKey(key), &where);
        if (slot < 0)
            return false;
        index.erase(where);
        rows[slot].reset();
        for (auto& entry : indexes)
            writable(entry.second).remove(slot);
        if (state[slot] == Placed)
            compact = true;
        state[slot] = Free;
        freeSlots.push_back(slot);
        ++revision;
        return true;
    }

    void indexSet(int slot)
    {
        for (auto& entry : indexes)
            writable(entry.second).set(slot, *rows[slot]);
    }

    bool less(int a, int b) const
    {
        if (!sort.isSorted())
            return arrival[a] < arrival[b];
        return compareHpfRows(*rows[a], *rows[b], sort) < 0;
    }

    // Realises what additions, replacements and removals left pending.
    void ensureView()
    {
        if (compact) {
            order.erase(
                std::remove_if(order.begin(), order.end(), [this](int s) { return state[s] != Placed; }),
                order.end());
            compact = false;
            visibleStale = true;
        }
        if (!waiting.empty())
            placeWaiting();
        if (visibleStale)
            rebuildVisible();
    }

    void placeWaiting()
    {
        std::vector<int> fresh;
        fresh.reserve(waiting.size());
        for (int s : waiting) {
            if (state[s] == Waiting) {
                state[s] = Placed;
                pass[s] = accepts(s);
                fresh.push_back(s);
            }
        }
        waiting.clear();
        sortHpfSlots(fresh, rows, arrival, sort);
        if (fresh.empty())
            return;
        if (order.empty() || !less(fresh.front(), order.back())) {
            order.insert(order.end(), fresh.begin(), fresh.end());
            if (!visibleStale) {
                for (int s : fresh) {
                    if (pass[s])
                        visible.push_back(s);
                }
            }
            return;
        }
        // Each newcomer goes after the rows equal to it; positions only grow along fresh.
        std::vector<int> merged;
        merged.reserve(order.size() + fresh.size());
        auto from = order.begin();
        for (int s : fresh) {
            auto at = std::upper_bound(from, order.end(), s, [this](int x, int y) { return less(x, y); });
            merged.insert(merged.end(), from, at);
            merged.push_back(s);
            from = at;
        }
        merged.insert(merged.end(), from, order.end());
        order.swap(merged);
        visibleStale = true;
    }

    void rebuildVisible()
    {
        visible.clear();
        visible.reserve(order.size());
        for (int s : order) {
            if (pass[s])
                visible.push_back(s);
        }
        visibleStale = false;
    }

    void recomputePass()
    {
        passAll(filter, rows, indexes, pass);
        for (int column : indexed) {
            if (!indexes[column])
                indexes[column] = std::make_shared<CHpfTextIndex>(column, rows);
        }
        visibleStale = true;
    }

    HpfSorting sortingFor(int column, Qt::SortOrder sortOrder) const
    {
        HpfSorting sorting;
        if (column >= 0 && column < q->columnCount()) {
            sorting.column = column;
            sorting.order = sortOrder;
            sorting.valueType = q->columnValueType(column);
        }
        return sorting;
    }

    bool fits(const ModelTask& task) const { return task.modelId == id && task.epoch == epoch; }

    bool changedSince(const ModelTask& task, int slot) const
    {
        return slot >= task.rows.size() || task.rows[slot].get() != rows[slot].get();
    }

    bool apply(SortTask& task)
    {
        ensureView();
        if (task.revision == revision) {
            order.swap(task.order);
            sort = task.sorting;
            rebuildVisible();
            return true;
        }
        std::vector<quint8> kept(size_t(rows.size()), 0);
        std::vector<int> next;
        next.reserve(task.order.size());
        for (int s : task.order) {
            if (s < rows.size() && state[s] == Placed && !changedSince(task, s)) {
                next.push_back(s);
                kept[s] = 1;
            }
        }
        for (int s = 0; s < rows.size(); ++s) {
            if (state[s] == Placed && !kept[s]) {
                state[s] = Waiting;
                waiting.push_back(s);
            }
        }
        order.swap(next);
        sort = task.sorting;
        visibleStale = true;
        ensureView();
        return true;
    }

    bool apply(FilterTask& task)
    {
        filters = task.filters;
        filter = task.filter;
        pass.swap(task.pass);
        pass.resize(size_t(rows.size()), 0);
        if (task.revision != revision) {
            for (int s = 0; s < rows.size(); ++s) {
                if (!changedSince(task, s))
                    continue;
                for (auto& entry : task.indexes) {
                    if (rows.at(s))
                        writable(entry.second).set(s, *rows.at(s));
                    else
                        writable(entry.second).remove(s);
                }
                if (state[s] == Placed)
                    pass[s] = accepts(s);
            }
        }
        for (auto& entry : task.indexes)
            indexes[entry.first] = std::move(entry.second);
        visibleStale = true;
        ensureView();
        return true;
    }

    bool apply(LoadTask& task)
    {
        rows.swap(task.rows);
        index.swap(task.index);
        arrival.swap(task.arrival);
        pass.swap(task.pass);
        order.swap(task.order);
        visible.swap(task.visible);
        state.assign(size_t(rows.size()), Placed);
        generation.assign(size_t(rows.size()), ++nextGeneration);
        indexes.swap(task.indexes);
        freeSlots.clear();
        waiting.clear();
        compact = false;
        visibleStale = false;
        nextArrival = quint32(rows.size());
        // The order or the filters changed directly on the model while the load ran.
        if (task.filters != filters)
            recomputePass();
        if (!(task.sorting == sort)) {
            sortHpfSlots(order, rows, arrival, sort);
            visibleStale = true;
        }
        journaling = false;
        const auto replay = std::move(journal);
        journal.clear();
        for (const auto& change : replay) {
            if (change.first)
                add(change.first);
            else
                remove(change.second);
        }
        ensureView();
        return true;
    }
};

IBaseHpfTableModel::IBaseHpfTableModel(bool fixedOrder) : d(new Private(this, !fixedOrder)) {}

// A large model's rows are freed on a worker, as by clear().
IBaseHpfTableModel::~IBaseHpfTableModel()
{
    clear();
}

bool IBaseHpfTableModel::isSortable() const
{
    return d->sortable;
}

void IBaseHpfTableModel::addData(const IBaseHpfTableDataPtr& row)
{
    if (!row)
        return;
    if (d->journaling)
        d->journal.emplace_back(row, std::string());
    d->add(row);
}

void IBaseHpfTableModel::setAllData(std::vector<IBaseHpfTableDataPtr> rows)
{
    TaskPtr task = prepareLoad(std::move(rows));
    task->run();
    applyTask(*task);
    // The task now holds the rows it replaced.
    const int replaced = static_cast<LoadTask&>(*task).rows.size();
    disposeAway(std::move(task), replaced);
}

void IBaseHpfTableModel::setIndexedColumns(const QList<int>& columns)
{
    d->indexed = columns;
}

QList<int> IBaseHpfTableModel::indexedColumns() const
{
    return d->indexed;
}

IBaseHpfTableDataPtr IBaseHpfTableModel::getDataByKey(const QString& key) const
{
    return getDataByKey(key.toStdString());
}

IBaseHpfTableDataPtr IBaseHpfTableModel::getDataByKey(const std::string& key) const
{
    const int slot = d->findSlot(key);
    return slot >= 0 ? d->rows.at(slot) : nullptr;
}

bool IBaseHpfTableModel::removeDataByKey(const QString& key)
{
    return removeDataByKey(key.toStdString());
}

bool IBaseHpfTableModel::removeDataByKey(const std::string& key)
{
    if (d->journaling)
        d->journal.emplace_back(nullptr, key);
    return d->remove(key);
}

void IBaseHpfTableModel::clear()
{
    // The per-slot vectors go too: a large block freed here makes the allocator sweep every small
    // block this thread freed before.
    struct Garbage
    {
        QVector<IBaseHpfTableDataPtr> rows;
        SlotIndex index;
        TextIndexes indexes;
        std::vector<quint8> state, pass;
        std::vector<quint32> arrival, generation;
        std::vector<int> freeSlots, order, visible, waiting;
    };
    auto garbage = std::make_shared<Garbage>();
    const int rows = d->rows.size();
    garbage->rows.swap(d->rows);
    garbage->index.swap(d->index);
    garbage->indexes.swap(d->indexes);
    garbage->state.swap(d->state);
    garbage->pass.swap(d->pass);
    garbage->arrival.swap(d->arrival);
    garbage->generation.swap(d->generation);
    garbage->freeSlots.swap(d->freeSlots);
    garbage->order.swap(d->order);
    garbage->visible.swap(d->visible);
    garbage->waiting.swap(d->waiting);
    disposeAway(std::move(garbage), rows);
    d->nextArrival = 0;
    d->compact = false;
    d->visibleStale = false;
    d->journaling = false;
    d->journal.clear();
    ++d->epoch;
    ++d->revision;
}

void IBaseHpfTableModel::filterColumn(int column, const Filter& filter)
{
    TaskPtr task = prepareFilter(column, filter);
    task->run();
    applyTask(*task);
}

void IBaseHpfTableModel::clearFilter()
{
    d->ensureView();
    d->filters.clear();
    d->filter = CHpfRowFilter();
    std::fill(d->pass.begin(), d->pass.end(), 1);
    d->visible = d->order;
    ++d->revision;
}

QMap<int, IBaseHpfTableModel::Filter> IBaseHpfTableModel::filters() const
{
    return d->filters;
}

bool IBaseHpfTableModel::isFiltered() const
{
    return !d->filters.isEmpty();
}

void IBaseHpfTableModel::sortByColumnID(int column, Qt::SortOrder order)
{
    d->ensureView();
    d->sort = d->sortingFor(column, order);
    sortHpfSlots(d->order, d->rows, d->arrival, d->sort);
    d->rebuildVisible();
    ++d->revision;
}

int IBaseHpfTableModel::sortColumn() const
{
    return d->sort.column;
}

Qt::SortOrder IBaseHpfTableModel::sortOrder() const
{
    return d->sort.order;
}

int IBaseHpfTableModel::rowCount() const
{
    d->ensureView();
    return int(d->visible.size());
}

IBaseHpfTableDataPtr IBaseHpfTableModel::dataAt(int visibleRow) const
{
    d->ensureView();
    if (visibleRow < 0 || visibleRow >= int(d->visible.size()))
        return nullptr;
    return d->rows.at(d->visible[visibleRow]);
}

int IBaseHpfTableModel::totalCount() const
{
    return int(d->index.size());
}

int IBaseHpfTableModel::visibleRowOf(const QString& key) const
{
    d->ensureView();
    const int slot = d->findSlot(key.toStdString());
    if (slot < 0 || !d->pass[slot])
        return -1;
    const auto it = std::find(d->visible.begin(), d->visible.end(), slot);
    return it == d->visible.end() ? -1 : int(it - d->visible.begin());
}

int IBaseHpfTableModel::slotCount() const
{
    return d->rows.size();
}

IBaseHpfTableModel::RowId IBaseHpfTableModel::rowIdAt(int visibleRow) const
{
    d->ensureView();
    if (visibleRow < 0 || visibleRow >= int(d->visible.size()))
        return 0;
    const int slot = d->visible[visibleRow];
    return (RowId(d->generation[slot]) << 32) | RowId(slot);
}

IBaseHpfTableModel::RowId IBaseHpfTableModel::rowIdOf(const QString& key) const
{
    const int slot = d->findSlot(key.toStdString());
    return slot < 0 ? 0 : (RowId(d->generation[slot]) << 32) | RowId(slot);
}

IBaseHpfTableDataPtr IBaseHpfTableModel::dataById(RowId id) const
{
    const int slot = int(id & 0xffffffffu);
    if (id == 0 || slot >= d->rows.size() || d->generation[slot] != quint32(id >> 32))
        return nullptr;
    return d->rows.at(slot);
}

int IBaseHpfTableModel::visibleRowOfId(RowId id) const
{
    if (!dataById(id))
        return -1;
    d->ensureView();
    const int slot = int(id & 0xffffffffu);
    if (!d->pass[slot])
        return -1;
    const auto it = std::find(d->visible.begin(), d->visible.end(), slot);
    return it == d->visible.end() ? -1 : int(it - d->visible.begin());
}

quint64 IBaseHpfTableModel::revision() const
{
    return d->revision;
}

IBaseHpfTableModel::TaskPtr IBaseHpfTableModel::prepareSort(int column, Qt::SortOrder order) const
{
    d->ensureView();
    auto task = std::make_shared<SortTask>();
    task->modelId = d->id;
    task->epoch = d->epoch;
    task->revision = d->revision;
    task->rows = d->rows;
    task->sorting = d->sortingFor(column, order);
    task->arrival = d->arrival;
    task->order = d->order;
    return task;
}

IBaseHpfTableModel::TaskPtr IBaseHpfTableModel::prepareFilter(int column, const Filter& filter) const
{
    d->ensureView();
    auto task = std::make_shared<FilterTask>();
    task->modelId = d->id;
    task->epoch = d->epoch;
    task->revision = d->revision;
    task->rows = d->rows;
    task->indexes = d->indexes;
    task->filters = d->filters;
    if (filter.second.isEmpty())
        task->filters.remove(column);
    else
        task->filters[column] = filter;
    task->filter = CHpfRowFilter(task->filters);
    return task;
}

IBaseHpfTableModel::TaskPtr IBaseHpfTableModel::prepareLoad(std::vector<IBaseHpfTableDataPtr> rows)
{
    auto task = std::make_shared<LoadTask>();
    task->modelId = d->id;
    task->epoch = ++d->epoch;
    task->input = std::move(rows);
    task->sorting = d->sort;
    task->filters = d->filters;
    task->filter = d->filter;
    task->indexed = d->indexed;
    d->journaling = true;
    d->journal.clear();
    return task;
}

bool IBaseHpfTableModel::applyTask(Task& task)
{
    auto* modelTask = dynamic_cast<ModelTask*>(&task);
    if (!modelTask || !d->fits(*modelTask))
        return false;
    bool applied = false;
    if (auto* sort = dynamic_cast<SortTask*>(&task))
        applied = d->apply(*sort);
    else if (auto* filter = dynamic_cast<FilterTask*>(&task))
        applied = d->apply(*filter);
    else if (auto* load = dynamic_cast<LoadTask*>(&task))
        applied = d->apply(*load);
    if (applied)
        ++d->revision;
    return applied;
}

} // namespace Kx
