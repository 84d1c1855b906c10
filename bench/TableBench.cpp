// The framework table against the usual Qt stack (a QAbstractTableModel behind a
// QSortFilterProxyModel and a QTableView) over the same user-list-like rows.
#include "kx/CStandardHpfTable.h"
#include "kx/IBaseHpfTableModel.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <map>
#include <malloc.h>
#include <memory>
#include <random>

namespace {

enum Column
{
    System,
    UserName,
    Role,
    Terminal,
    Organisation,
    Address,
    Mac,
    DiskSerial,
    CpuSerial,
    OsName,
    LoginTime,
    ClientVersion,
    Sessions,
    ClientKind,
    ColumnCount
};
constexpr int kTextColumns = Sessions;

class UserRow : public Kx::IBaseHpfTableData
{
public:
    QString texts[kTextColumns];
    int sessions = 0;
    int kind = 0;

    QString getColumnText(int column) const override
    {
        if (column < kTextColumns)
            return texts[column];
        return QString::number(column == Sessions ? sessions : kind);
    }
    QString getColumnText(int column, int) const override { return getColumnText(column); }
    int getColumnInt(int column) const override
    {
        return column == Sessions ? sessions : column == ClientKind ? kind : INT_MAX;
    }
    double getColumnDouble(int) const override { return DBL_MAX; }
    qint64 getColumnInt64(int) const override { return LLONG_MAX; }
    QColor getTextColor(int) const override { return QColor(); }
    std::string getKey() const override
    {
        const QString key = QStringList{texts[System],  texts[UserName], texts[Role],      texts[Terminal],
                                        texts[Address], texts[Mac],      texts[DiskSerial]}
                                .join(QLatin1String("__"));
        return key.toStdString();
    }
};

class UserModel : public Kx::IBaseHpfTableModel
{
public:
    UserModel() : Kx::IBaseHpfTableModel(false) {}
    int columnCount() const override { return ColumnCount; }
    QString headerText(int column) const override { return QStringLiteral("列%1").arg(column); }
    int columnValueType(int column) const override
    {
        return column >= kTextColumns ? QVariant::Int : QVariant::String;
    }
    QString emptyText() const override { return QStringLiteral("无数据"); }
    bool isSummaryShown() const override { return true; }
    QColor rowBackground(int row) const override { return row % 2 ? QColor(0xF6F9FD) : QColor(Qt::white); }
    int frozenColumnCount() const override { return 0; }
};

class AnchorModel : public QAbstractTableModel
{
public:
    explicit AnchorModel(const std::vector<Kx::IBaseHpfTableDataPtr>& rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const auto& row = m_rows[size_t(index.row())];
        if (index.column() >= kTextColumns)
            return row->getColumnInt(index.column());
        return row->getColumnText(index.column());
    }

private:
    const std::vector<Kx::IBaseHpfTableDataPtr>& m_rows;
};

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

QString randomText(std::mt19937& random, const char* alphabet, int length)
{
    const int size = int(strlen(alphabet));
    QString text(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        text[i] = QLatin1Char(alphabet[random() % size]);
    return text;
}

// Rows like a platform's logged-in users: a few systems, roles and versions shared by many, the
// rest different on every row.
std::vector<Kx::IBaseHpfTableDataPtr> makeRows(int n)
{
    std::mt19937 random(20261205);
    const QStringList systems{QStringLiteral("主服务器"), QStringLiteral("备用服务器"),
                              QStringLiteral("测试服务器")};
    const QStringList roles{QStringLiteral("交易员"), QStringLiteral("投资经理"), QStringLiteral("风控员"),
                            QStringLiteral("查询员"), QStringLiteral("平仓员")};
    const QStringList oses{QStringLiteral("Windows 10"), QStringLiteral("Windows 11"),
                           QStringLiteral("Linux")};
    const QStringList versions{QStringLiteral("3.2.1"), QStringLiteral("3.2.4"), QStringLiteral("3.3.0")};
    QStringList organisations;
    for (int i = 0; i < 200; ++i)
        organisations.append(QStringLiteral("第%1证券营业部").arg(i));
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        auto row = std::make_shared<UserRow>();
        row->texts[System] = systems[i % systems.size()];
        row->texts[UserName] =
            randomText(random, "abcdefghijklmnopqrstuvwxyz", 4 + int(random() % 6)) + QString::number(i);
        row->texts[Role] = roles[int(random() % roles.size())];
        row->texts[Terminal] = QStringLiteral("PC-") + randomText(random, "0123456789ABCDEF", 6);
        row->texts[Organisation] = organisations[int(random() % organisations.size())];
        row->texts[Address] =
            QStringLiteral("10.%1.%2.%3").arg(random() % 256).arg(random() % 256).arg(random() % 256);
        row->texts[Mac] = randomText(random, "0123456789ABCDEF", 12);
        row->texts[DiskSerial] = randomText(random, "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ", 16);
        row->texts[CpuSerial] = randomText(random, "0123456789ABCDEF", 16);
        row->texts[OsName] = oses[int(random() % oses.size())];
        row->texts[LoginTime] = QStringLiteral("2026-12-05 %1:%2:%3")
                                    .arg(random() % 24, 2, 10, QLatin1Char('0'))
                                    .arg(random() % 60, 2, 10, QLatin1Char('0'))
                                    .arg(random() % 60, 2, 10, QLatin1Char('0'));
        row->texts[ClientVersion] = versions[int(random() % versions.size())];
        row->sessions = int(random() % 50);
        row->kind = int(random() % 6);
        rows.push_back(std::move(row));
    }
    return rows;
}

// Built once per size and shared by the benchmarks of that size.
struct Fixture
{
    explicit Fixture(int n)
    {
        const size_t before = heapInUse();
        rows = makeRows(n);
        const size_t withRows = heapInUse();
        // As a table with a filterable user-name column sets it.
        model.setIndexedColumns({UserName});
        model.setAllData(rows);
        const size_t withModel = heapInUse();
        rowBytes = double(withRows - before) / n;
        modelBytes = double(withModel - withRows) / n;
        table.setDataModel(&model);
        table.resize(1200, 800);
        anchor = std::make_unique<AnchorModel>(rows);
        proxy.setSourceModel(anchor.get());
        proxy.setFilterKeyColumn(UserName);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        view.setModel(&proxy);
        view.resize(1200, 800);
    }

    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    UserModel model;
    Kx::CStandardHpfTable table{1, nullptr, 0};
    std::unique_ptr<AnchorModel> anchor;
    QSortFilterProxyModel proxy;
    QTableView view;
    double rowBytes = 0;
    double modelBytes = 0;
};

Fixture& fixture(int n)
{
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& f = fixtures[n];
    if (!f)
        f = std::make_unique<Fixture>(n);
    return *f;
}

const QString kNeedle = QStringLiteral("Ab1");

void BM_TableLoad(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Kx::IBaseHpfTableDataPtr> copy = f.rows;
        auto model = std::make_unique<UserModel>();
        model->setIndexedColumns({UserName});
        state.ResumeTiming();
        model->setAllData(std::move(copy));
        benchmark::DoNotOptimize(model->rowCount());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.counters["rows_B_per_row"] = f.rowBytes;
    state.counters["model_B_per_row"] = f.modelBytes;
}

void BM_TableFilter(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    f.model.sortByColumnID(-1, Qt::AscendingOrder);
    // The column's text index is in place, as after a load with the column indexed.
    f.model.filterColumn(UserName, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
    f.model.clearFilter();
    for (auto _ : state) {
        f.model.filterColumn(UserName, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
        state.PauseTiming();
        state.counters["visible"] = f.model.rowCount();
        f.model.clearFilter();
        state.ResumeTiming();
    }
}

// The first filter on a column also builds that column's text index.
void BM_TableFilterCold(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<UserModel>();
        model->setAllData(f.rows);
        state.ResumeTiming();
        model->filterColumn(UserName, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

// Clearing a model that is the rows' only owner.
void BM_TableClearModel(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        UserModel model;
        model.setAllData(makeRows(int(f.rows.size())));
        state.ResumeTiming();
        model.clear();
    }
}

void BM_TableClearFilter(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.model.filterColumn(UserName, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
        state.ResumeTiming();
        f.model.clearFilter();
    }
}

void BM_TableSort(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    const int column = int(state.range(1));
    for (auto _ : state) {
        f.model.sortByColumnID(column, Qt::AscendingOrder);
        state.PauseTiming();
        f.model.sortByColumnID(-1, Qt::AscendingOrder);
        state.ResumeTiming();
    }
}

// The GUI thread's share of a step run on a worker: preparing the snapshot and swapping the
// result in. The worker's run is left out.
void BM_TableGuiShare(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    const int step = int(state.range(1));
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.model.sortByColumnID(-1, Qt::AscendingOrder);
        f.model.clearFilter();
        std::vector<Kx::IBaseHpfTableDataPtr> copy =
            step == 0 ? f.rows : std::vector<Kx::IBaseHpfTableDataPtr>();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        Kx::IBaseHpfTableModel::TaskPtr task;
        if (step == 0)
            task = f.model.prepareLoad(std::move(copy));
        else if (step == 1)
            task = f.model.prepareFilter(UserName, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
        else
            task = f.model.prepareSort(step == 2 ? UserName : Sessions, Qt::AscendingOrder);
        qint64 gui = timer.nsecsElapsed();
        state.PauseTiming();
        task->run();
        state.ResumeTiming();
        timer.restart();
        f.model.applyTask(*task);
        gui += timer.nsecsElapsed();
        worst = std::max(worst, gui / 1e6);
        state.PauseTiming();
        task.reset(); // a load's task holds the rows it replaced
        state.ResumeTiming();
    }
    state.counters["worst_gui_ms"] = worst;
    f.model.sortByColumnID(-1, Qt::AscendingOrder);
    f.model.clearFilter();
}

void BM_TableLookup(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    std::vector<std::string> keys;
    for (size_t i = 0; i < f.rows.size(); i += f.rows.size() / 1000)
        keys.push_back(f.rows[i]->getKey());
    for (auto _ : state) {
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(f.model.getDataByKey(key));
    }
    state.SetItemsProcessed(int64_t(state.iterations() * keys.size()));
}

// 1,000 removals by key and the index fix-up on the next read.
void BM_TableRemove(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    std::vector<std::string> keys;
    std::vector<Kx::IBaseHpfTableDataPtr> removed;
    for (size_t i = 7; i < f.rows.size(); i += f.rows.size() / 1000) {
        keys.push_back(f.rows[i]->getKey());
        removed.push_back(f.rows[i]);
    }
    for (auto _ : state) {
        for (const std::string& key : keys)
            f.model.removeDataByKey(key);
        benchmark::DoNotOptimize(f.model.rowCount());
        state.PauseTiming();
        for (const auto& row : removed)
            f.model.addData(row);
        benchmark::DoNotOptimize(f.model.rowCount());
        state.ResumeTiming();
    }
}

void BM_TableUpdateAndPaint(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    QImage image(f.table.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.table.updateTable();
        f.table.render(&image);
        benchmark::ClobberMemory();
    }
}

void BM_TableAdjustColumnWidth(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state)
        f.table.adjustColumnWidth();
}

// Shift+End from the first row: every row selected.
void BM_TableSelectRange(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.table.setCurrentRow(0);
        state.ResumeTiming();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_End, Qt::ShiftModifier);
        QApplication::sendEvent(&f.table, &key);
    }
    state.counters["selected"] = f.table.selectedKeys().size();
}

void BM_AnchorFilter(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    f.proxy.sort(-1);
    for (auto _ : state) {
        f.proxy.setFilterFixedString(kNeedle);
        state.PauseTiming();
        state.counters["visible"] = f.proxy.rowCount();
        f.proxy.setFilterFixedString(QString());
        state.ResumeTiming();
    }
}

void BM_AnchorClearFilter(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.proxy.setFilterFixedString(kNeedle);
        state.ResumeTiming();
        f.proxy.setFilterFixedString(QString());
    }
}

void BM_AnchorSort(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    const int column = int(state.range(1));
    for (auto _ : state) {
        f.proxy.sort(column, Qt::AscendingOrder);
        state.PauseTiming();
        f.proxy.sort(-1);
        state.ResumeTiming();
    }
}

void BM_AnchorResizeColumnsToContents(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state)
        f.view.resizeColumnsToContents();
}

// Fixed iterations: most steps undo themselves outside the timing, which would otherwise make
// the library run them thousands of times.
const bool registered = []() {
    for (int n : {100000, 1000000}) {
        const int ours = n < 1000000 ? 10 : 3;
        const int anchor = n < 1000000 ? 3 : 1;
        auto add = [n](const char* name, void (*fn)(benchmark::State&), int iterations, int second = -1) {
            std::vector<int64_t> args{n};
            if (second >= 0)
                args.push_back(second);
            return benchmark::RegisterBenchmark(name, fn)
                ->Args(args)
                ->Iterations(iterations)
                ->Unit(benchmark::kMillisecond);
        };
        add("BM_TableLoad", BM_TableLoad, ours);
        add("BM_TableFilter", BM_TableFilter, ours);
        add("BM_TableFilterCold", BM_TableFilterCold, ours);
        add("BM_TableClearFilter", BM_TableClearFilter, ours);
        add("BM_TableClearModel", BM_TableClearModel, ours);
        add("BM_TableSort", BM_TableSort, ours, UserName);
        add("BM_TableSort", BM_TableSort, ours, Sessions);
        for (int step = 0; step < 4; ++step)
            add("BM_TableGuiShare", BM_TableGuiShare, ours, step);
        add("BM_TableLookup", BM_TableLookup, ours)->Unit(benchmark::kMicrosecond);
        add("BM_TableRemove", BM_TableRemove, ours);
        add("BM_TableUpdateAndPaint", BM_TableUpdateAndPaint, ours);
        add("BM_TableAdjustColumnWidth", BM_TableAdjustColumnWidth, ours);
        add("BM_TableSelectRange", BM_TableSelectRange, ours);
        add("BM_AnchorFilter", BM_AnchorFilter, anchor);
        add("BM_AnchorClearFilter", BM_AnchorClearFilter, anchor);
        add("BM_AnchorSort", BM_AnchorSort, anchor, UserName);
        add("BM_AnchorSort", BM_AnchorSort, anchor, Sessions);
        add("BM_AnchorResizeColumnsToContents", BM_AnchorResizeColumnsToContents, anchor);
    }
    return true;
}();

} // namespace
