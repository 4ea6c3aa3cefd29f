// What to build next: the payback ranking at the end of plans of growing
// length (it reads the levels there, so its cost should not grow with the
// plan beyond the one walk to the line), and the growth plan's search rate
// with the production value it reaches above best payback first.
#include "BenchSmoke.h"
#include "RealisticQueue.h"

#include "advice/GrowthPlan.h"
#include "advice/Payback.h"

#include <benchmark/benchmark.h>

#include <string>

namespace korvelin::bench {
namespace {

void BM_PaybackRanking(benchmark::State &state)
{
    const BuildQueue queue = RealisticQueue(static_cast<int32_t>(state.range(0)));
    const PlanetInputs inputs{40, 0, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(advice::RankPaybacks(queue, queue.Count(), inputs, advice::TradeRatio{}));
}
BENCHMARK(BM_PaybackRanking)->Arg(10)->Arg(1000)->Arg(SmokeRun() ? 1000 : 100000)->Unit(benchmark::kMicrosecond);

Planet YoungPlanet()
{
    Planet planet;
    planet.inputs.maxTemperature = 40;
    for (const auto &[b, level] : {std::pair{1, 10}, {2, 8}, {3, 5}, {4, 10}, {14, 2}, {31, 1}})
        planet.SetStartLevel(b, level);
    planet.startStock = {20000, 10000, 3000};
    return planet;
}

// Plans tried per second, and the value the search reaches over best payback
// first in percent, at a fixed evaluation budget so the figure is the same on
// every machine.
void BM_GrowthPlan(benchmark::State &state)
{
    const Planet planet = YoungPlanet();
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    OptimizeOptions options;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = SmokeRun() ? 2'000 : 100'000;
    const int64_t horizon = state.range(0) * 86400;
    uint64_t tried = 0;
    advice::GrowthResult result;
    for (auto _ : state) {
        result = advice::PlanGrowth(queue, planet, horizon, advice::TradeRatio{}, options, {});
        tried += result.plansTried;
    }
    state.counters["plans/s"] = benchmark::Counter(static_cast<double>(tried), benchmark::Counter::kIsRate);
    state.counters["added"] = result.added;
    state.counters["greedy added"] = result.greedyAdded;
    state.SetLabel("value " + advice::MoreThanText(result.value, result.greedyValue) + " over best payback first");
}
BENCHMARK(BM_GrowthPlan)->Arg(3)->Arg(14)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace korvelin::bench
