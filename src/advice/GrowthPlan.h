#pragma once
// The growth plan: upgrades appended to a plan so that the production it
// leaves is worth as much as possible at a trade ratio, with the whole plan
// ending within a horizon. It starts from taking the best payback row again
// and again while the plan still ends within the horizon, and a late
// acceptance search over the order and choice of the appended upgrades only
// ever keeps a plan worth more, so it is never below that. Every appended
// upgrade keeps the technology tree and the stores (GrowthWalk).

#include "advice/ExactValue.h"
#include "queue/BuildQueue.h"
#include "rules/Planet.h"
#include "search/SearchOptions.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvelin::advice {

// Energy Technology, which the fusion reactor needs.
inline constexpr int32_t kEnergyTechnology = 113;

// The items the search may append: the producers, and what makes building
// faster or opens the fusion reactor.
inline constexpr std::array<int32_t, 8> kGrowthItems{bid::kMetalMine,   bid::kCrystalMine,   bid::kDeuteriumSynthesizer,
                                                     bid::kSolarPlant,  bid::kFusionReactor, bid::kRoboticsFactory,
                                                     bid::kResearchLab, kEnergyTechnology};

struct GrowthResult {
    // False when the plan itself ends after the horizon: nothing is appended.
    bool fits = false;
    std::vector<QueueEntry> plan; // the whole plan, the input's entries first
    int32_t added = 0;
    int64_t total = 0;
    ExactValue value = 0;
    // Best payback first, the floor.
    std::vector<QueueEntry> greedyPlan;
    int32_t greedyAdded = 0;
    int64_t greedyTotal = 0;
    ExactValue greedyValue = 0;
    ExactValue startValue = 0; // of the input plan
    uint64_t plansTried = 0;
};

// The plan best payback first grows into within `horizon` seconds: the
// input's entries, then each best row's entries with their stores.
std::vector<QueueEntry> GrowBestPaybackFirst(const BuildQueue &plan, const Planet &planet, int64_t horizon,
                                             const TradeRatio &ratio);

GrowthResult PlanGrowth(const BuildQueue &plan, const Planet &planet, int64_t horizon, const TradeRatio &ratio,
                        const OptimizeOptions &options, const OptimizeProgressCallback &progress);

// The texts the window and the page show for a growth plan over `days`:
// nothing fits, or the question whether to apply it.
std::string GrowthRefusal(const GrowthResult &result, int64_t days);
std::string GrowthQuestion(const GrowthResult &result, const Planet &planet, int64_t days);
// "+2.35%": how much more `value` is than `base`, in hundredths of a percent
// truncated toward zero; "n/a" for a base of 0 or less.
std::string MoreThanText(ExactValue value, ExactValue base);
// "1000:500:200": the production per hour at the end of `entries`.
std::string ProductionText(std::span<const QueueEntry> entries, const Planet &planet);

} // namespace korvelin::advice
