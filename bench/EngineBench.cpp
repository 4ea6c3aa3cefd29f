#include "WalkBench.h"

namespace korvelin {
namespace {

using bench::CountingSink;
using bench::PriceEveryItem;
using bench::WalkRealisticQueue;

const PlanetInputSource kInputs = bench::BenchPlanet;

BENCHMARK(WalkRealisticQueue)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PriceEveryItem)->Unit(benchmark::kMicrosecond);

// A move near the front invalidates almost every cached level count.
void SwapFrontThenWalk(benchmark::State &state)
{
    BuildQueue queue = bench::RealisticQueue(static_cast<int32_t>(state.range(0)));
    TimelineState timeline;
    CountingSink messages;
    for (auto _ : state) {
        queue.SwapEntries(6, 7);
        WalkQueue(queue, kDefaultStartStock, timeline, kInputs, messages, {});
        benchmark::DoNotOptimize(timeline.total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SwapFrontThenWalk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void AppendToLongQueue(benchmark::State &state)
{
    BuildQueue queue = bench::RealisticQueue(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        queue.AppendEntry(bid::kEspionage, 1);
        benchmark::DoNotOptimize(queue.LevelBefore(bid::kMetalMine, queue.Count()));
        queue.RemoveEntry(queue.Count() - 1);
    }
}
BENCHMARK(AppendToLongQueue)->Arg(10000);

} // namespace
} // namespace korvelin
