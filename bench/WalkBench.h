#pragma once
// The engine walk of a realistic queue and the formulas alone, shared by the
// benchmarks of the hardware and the software extended type.

#include "RealisticQueue.h"

#include "queue/Timeline.h"
#include "rules/ItemCatalogue.h"
#include "rules/UpgradeCost.h"

#include <benchmark/benchmark.h>

namespace korvelin::bench {

class CountingSink : public MessageSink {
  public:
    void ShowMessage(std::string_view) override { ++count; }
    int64_t count = 0;
};

inline PlanetInputs BenchPlanet()
{
    return PlanetInputs{40, 0};
}

inline void WalkRealisticQueue(benchmark::State &state)
{
    const BuildQueue queue = RealisticQueue(static_cast<int32_t>(state.range(0)));
    TimelineState timeline;
    CountingSink messages;
    for (auto _ : state) {
        WalkQueue(queue, kDefaultStartStock, timeline, BenchPlanet, messages, {});
        benchmark::DoNotOptimize(timeline.total);
    }
    if (messages.count != 0)
        state.SkipWithError("the plan raised a message box");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Nearly all arithmetic: every item's prices and build time, and the economy,
// at levels 1 to 100.
inline void PriceEveryItem(benchmark::State &state)
{
    CountingSink messages;
    for (auto _ : state) {
        int64_t sum = 0;
        for (int32_t level = 1; level <= 100; ++level) {
            for (const CatalogueItem &item : ItemCatalogue()) {
                const auto costs = UpgradeCosts(item.bid, level, messages);
                sum += costs[2] + BuildTime(costs[0], costs[1], level, level / 10, 1);
            }
            const Economy economy{level, level, level, level, level / 2, -20, level};
            sum += EvaluateEconomy(economy).deuteriumPerHour;
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace korvelin::bench
