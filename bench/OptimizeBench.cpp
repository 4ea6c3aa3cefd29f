// The order search: evaluations per second inside the search, the complete
// search on short queues, and what the local search saves on long ones
// against the input and against the greedy order.
#include "BenchSmoke.h"
#include "ShuffledQueue.h"

#include "optimize/GreedyOrder.h"
#include "optimize/OrderSearch.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace korvelin::bench {
namespace {

// Start levels that meet every requirement of these plans and stores that
// hold every price in them, so that the plans' shuffled orders keep both
// limits and the search does the same work with and without their checks.
Planet BenchPlanet()
{
    static constexpr int32_t kStartLevels[][2] = {{3, 5},   {14, 10}, {21, 1},   {22, 30},  {23, 30},
                                                  {24, 30}, {31, 12}, {41, 1},   {108, 10}, {110, 5},
                                                  {113, 8}, {114, 8}, {120, 10}, {121, 5}};
    Planet planet{.inputs = {40, 0}};
    for (const auto &[b, level] : kStartLevels)
        planet.SetStartLevel(b, level);
    return planet;
}

const Planet kPlanet = BenchPlanet();
constexpr int32_t kQueues = 10;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int64_t GreedyTotal(const std::vector<QueueEntry> &entries)
{
    const optimize::OrderProblem problem(entries, kPlanet);
    const OptimizeOptions unlimited{1, std::chrono::milliseconds(0), 0, 10};
    optimize::SearchBudget budget(unlimited, {});
    return problem.TotalOf(optimize::BuildGreedyOrder(problem, optimize::GreedyRule::SoonestFinish, budget));
}

// Entry evaluations per second of wall time while searching 300-entry queues.
void EvaluationsPerSecond(benchmark::State &state)
{
    std::vector<std::vector<QueueEntry>> queues;
    for (uint32_t seed = 1; seed <= kQueues; ++seed)
        queues.push_back(ShuffledBalancedQueue(static_cast<int32_t>(state.range(0)), seed, kPlanet));
    OptimizeOptions options;
    options.timeLimit = SearchTime(500);
    uint64_t evaluations = 0;
    size_t next = 0;
    for (auto _ : state) {
        const OptimizeResult result = OptimizeOrder(queues[next++ % queues.size()], kPlanet, options);
        evaluations += result.evaluations;
        benchmark::DoNotOptimize(result.afterTotal);
    }
    state.counters["evaluations"] = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kIsRate);
}
BENCHMARK(EvaluationsPerSecond)->Arg(300)->Iterations(Runs(10))->UseRealTime()->Unit(benchmark::kMillisecond);

// The complete search on random early plans of range(0) entries: the time to
// the proven optimum, and the share of the queues proven within the budget
// (range(1), in ms).
void ExactSearch(benchmark::State &state)
{
    const int32_t count = static_cast<int32_t>(state.range(0));
    OptimizeOptions options;
    options.timeLimit = SearchTime(state.range(1));
    options.exactLimit = count;
    int32_t proven = 0;
    int32_t runs = 0;
    double slowest = 0;
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<QueueEntry> entries = RandomEarlyQueue(count, seed++, kPlanet);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const OptimizeResult result = OptimizeOrder(entries, kPlanet, options);
        slowest = std::max(slowest, Seconds(start));
        proven += result.provenOptimal ? 1 : 0;
        ++runs;
    }
    state.counters["proven"] = static_cast<double>(proven) / runs;
    state.counters["slowest_s"] = slowest;
}
BENCHMARK(ExactSearch)
    ->Args({8, 2000})
    ->Args({10, 2000})
    ->Args({12, 2000})
    ->Iterations(Runs(2 * kQueues))
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Savings on 10 shuffled 300-entry plans after range(0) ms of wall time: the
// mean and the smallest saving against the input and against the greedy
// order, in percent of their totals. range(1) picks the plans: 0 balanced
// plans, 1 RealisticPlan (whose long run of solar plant levels at the end
// takes most of the time in every order).
void LongQueueSavings(benchmark::State &state)
{
    const bool solarHeavy = state.range(1) != 0;
    OptimizeOptions options;
    options.timeLimit = SearchTime(state.range(0));
    double againstInput = 0, againstGreedy = 0;
    double leastAgainstInput = 100, leastAgainstGreedy = 100;
    int32_t runs = 0;
    for (auto _ : state) {
        for (uint32_t seed = 1; seed <= static_cast<uint32_t>(Runs(kQueues)); ++seed) {
            state.PauseTiming();
            const std::vector<QueueEntry> entries =
                solarHeavy ? ShuffledRealisticQueue(300, seed, 30, kPlanet) : ShuffledBalancedQueue(300, seed, kPlanet);
            const int64_t greedy = GreedyTotal(entries);
            state.ResumeTiming();
            const OptimizeResult result = OptimizeOrder(entries, kPlanet, options);
            const double input = 100.0 * static_cast<double>(result.beforeTotal - result.afterTotal) /
                                 static_cast<double>(result.beforeTotal);
            const double overGreedy =
                100.0 * static_cast<double>(greedy - result.afterTotal) / static_cast<double>(greedy);
            againstInput += input;
            againstGreedy += overGreedy;
            leastAgainstInput = std::min(leastAgainstInput, input);
            leastAgainstGreedy = std::min(leastAgainstGreedy, overGreedy);
            ++runs;
        }
    }
    state.counters["saved_vs_input_pct"] = againstInput / runs;
    state.counters["saved_vs_greedy_pct"] = againstGreedy / runs;
    state.counters["least_vs_input_pct"] = leastAgainstInput;
    state.counters["least_vs_greedy_pct"] = leastAgainstGreedy;
}
BENCHMARK(LongQueueSavings)
    ->Args({1000, 0})
    ->Args({2000, 0})
    ->Args({1000, 1})
    ->Args({2000, 1})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace korvelin::bench
