// The framework table against the usual Qt stack (a QAbstractTableModel behind a
// QSortFilterProxyModel and a QTableView), both over the same user-list rows: Ocv::CUserListData
// in Ocv::CUserListModel, its table set up as the user-list dialog sets up its own. The anchor
// reads the rows through the same getters.
#include "HpfModelSteps.h"
#include "base/ListDialogParts.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CWidgetList.h"
#include "kx/IBaseHpfTableModel.h"
#include "userlist/CUserListData.h"
#include "userlist/CUserListModel.h"

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

#include <map>
#include <malloc.h>
#include <memory>
#include <random>

namespace {

constexpr int kUserNameColumn = 2;
constexpr int kFileModeColumn = 11;
constexpr int kTableId = 1;

class AnchorModel : public QAbstractTableModel
{
public:
    AnchorModel(const std::vector<Kx::IBaseHpfTableDataPtr>& rows, const Kx::IBaseHpfTableModel& columns)
        : m_rows(rows), m_columns(columns)
    {
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : m_columns.columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const auto& row = m_rows[size_t(index.row())];
        // Numbers as numbers, so that the proxy sorts those columns numerically as ours does.
        if (m_columns.columnValueType(index.column()) == QVariant::Int)
            return row->getColumnInt(index.column());
        return row->getColumnText(index.column());
    }

private:
    const std::vector<Kx::IBaseHpfTableDataPtr>& m_rows;
    const Kx::IBaseHpfTableModel& m_columns;
};

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

QString hexText(std::mt19937& random, int length)
{
    static const char kHex[] = "0123456789ABCDEF";
    QString text(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        text[i] = QLatin1Char(kHex[random() % 16]);
    return text;
}

QString macText(std::mt19937& random)
{
    QStringList bytes;
    for (int i = 0; i < 6; ++i)
        bytes.append(hexText(random, 2));
    return bytes.join(QLatin1Char(':'));
}

QString twoDigits(unsigned value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

// Logins as a platform lists them. As in the dialog's answers, the texts that repeat (system,
// role, terminal type, organisation, client version) are shared QStrings; the rest differ from
// row to row. The row number in the user name keeps every key unique.
std::vector<Kx::IBaseHpfTableDataPtr> makeRows(int n)
{
    std::mt19937 random(20261205);
    const QStringList systems{QStringLiteral("主服务器"), QStringLiteral("备用服务器"),
                              QStringLiteral("测试服务器")};
    const QStringList roles{QStringLiteral("交易员"),   QStringLiteral("独立交易员"),
                            QStringLiteral("风控员"),   QStringLiteral("平仓员"),
                            QStringLiteral("下单员"),   QStringLiteral("投资顾问"),
                            QStringLiteral("子管理员"), QStringLiteral("管理员")};
    const QString desktop = QStringLiteral("桌面客户端");
    const QString api = QStringLiteral("API");
    const QString proxy = QStringLiteral("透明代理");
    const QStringList otherTerminals{QStringLiteral("网页端"), QStringLiteral("信号单"),
                                     QStringLiteral("移动终端")};
    const QStringList desktopVersions{QStringLiteral("V6.2.3.1208"), QStringLiteral("V6.2.1.1021"),
                                      QStringLiteral("V6.1.8.0730"), QStringLiteral("V5.9.12.0316")};
    const QString apiVersion = QStringLiteral("API-3.1.0");
    const QString proxyVersion = QStringLiteral("TP-2.0.5");
    const QString otherVersion = QStringLiteral("M-4.1.0");
    QStringList organisations;
    for (int i = 0; i < 200; ++i)
        organisations.append(QStringLiteral("第%1证券营业部").arg(i));
    const QStringList surnames{
        QStringLiteral("zhang"), QStringLiteral("wang"), QStringLiteral("li"),   QStringLiteral("zhao"),
        QStringLiteral("chen"),  QStringLiteral("liu"),  QStringLiteral("yang"), QStringLiteral("huang"),
        QStringLiteral("zhou"),  QStringLiteral("wu"),   QStringLiteral("xu"),   QStringLiteral("sun"),
        QStringLiteral("hu"),    QStringLiteral("zhu"),  QStringLiteral("gao"),  QStringLiteral("lin")};
    const QStringList givenNames{QStringLiteral("wei"),   QStringLiteral("fang"), QStringLiteral("na"),
                                 QStringLiteral("min"),   QStringLiteral("jing"), QStringLiteral("lei"),
                                 QStringLiteral("qiang"), QStringLiteral("jun"),  QStringLiteral("yan"),
                                 QStringLiteral("tao"),   QStringLiteral("ming"), QStringLiteral("chao")};
    const QStringList diskPrefixes{QStringLiteral("WD-WX"), QStringLiteral("S3Z9NB0K"), QStringLiteral("ZA4"),
                                   QStringLiteral("Y8K2")};
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const QString& surname = surnames[int(random() % surnames.size())];
        const QString userName = surname + givenNames[int(random() % givenNames.size())] + QString::number(i);
        const QString& role = roles[int(random() % roles.size())];
        const unsigned kind = random() % 100;
        QString terminal;
        QString version;
        int fileModeCount = 0;
        int apiModeCount = 0;
        if (kind < 55) {
            terminal = desktop;
            version = desktopVersions[int(random() % desktopVersions.size())];
        } else if (kind < 69) {
            terminal = api;
            version = apiVersion;
            fileModeCount = int(random() % 4);
            apiModeCount = 1 + int(random() % 16);
        } else if (kind < 78) {
            terminal = proxy;
            version = proxyVersion;
            fileModeCount = int(random() % 9);
            apiModeCount = int(random() % 3);
        } else {
            terminal = otherTerminals[int(random() % otherTerminals.size())];
            version = otherVersion;
        }
        const QString& organisation = organisations[int(random() % organisations.size())];
        const unsigned subnet = random() % 64;
        const QString address = QStringLiteral("172.16.%1.%2").arg(subnet).arg(2 + random() % 253);
        const QString mac = macText(random);
        QString disk = diskPrefixes[int(random() % diskPrefixes.size())];
        disk += hexText(random, 14 - disk.size());
        const unsigned day = 2 + random() % 4;
        const unsigned hour = random() % 24;
        const unsigned minute = random() % 60;
        const unsigned second = random() % 60;
        const QString loginTime = QStringLiteral("2026-12-0%1 %2:%3:%4")
                                      .arg(day)
                                      .arg(twoDigits(hour), twoDigits(minute), twoDigits(second));
        rows.push_back(std::make_shared<Ocv::CUserListData>(systems[i % systems.size()], userName, role,
                                                            terminal, organisation, address, mac, disk,
                                                            loginTime, version, fileModeCount, apiModeCount));
    }
    return rows;
}

// Built once per size and shared by the benchmarks of that size.
struct Fixture
{
    explicit Fixture(int n)
    {
        // As the user list builds its table: every column filterable, the user name indexed with each load.
        table = Ocv::ListDialogParts::addTable(&list, kTableId, &model, kUserNameColumn);
        list.resize(1200, 800);
        table->resize(1200, 800);
        const size_t before = heapInUse();
        rows = makeRows(n);
        const size_t withRows = heapInUse();
        model.setAllData(rows);
        const size_t withModel = heapInUse();
        rowBytes = double(withRows - before) / n;
        modelBytes = double(withModel - withRows) / n;
        anchor = std::make_unique<AnchorModel>(rows, model);
        proxy.setSourceModel(anchor.get());
        proxy.setFilterKeyColumn(kUserNameColumn);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        view.setModel(&proxy);
        view.resize(1200, 800);
    }

    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    Ocv::CUserListModel model;
    Kx::CWidgetList list{Qt::Vertical, nullptr};
    Kx::CStandardHpfTable* table = nullptr;
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

// Part of a user name, typed in another case than the names are listed in.
const QString kNeedle = QStringLiteral("Wei1");

void BM_TableLoad(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Kx::IBaseHpfTableDataPtr> copy = f.rows;
        auto model = std::make_unique<Ocv::CUserListModel>();
        model->setIndexedColumns(f.model.indexedColumns());
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
    for (auto _ : state) {
        f.model.filterColumn(kUserNameColumn, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
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
        auto model = std::make_unique<Ocv::CUserListModel>();
        model->setAllData(f.rows);
        state.ResumeTiming();
        model->filterColumn(kUserNameColumn, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
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
        Ocv::CUserListModel model;
        model.setIndexedColumns(f.model.indexedColumns());
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
        f.model.filterColumn(kUserNameColumn, {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
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
        Kx::HpfModelSteps::TaskPtr task;
        if (step == 0)
            task = Kx::HpfModelSteps::prepareLoad(f.model, std::move(copy));
        else if (step == 1)
            task = Kx::HpfModelSteps::prepareFilter(f.model, kUserNameColumn,
                                                    {Kx::IBaseHpfTableModel::FilterContains, {kNeedle}});
        else
            task = Kx::HpfModelSteps::prepareSort(f.model, step == 2 ? kUserNameColumn : kFileModeColumn,
                                                  Qt::AscendingOrder);
        qint64 gui = timer.nsecsElapsed();
        state.PauseTiming();
        task->run();
        state.ResumeTiming();
        timer.restart();
        Kx::HpfModelSteps::apply(f.model, *task);
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
    QImage image(f.table->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.table->updateTable();
        f.table->render(&image);
        benchmark::ClobberMemory();
    }
}

void BM_TableAdjustColumnWidth(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state)
        f.table->adjustColumnWidth();
}

// Shift+End from the first row: every row selected.
void BM_TableSelectRange(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.table->setCurrentRow(0);
        state.ResumeTiming();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_End, Qt::ShiftModifier);
        QApplication::sendEvent(f.table, &key);
    }
    state.counters["selected"] = f.table->selectedKeys().size();
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
        add("BM_TableSort", BM_TableSort, ours, kUserNameColumn);
        add("BM_TableSort", BM_TableSort, ours, kFileModeColumn);
        for (int step = 0; step < 4; ++step)
            add("BM_TableGuiShare", BM_TableGuiShare, ours, step);
        add("BM_TableLookup", BM_TableLookup, ours)->Unit(benchmark::kMicrosecond);
        add("BM_TableRemove", BM_TableRemove, ours);
        add("BM_TableUpdateAndPaint", BM_TableUpdateAndPaint, ours);
        add("BM_TableAdjustColumnWidth", BM_TableAdjustColumnWidth, ours);
        add("BM_TableSelectRange", BM_TableSelectRange, ours);
        add("BM_AnchorFilter", BM_AnchorFilter, anchor);
        add("BM_AnchorClearFilter", BM_AnchorClearFilter, anchor);
        add("BM_AnchorSort", BM_AnchorSort, anchor, kUserNameColumn);
        add("BM_AnchorSort", BM_AnchorSort, anchor, kFileModeColumn);
        add("BM_AnchorResizeColumnsToContents", BM_AnchorResizeColumnsToContents, anchor);
    }
    return true;
}();

} // namespace
