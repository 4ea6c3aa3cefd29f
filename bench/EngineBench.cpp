#include "RealisticQueue.h"

#include "queue/Timeline.h"

#include <benchmark/benchmark.h>

namespace korvelin {
namespace {

class CountingSink : public MessageSink {
  public:
    void ShowMessage(std::string_view) override { ++count; }
    int64_t count = 0;
};

const PlanetInputSource kInputs = [] { return PlanetInputs{40, 0}; };

void WalkRealisticQueue(benchmark::State &state)
{
    const BuildQueue queue = bench::RealisticQueue(static_cast<int32_t>(state.range(0)));
    TimelineState timeline;
    CountingSink messages;
    for (auto _ : state) {
        WalkQueue(queue, timeline, kInputs, messages, {});
        benchmark::DoNotOptimize(timeline.total);
    }
    if (messages.count != 0)
        state.SkipWithError("the plan raised a message box");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(WalkRealisticQueue)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A move near the front invalidates almost every cached level count.
void SwapFrontThenWalk(benchmark::State &state)
{
    BuildQueue queue = bench::RealisticQueue(static_cast<int32_t>(state.range(0)));
    TimelineState timeline;
    CountingSink messages;
    for (auto _ : state) {
        queue.SwapEntries(6, 7);
        WalkQueue(queue, timeline, kInputs, messages, {});
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
