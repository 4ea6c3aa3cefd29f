#pragma once
// What to build next: every producing upgrade that can start after the first
// entries of a plan, with its price, the production per hour it adds there
// (the walk's figures after the upgrade minus before it, so an energy
// shortage it causes counts against it) and the seconds its gain takes to pay
// its price back at a trade ratio. Each mine comes a second time with the
// fewest solar plant levels that keep the production factor where it was.

#include "advice/ExactValue.h"
#include "queue/BuildQueue.h"
#include "rules/Planet.h"
#include "rules/Requirements.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvelin::advice {

// The most solar plant levels a mine's second row takes along.
inline constexpr int32_t kMaxCompanionSolarLevels = 10;

// The producing items the ranking covers, in the order that breaks ties.
inline constexpr std::array<int32_t, 5> kProducingItems{bid::kMetalMine, bid::kCrystalMine, bid::kDeuteriumSynthesizer,
                                                        bid::kSolarPlant, bid::kFusionReactor};

struct PaybackRow {
    int32_t bid = 0;
    int32_t level = 0;
    // Solar plant levels taken along: solarFrom + 1 .. solarFrom + solarLevels.
    int32_t solarFrom = 0;
    int32_t solarLevels = 0;
    std::array<int64_t, 3> price{}; // metal, crystal, deuterium, saturating at INT64_MAX
    std::array<int64_t, 3> gain{};  // per hour at the position, after minus before
    // ceil(3600 × value(price) ÷ value(gain)); nothing where value(gain) ≤ 0.
    std::optional<ExactValue> payback;
    friend bool operator==(const PaybackRow &, const PaybackRow &) = default;
};

// The rows after the first `position` entries of `queue` (clamped to
// 0 .. Count()) on a planet with `inputs`, for the upgrades whose
// requirements are reached there and whose levels stay within their ranges;
// sorted by payback, those without one last, ties in kProducingItems order
// with a mine's own row before its row with solar levels. A ratio part
// outside kRatioPartRange gives no rows.
std::vector<PaybackRow> RankPaybacks(const BuildQueue &queue, int32_t position, const PlanetInputs &inputs,
                                     const TradeRatio &ratio);

// The same from levels and reached levels a caller keeps itself (the growth
// plan appends upgrades no queue holds yet).
std::vector<PaybackRow> RankPaybacksAt(const PositionLevels &levels, const ReachedLevels &reached,
                                       const PlanetInputs &inputs, const TradeRatio &ratio);

// The payback of a price and gain, or nothing where value(gain) ≤ 0.
std::optional<ExactValue> PaybackSeconds(const std::array<int64_t, 3> &price, const std::array<int64_t, 3> &gain,
                                         const TradeRatio &ratio);

// The entries a row stands for, in build order: the solar levels, then the
// upgrade itself (so the factor never drops in between).
std::vector<QueueEntry> RowEntries(const PaybackRow &row);

} // namespace korvelin::advice
