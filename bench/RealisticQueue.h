#pragma once
// A plausible long plan for the benchmarks: mines and power first, then
// factories, storage, the lab and research, repeated in blocks. Power plants
// stay ahead of the mines and every deuterium-priced entry stands after a
// synthesizer, so a walk never stops at a message box. Energy items stop at a
// level where their figures still fit 64 bits; the remaining entries go to
// items whose levels feed no energy figure.

#include "queue/BuildQueue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace korvelin::bench {

inline constexpr int32_t kEnergyLevelCap = 200;

inline bool FeedsEnergy(int32_t b)
{
    return b == bid::kMetalMine || b == bid::kCrystalMine || b == bid::kDeuteriumSynthesizer || b == bid::kSolarPlant ||
           b == bid::kFusionReactor;
}

// The BIDs of a plan of `count` entries; each item's entries reach levels 1, 2, 3, ...
inline std::vector<int32_t> RealisticPlan(int32_t count)
{
    static constexpr std::array<int32_t, 31> kBlock = {
        4,   1,  4,  2,   4,   3,   31,  14,  22,  106, 4,   1,   2,   108, 12, 23,
        113, 24, 15, 110, 109, 115, 117, 120, 121, 122, 114, 118, 111, 44,  21,
    };
    std::vector<int32_t> plan;
    plan.reserve(static_cast<size_t>(count));
    std::array<int32_t, 200> levels{};
    for (size_t i = 0; static_cast<int32_t>(plan.size()) < count; i = (i + 1) % kBlock.size()) {
        const int32_t b = kBlock[i];
        if (FeedsEnergy(b) && levels[static_cast<size_t>(b)] >= kEnergyLevelCap)
            continue;
        if (b == bid::kNaniteFactory && levels[bid::kRoboticsFactory] < 10)
            continue;
        ++levels[static_cast<size_t>(b)];
        plan.push_back(b);
    }
    return plan;
}

// The plan appended the way the item buttons append.
inline BuildQueue RealisticQueue(int32_t count)
{
    BuildQueue queue;
    for (const int32_t b : RealisticPlan(count)) {
        queue.AppendUpgrade(b);
    }
    return queue;
}

} // namespace korvelin::bench
