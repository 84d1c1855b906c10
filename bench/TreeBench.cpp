// The framework tree at the size of a large account tree: 100,000 nodes under 7 roots, set up as
// the risk dialogs set up theirs (300 pixels wide, header sized to its contents) and shown, so that
// the view's layout and painting after each change are counted with it.
#include "kx/CTreeWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kRoots = 7;
constexpr int kNodes = 100000;
constexpr int kBatch = 5000;
constexpr int kMatchEvery = 100; // a search that matches one node in a hundred

std::unique_ptr<Kx::CTreeWidget> makeTree(bool expanded)
{
    auto tree = std::make_unique<Kx::CTreeWidget>(0, nullptr);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->resize(300, 600);
    tree->show();
    for (int root = 1; root <= kRoots; ++root) {
        tree->addNode(0, QStringLiteral("账号类型 %1").arg(root), root);
        tree->setNodeExpanded(root, expanded);
    }
    QApplication::processEvents();
    return tree;
}

// Account-like texts, one batch; the roots take their batches in turn.
QStringList batchTexts(int first)
{
    QStringList texts;
    texts.reserve(kBatch);
    for (int i = first; i < first + kBatch; ++i)
        texts.append(QStringLiteral("T%1").arg(80000000 + i));
    return texts;
}

// Adds every node; returns the slowest batch with the events it caused, in milliseconds.
double fill(Kx::CTreeWidget& tree, double* totalMs = nullptr)
{
    double worst = 0;
    double total = 0;
    QElapsedTimer timer;
    for (int first = 0, batch = 0; first < kNodes; first += kBatch, ++batch) {
        const QStringList texts = batchTexts(first);
        timer.start();
        tree.addNodes(1 + batch % kRoots, texts);
        QApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        total += ms;
    }
    if (totalMs)
        *totalMs = total;
    return worst;
}

size_t residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? size_t(fields[1].toLongLong()) * size_t(sysconf(_SC_PAGESIZE)) : 0;
}

// Arg: roots collapsed (0) or expanded (1).
void BM_TreeAddBatches(benchmark::State& state)
{
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = makeTree(state.range(0) != 0);
        state.ResumeTiming();
        worst = std::max(worst, fill(*tree));
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.counters["worst_batch_ms"] = worst;
    state.counters["batches"] = kNodes / kBatch;
}
BENCHMARK(BM_TreeAddBatches)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TreeClear(benchmark::State& state)
{
    auto tree = makeTree(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        if (tree->nodeCount() == 0) {
            for (int root = 1; root <= kRoots; ++root) {
                tree->addNode(0, QStringLiteral("账号类型 %1").arg(root), root);
                tree->setNodeExpanded(root, state.range(0) != 0);
            }
        }
        fill(*tree);
        state.ResumeTiming();
        tree->clearNodes();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TreeClear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// One search: the nodes that match are selected, every other one is cleared, each search
// matching other nodes than the one before (as typing on does). Args: roots expanded (0/1), and
// the order of the two calls: select first (0) or clear first (1).
void BM_TreeSearch(benchmark::State& state)
{
    auto tree = makeTree(state.range(0) != 0);
    fill(*tree);
    const bool clearFirst = state.range(1) != 0;
    QVector<int> ids;
    for (int root = 1; root <= kRoots; ++root)
        ids += tree->childIds(root);
    std::sort(ids.begin(), ids.end());
    int round = 0;
    double selectMs = 0;
    double clearMs = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        QVector<int> matches;
        QVector<int> others;
        matches.reserve(ids.size() / kMatchEvery + 1);
        others.reserve(ids.size());
        for (int id : ids)
            (id % kMatchEvery == round % kMatchEvery ? matches : others).append(id);
        ++round;
        state.ResumeTiming();
        timer.start();
        if (clearFirst)
            tree->setNodesSelected(others, false);
        else
            tree->setNodesSelected(matches, true);
        const double first = timer.nsecsElapsed() / 1e6;
        if (clearFirst)
            tree->setNodesSelected(matches, true);
        else
            tree->setNodesSelected(others, false);
        const double second = timer.nsecsElapsed() / 1e6 - first;
        QApplication::processEvents();
        selectMs += clearFirst ? second : first;
        clearMs += clearFirst ? first : second;
    }
    state.counters["select_ms"] = selectMs / state.iterations();
    state.counters["clear_ms"] = clearMs / state.iterations();
    state.counters["selected"] = tree->selectedNodes().size();
}
BENCHMARK(BM_TreeSearch)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_TreeNodeCount(benchmark::State& state)
{
    auto tree = makeTree(false);
    fill(*tree);
    for (auto _ : state)
        benchmark::DoNotOptimize(tree->nodeCount());
}
BENCHMARK(BM_TreeNodeCount);

// What a node costs: resident memory and heap in use after the load, per node.
void BM_TreeMemory(benchmark::State& state)
{
    double rssPerNode = 0;
    double heapPerNode = 0;
    for (auto _ : state) {
        auto tree = makeTree(state.range(0) != 0);
        const size_t rss = residentBytes();
        const size_t heap = mallinfo2().uordblks + mallinfo2().hblkhd;
        fill(*tree);
        rssPerNode = double(residentBytes() - rss) / kNodes;
        heapPerNode = double(mallinfo2().uordblks + mallinfo2().hblkhd - heap) / kNodes;
    }
    state.counters["rss_B_per_node"] = rssPerNode;
    state.counters["heap_B_per_node"] = heapPerNode;
}
BENCHMARK(BM_TreeMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
