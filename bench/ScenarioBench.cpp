#include "data/ttservice/CVornQueryDataReq.h"
#include "sim/Scenario.h"
#include "sim/SimBackend.h"
#include "sim/SimPlatform.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

const QString kRiskScale = QStringLiteral(WELCOME_SCENARIO_DIR "/riskscale.json");

// The large risk scenario from its file to installed servers: 100,000 accounts and 20,000
// products generated over two servers, then copied into the servers' state.
void BM_RiskScaleLoad(benchmark::State& state)
{
    for (auto _ : state) {
        QString error;
        const sim::Scenario scenario = sim::Scenario::fromJsonFile(kRiskScale, &error);
        if (!error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        sim::SimPlatform::install(scenario);
    }
    sim::SimPlatform::install(sim::Scenario());
}
BENCHMARK(BM_RiskScaleLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// One 12203 answer of the main server of the large risk scenario (60,000 accounts): one type
// ("1" futures, "11" SZ-HK connect) against every account (0: "all").
void BM_AccountsAnswer(benchmark::State& state)
{
    QString error;
    const sim::Scenario scenario = sim::Scenario::fromJsonFile(kRiskScale, &error);
    sim::SimBackend backend(scenario.servers.at(0), false, 1);
    ttservice::CVornQueryDataReq req;
    req.dataType = 12203;
    req.param = state.range(0) == 0 ? "all" : std::to_string(state.range(0));
    std::size_t answered = 0;
    for (auto _ : state) {
        utils::TTError answerError;
        std::vector<ttservice::IDataPtr> records;
        bson::BSONObj meta;
        backend.answer(req, answerError, records, meta);
        answered = records.size();
    }
    state.counters["accounts"] = double(answered);
}
BENCHMARK(BM_AccountsAnswer)->Arg(1)->Arg(11)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
