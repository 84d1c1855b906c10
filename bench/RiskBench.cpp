// The account and product setting dialogs of the risk columns at scale: about 100,000 accounts of
// the tree's seven types on the selected system (115,000 in all), 20,000 products over two systems. How long
// the GUI thread may stall while the trees fill, what a search over every account costs, and the memory per
// listed node.
#include "AnswerWait.h"
#include "GuiStallProbe.h"
#include "ScenarioBuilder.h"

#include "data/CVornClient.h"
#include "kx/CTreeWidget.h"
#include "risk/CAccountRiskControlWidget.h"
#include "risk/CProductRiskControlWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int kAccounts = 115000;
constexpr int kProductsPerServer = 10000;

double heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

void installAccounts()
{
    kit::ScenarioBuilder builder;
    builder.user(10).loginTypeAuth(false);
    builder.server("s1", 0).population({kAccounts, 0, 0, 11, {}});
    builder.install();
    kit::center()->setSystemName("s1");
}

int accountNodes(const Ocv::CAccountRiskSettingDialog& dialog)
{
    return dialog.tree()->nodeCount() - int(dialog.tree()->childIds(0).size());
}

class SearchableAccountDialog : public Ocv::CAccountRiskSettingDialog
{
public:
    using CAccountRiskSettingDialog::CAccountRiskSettingDialog;
    using CAccountRiskSettingDialog::search;
};

// From making the dialog to the last node added, with every root expanded by the user as it fills.
void BM_AccountTreeLoad(benchmark::State& state)
{
    installAccounts();
    qint64 stall = 0;
    int nodes = 0;
    double perNode = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = heapBytes();
        std::unique_ptr<SearchableAccountDialog> dialog;
        {
            GuiStallProbe probe;
            dialog = std::make_unique<SearchableAccountDialog>(nullptr);
            dialog->show();
            for (int root : dialog->tree()->childIds(0))
                dialog->tree()->setNodeExpanded(root, true);
            if (!kit::waitForAnswers(60000))
                state.SkipWithError("no answer");
            stall = std::max(stall, probe.longestMs());
        }
        state.PauseTiming();
        nodes = accountNodes(*dialog);
        perNode = (heapBytes() - before) / std::max(1, nodes);
        dialog.reset();
        state.ResumeTiming();
    }
    state.counters["account_nodes"] = nodes;
    state.counters["longest_gui_stall_ms"] = double(stall);
    state.counters["heap_bytes_per_node"] = perNode;
}
BENCHMARK(BM_AccountTreeLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// One search over the loaded tree ("Enter" in the search field): a text a few accounts contain,
// one that about one account in ten contains (every other one is deselected), one that none
// contains, and the empty one.
void BM_AccountTreeSearch(benchmark::State& state)
{
    installAccounts();
    SearchableAccountDialog dialog(nullptr);
    dialog.show();
    kit::waitForAnswers(60000);
    const QString texts[] = {QStringLiteral("00123"), QStringLiteral("77"), QStringLiteral("no such account"),
                             QString()};
    const QString text = texts[state.range(0)];
    int selected = 0;
    for (auto _ : state) {
        dialog.search(text);
        selected = dialog.tree()->selectedNodes().size();
    }
    state.counters["account_nodes"] = accountNodes(dialog);
    state.counters["selected"] = selected;
}
BENCHMARK(BM_AccountTreeSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The product list of every system: 20,000 products from two servers' answers.
void BM_ProductTreeLoad(benchmark::State& state)
{
    kit::ScenarioBuilder builder;
    builder.user(10).loginTypeAuth(false);
    builder.server("s1", 0).population({0, kProductsPerServer, 0, 5, {}});
    builder.server("s2", 0).population({0, kProductsPerServer, 0, 6, {}});
    builder.install();
    kit::center()->setSystemName("s1");
    qint64 stall = 0;
    int nodes = 0;
    for (auto _ : state) {
        GuiStallProbe probe;
        Ocv::CProductRiskSettingDialog dialog(nullptr);
        dialog.show();
        if (!kit::waitForAnswers(60000))
            state.SkipWithError("no answer");
        stall = std::max(stall, probe.longestMs());
        nodes = dialog.tree()->nodeCount();
    }
    state.counters["product_nodes"] = nodes;
    state.counters["longest_gui_stall_ms"] = double(stall);
}
BENCHMARK(BM_ProductTreeLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
