#include "AnswerWait.h"
#include "GuiStallProbe.h"
#include "ScenarioBuilder.h"

#include "dashboard/CBottomWidget.h"
#include "dashboard/CLeftWidget.h"
#include "dashboard/CMiddleWidget.h"
#include "dashboard/CRightWidget.h"
#include "dashboard/CTopWidget.h"
#include "HpfDisposal.h"
#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CMessageBox.h"
#include "kx/CPushButton.h"
#include "userlist/CUserListData.h"
#include "userlist/CUserListDialog.h"
#include "userlist/CUserListModel.h"
#include "dashboard/CWelcomeWidget.h"
#include "data/Clock.h"
#include "data/MetaTypes.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "sim/Population.h"
#include "panel/CWelcomePanel.h"
#include "risk/CAccountProductRiskWidget.h"
#include "risk/CAllRiskControlWidget.h"
#include "risk/CGlobalRiskControlWidget.h"
#include "risk/CRiskControlApprovalWidget.h"
#include "risk/CTopAccountProductRiskWidget.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QThreadPool>
#include <QTimer>
#include <QPainter>

#include <boost/make_shared.hpp>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

using kit::statusRecord;

// A platform with every status type the strips read, file systems and counted items included.
std::vector<ttservice::IDataPtr> fullStatus(int fileSystems, int items)
{
    std::vector<ttservice::IDataPtr> records;
    for (int type : {1, 2, 3, 4}) {
        records.push_back(statusRecord(type, [](auto& r) {
            r.runTime = "123:45:06";
            r.cpuUsage = 12.5;
            r.memoryUsed = 3.5 * 1024 * 1024;
        }));
    }
    for (int i = 0; i < 5; ++i)
        records.push_back(statusRecord(5, [i](auto& r) { r.running = i % 4; }));
    records.push_back(statusRecord(7, [](auto& r) {
        r.idle = 71.2;
        r.userRatio = 20.1;
        r.kernelRatio = 7.7;
    }));
    records.push_back(statusRecord(8, [](auto& r) {
        r.memTotal = 64.0 * 1024 * 1024;
        r.idle = 20.0 * 1024 * 1024;
    }));
    for (int i = 0; i < fileSystems; ++i) {
        records.push_back(statusRecord(9, [i](auto& r) {
            r.deviceName = "/data" + std::to_string(i);
            r.fsSize = 2e9;
            r.fsAvailable = 1.2e9;
            r.used = 0.8e9;
        }));
    }
    records.push_back(statusRecord(10, [](auto& r) {
        r.deviceName = "eth0";
        r.uploadRate = 512.25;
    }));
    for (int i = 0; i < items; ++i) {
        records.push_back(statusRecord(31, [i](auto& r) {
            r.itemName = "委托" + std::to_string(i);
            r.itemCount = 1000 + i;
            r.cpuUsage = 1000;
            r.memoryUsed = 5;
        }));
    }
    return records;
}

Ocv::SysStatusMap asMap(const std::vector<ttservice::IDataPtr>& records)
{
    Ocv::SysStatusMap map;
    for (const auto& record : records) {
        auto status = boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(record);
        map[status->statusType].append(status);
    }
    return map;
}

void installPlatform(int latencyMs, const std::vector<ttservice::IDataPtr>& status)
{
    kit::ScenarioBuilder().server("s1", latencyMs).answer(12235, status).install();
}

void BM_PanelConstruction(benchmark::State& state)
{
    installPlatform(1, {});
    for (auto _ : state) {
        Ocv::CWelcomePanel panel;
        benchmark::DoNotOptimize(&panel);
    }
}
BENCHMARK(BM_PanelConstruction)->Unit(benchmark::kMillisecond);

template <class Strip> void BM_StripPaint(benchmark::State& state)
{
    installPlatform(1, {});
    Strip strip(nullptr);
    auto map = asMap(fullStatus(int(state.range(0)), int(state.range(0))));
    strip.setSysInfo(map);
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        strip.render(&image);
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = double(state.range(0));
}
BENCHMARK_TEMPLATE(BM_StripPaint, Ocv::CMiddleWidget)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_StripPaint, Ocv::CBottomWidget)->Arg(4)->Arg(1000)->Unit(benchmark::kMillisecond);

// From the query to the strips holding the new map: worker thread, grouping, queued hand-over.
void BM_AnswerHandOff(benchmark::State& state)
{
    const auto records = fullStatus(int(state.range(0)) / 2, int(state.range(0)) / 2);
    installPlatform(0, records);
    Ocv::CWelcomeWidget widget(nullptr);
    for (auto _ : state) {
        widget.setSystem(1, QStringLiteral("s1"));
        if (!kit::waitForAnswers(10000))
            state.SkipWithError("no answer");
    }
    state.counters["records"] = double(records.size());
}
BENCHMARK(BM_AnswerHandOff)->Arg(1000)->Unit(benchmark::kMillisecond);

// A platform with a population, generated exchanges and full status records, as in the demo.
void installFullPlatform(int latencyMs)
{
    sim::PopulationOptions population;
    population.accounts = 300;
    population.products = 40;
    population.users = 120;
    population.managers = {5};
    sim::ExchangeOptions exchanges;
    exchanges.generate = true;
    auto stockConfig = boost::make_shared<ttservice::CGlobalStockRCConfig>();
    stockConfig->matchedCheckOff = true;
    kit::ScenarioBuilder()
        .now(QDateTime(QDate(2026, 12, 7), QTime(10, 0)))
        .server("s1", latencyMs)
        .answer(12235, fullStatus(4, 4))
        .answer(23434, {boost::make_shared<ttservice::CGlobalFutureRCConfig>()})
        .answer(23435, {stockConfig})
        .population(population)
        .exchanges(exchanges)
        .install();
}

// Paints the whole status-mode dashboard: top strip, both status strips and the exchange board.
void BM_StatusDashboardPaint(benchmark::State& state)
{
    installFullPlatform(0);
    QWidget window;
    window.resize(1760, 890);
    auto* dashboard = new Ocv::CWelcomeWidget(&window);
    window.show();
    dashboard->setSystem(1, QStringLiteral("s1"));
    if (!kit::waitForAnswers(10000))
        state.SkipWithError("no answer");
    QImage image(dashboard->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        dashboard->render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StatusDashboardPaint)->Unit(benchmark::kMillisecond);

// The quick-operation tab's content as the panel builds it, answered: /0 as the module shows it
// (all-risk block hidden), /1 with the all-risk block and its global table shown.
struct QuickTab
{
    explicit QuickTab(bool showAllRisk)
    {
        installFullPlatform(0);
        window.resize(1760, 890);
        risk = new Ocv::CAccountProductRiskWidget(&window);
        risk->setFixedSize(1760, 890);
        risk->allRiskWidget()->setVisible(showAllRisk);
        window.show();
        utils::CSingletonT<Ocv::CVornClientCenter>::instance()->setSystemName("s1");
        risk->switchSystem(1, QStringLiteral("s1"));
        answered = kit::waitForAnswers(10000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    QWidget window;
    Ocv::CAccountProductRiskWidget* risk = nullptr;
    bool answered = false;
};

void BM_QuickTabPaint(benchmark::State& state)
{
    QuickTab tab(state.range(0) == 1);
    if (!tab.answered)
        state.SkipWithError("no answer");
    state.SetLabel(state.range(0) == 1 ? "all-risk shown" : "all-risk hidden");
    QImage image(tab.risk->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        tab.risk->render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QuickTabPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One minute's round of the tab's periodic widgets (tiles, global table, approval counts): the
// queries, the answers handed to the GUI thread and the repaints they ask for.
void BM_QuickTabRefresh(benchmark::State& state)
{
    QuickTab tab(true);
    if (!tab.answered)
        state.SkipWithError("no answer");
    for (auto _ : state) {
        tab.risk->topWidget()->slotTimeout();
        tab.risk->allRiskWidget()->globalWidget()->slotTimeOut();
        tab.risk->approvalWidget()->slotTimeOut();
        if (!kit::waitForAnswers(10000))
            state.SkipWithError("no answer");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}
BENCHMARK(BM_QuickTabRefresh)->Unit(benchmark::kMillisecond);

// The exchange board with every domestic row shown: /0 paints it whole, /1 is its one-second
// tick (the texts prepared again and only the part that changed painted, as the window does).
void BM_ExchangeBoard(benchmark::State& state)
{
    installFullPlatform(0);
    QWidget window;
    auto* board = new Ocv::CRightWidget(&window);
    window.show();
    board->setCurrentService("s1");
    if (!kit::waitForAnswers(10000))
        state.SkipWithError("no answer");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QImage image(board->size(), QImage::Format_ARGB32_Premultiplied);
    const bool tick = state.range(0) == 1;
    state.SetLabel(tick ? "tick" : "whole");
    const QDateTime start = utils::currentDateTime();
    qint64 second = 0;
    for (auto _ : state) {
        if (tick) {
            // Each tick comes a second later, so the clock and any delay counters change.
            utils::setFixedCurrentDateTime(start.addSecs(++second));
            board->slotServerTimeTimeOut();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        } else {
            board->render(&image);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ExchangeBoard)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ManagerBoardPaint(benchmark::State& state)
{
    kit::ScenarioBuilder().server("s1").user(1, 1, 5).install();
    Ocv::CLeftWidget board(nullptr);
    auto info = boost::make_shared<ttservice::CVornSubManagerInfo>();
    info->futuresAccounts = 1234;
    info->traders = 56;
    info->productCount = 78;
    board.setManagerInfo(info);
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        board.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ManagerBoardPaint)->Unit(benchmark::kMillisecond);

// From the statistics query to the top strip repainted: worker, queued hand-over, text layout.
void BM_StatisticsHandOff(benchmark::State& state)
{
    installFullPlatform(0);
    QWidget window;
    auto* strip = new Ocv::CTopWidget(&window);
    window.show();
    QImage image(strip->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        strip->setCurrentService("s1");
        if (!kit::waitForAnswers(10000))
            state.SkipWithError("no answer");
        strip->render(&image);
    }
}
BENCHMARK(BM_StatisticsHandOff)->Unit(benchmark::kMillisecond);


// The generated platform of the large scenario: its user types mapped to role types as the
// scenario maps them, so that most desktop logins (all but administrators', role types 0 and 1,
// and the types without a mapping) may be logged out, and rows get a box and buttons.
void installLoggableLogins(int logins)
{
    sim::GenerateOptions generate;
    generate.logins = logins;
    generate.seed = 3;
    kit::ScenarioBuilder builder;
    builder.user(10, 1);
    for (const auto& role : std::vector<std::pair<int, int>>{
             {1, 1}, {2, 2}, {10, 1}, {11, 3}, {12, 3}, {13, 3}, {14, 3}, {15, 3}, {16, 3}, {20, 3}, {21, 3}, {80, 0}})
        builder.roleTypeOf(role.first, role.second);
    builder.server("s1", 0).generate(generate).install();
}

// CPU time of the calling thread: what the GUI thread spent, whatever the workers did meanwhile.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Counted over a shared copy of the boxes: a status map would leave half a million small blocks
// freed on the GUI thread, which glibc consolidates on the next large free there.
int loggableRows(const Ocv::CUserListDialog& dialog)
{
    const auto boxes = dialog.checkBoxes()->states();
    return int(std::count_if(boxes.cbegin(), boxes.cend(), [](const auto& box) { return box.visible; }));
}

// From showAndQuery to the rows shown and sized, then closing the dialog for good, on the
// desktop list of a platform with 1,000,000 logins (about 596,000 desktop rows, most of them
// loggable, as in scenarios/large.json). The longest stall of the GUI thread while loading, and
// the GUI time of destroying the loaded dialog (its rows and the delegates' state are freed on
// workers).
void BM_UserListDialogLoad(benchmark::State& state)
{
    installLoggableLogins(int(state.range(0)));
    qint64 stall = 0;
    double teardownCpu = 0;
    double teardownWall = 0;
    int rows = 0;
    int loggable = 0;
    for (auto _ : state) {
        auto dialog = std::make_unique<Ocv::CUserListDialog>(nullptr);
        kit::processEventsFor(50);
        {
            GuiStallProbe probe;
            dialog->showAndQuery(QStringLiteral("s1"), 1);
            if (!kit::waitForAnswers(120000))
                state.SkipWithError("no answer");
            stall = std::max(stall, probe.longestMs());
        }
        state.PauseTiming();
        rows = dialog->model()->totalCount();
        loggable = loggableRows(*dialog);
        QThreadPool::globalInstance()->waitForDone();
        Kx::waitForDisposals(); // what the load left to free
        state.ResumeTiming();
        const double before = threadCpuMs();
        QElapsedTimer wall;
        wall.start();
        dialog.reset();
        teardownWall = std::max(teardownWall, double(wall.nsecsElapsed()) / 1e6);
        teardownCpu = std::max(teardownCpu, threadCpuMs() - before);
        state.PauseTiming();
        Kx::waitForDisposals(); // what the dialog held
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["loggable_rows"] = loggable;
    state.counters["longest_gui_stall_ms"] = double(stall);
    state.counters["teardown_gui_cpu_ms"] = teardownCpu;
    state.counters["teardown_wall_ms"] = teardownWall;
}
BENCHMARK(BM_UserListDialogLoad)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

// Ticks range(1) loggable rows of the loaded list and logs them out ("选中登出", answered Ok),
// until the last of their rows has left the table: the GUI thread's CPU time over the whole run
// (sending the requests, their answers, taking the rows off), its longest stall, and the time
// until the last row left. The simulated platform answers at once.
void BM_UserListLogout(benchmark::State& state)
{
    installLoggableLogins(int(state.range(0)));
    const int count = int(state.range(1));
    double gui = 0;
    double elapsed = 0;
    qint64 stall = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Ocv::CUserListDialog dialog(nullptr);
        dialog.showAndQuery(QStringLiteral("s1"), 1);
        if (!kit::waitForAnswers(120000))
            state.SkipWithError("no answer");
        rows = dialog.model()->totalCount();
        const QMap<QString, bool> boxes = dialog.checkBoxes()->getStatusMap();
        if (boxes.size() < count) {
            state.SkipWithError("too few loggable rows");
            break;
        }
        int ticked = 0;
        for (auto it = boxes.begin(); it != boxes.end() && ticked < count; ++it, ++ticked)
            dialog.checkBoxes()->setItemChecked(it.key(), true, false, false);
        kit::processEventsFor(300);
        state.ResumeTiming();

        GuiStallProbe probe;
        const double before = threadCpuMs();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<Kx::CMessageBox*>(QApplication::activeModalWidget()))
                box->button(Kx::CCommonDialog::Ok)->click();
        });
        dialog.handleEvent(5, 1, 0, QString(), nullptr);
        while (dialog.model()->totalCount() > rows - count && wall.elapsed() < 300000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (dialog.model()->totalCount() > rows - count)
            state.SkipWithError("not every row left");
        gui = std::max(gui, threadCpuMs() - before);
        elapsed = std::max(elapsed, double(wall.nsecsElapsed()) / 1e6);
        stall = std::max(stall, probe.longestMs());
        state.PauseTiming();
        kit::waitForAnswers(120000);
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["logged_out"] = count;
    state.counters["gui_cpu_ms"] = gui;
    state.counters["until_last_row_ms"] = elapsed;
    state.counters["longest_gui_stall_ms"] = double(stall);
}
BENCHMARK(BM_UserListLogout)->Args({1000000, 100000})->Unit(benchmark::kMillisecond)->Iterations(1);

// User-list rows as an answer's, none sharing a text with another.
std::vector<Kx::IBaseHpfTableDataPtr> userListRows(int count)
{
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(100000 + i);
        rows.push_back(std::make_shared<Ocv::CUserListData>(
            QStringLiteral("主服务器"), "trader" + n, "交易员", "桌面客户端", "东岳证券",
            "192.168.10." + n.substr(3), "50:E9:ED:8C:" + n.substr(2, 2) + ":" + n.substr(4, 2),
            "S3Z9NB0K" + n, "2026-12-05 09:" + n.substr(4, 2) + ":00", "V6.2.1.1021", i % 7, i % 3));
    }
    return rows;
}

// Heap per user-list row held by its model: the row with its key (which holds the texts unique to
// the login) and its other texts, and the model's slot, hash entry and index (the login it was
// made from is the platform's and not counted).
void BM_UserListRowMemory(benchmark::State& state)
{
    kit::ScenarioBuilder().install();
    const int count = int(state.range(0));
    double bytesPerRow = 0;
    for (auto _ : state) {
        Ocv::CUserListModel model;
        const size_t before = mallinfo2().uordblks;
        model.setAllData(userListRows(count));
        bytesPerRow = double(mallinfo2().uordblks - before) / count;
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_UserListRowMemory)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Heap the open dialog holds per listed login once loaded: rows, model, table indexes and the
// check-box and button state of every loggable row (most rows: the role types are mapped as in
// the large scenario). The logins themselves are the platform's, which the rows share (a
// pointer each), and are not counted.
void BM_UserListDialogMemory(benchmark::State& state)
{
    installLoggableLogins(int(state.range(0)));
    double bytesPerRow = 0;
    int rows = 0;
    int loggable = 0;
    for (auto _ : state) {
        Ocv::CUserListDialog dialog(nullptr);
        kit::processEventsFor(50);
        const size_t before = mallinfo2().uordblks;
        dialog.showAndQuery(QStringLiteral("s1"), 1);
        if (!kit::waitForAnswers(120000))
            state.SkipWithError("no answer");
        kit::processEventsFor(200); // freed snapshots and answers settle
        rows = dialog.model()->totalCount();
        bytesPerRow = double(mallinfo2().uordblks - before) / std::max(rows, 1);
        loggable = loggableRows(dialog);
    }
    state.counters["rows"] = rows;
    state.counters["loggable_rows"] = loggable;
    state.counters["bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_UserListDialogMemory)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// By a text the row reads out of its key (2, the user name) and by one it holds apart (3, the role).
void BM_UserListSort(benchmark::State& state)
{
    kit::ScenarioBuilder().install();
    Ocv::CUserListModel model;
    model.setAllData(userListRows(int(state.range(0))));
    const int column = int(state.range(1));
    for (auto _ : state) {
        model.sortByColumnID(column, Qt::DescendingOrder);
        state.PauseTiming();
        model.sortByColumnID(-1, Qt::AscendingOrder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UserListSort)
    ->Args({100000, 2})
    ->Args({100000, 3})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Ocv::registerDataMetaTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
