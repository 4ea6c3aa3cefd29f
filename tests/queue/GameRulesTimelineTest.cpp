// The walk under the game rules: research takes the lab's level before the
// entry, and full stores stop production without ever taking stock away.

#include "queue/Timeline.h"

#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvelin {
namespace {

constexpr int64_t kMax = INT64_MAX;

struct StoreCase {
    const char *name;
    int64_t before;
    int64_t price;
    int64_t ceiling;
    int64_t after;
};

class StoreCeiling : public testing::TestWithParam<StoreCase> {};

// min(before − price + produced, max(ceiling, before − price)), with an hour
// at 1000 per hour producing 1000.
TEST_P(StoreCeiling, StopsProductionAtTheCapacity)
{
    const StoreCase &c = GetParam();
    TimelineState state;
    state.stock = {c.before, 0, 0};
    state.step = 3600;
    EntryEvaluation result;
    result.costs = {c.price, 0, 0};
    result.storeCeilings = {c.ceiling, kMax, kMax};
    EconomyFigures figures;
    figures.metalPerHour = 1000;
    CreditStep(figures, state, result);
    EXPECT_EQ(state.stock[0], c.after);
    EXPECT_EQ(result.stockAfter[0], c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreCeiling,
    testing::Values(StoreCase{"BelowTheStore", 10'000, 1'000, 100'000, 10'000},
                    StoreCase{"FillsUpToTheStore", 99'990, 100, 100'000, 100'000},
                    StoreCase{"AboveTheStorePaysAndGainsNothing", 250'000, 1'000, 100'000, 249'000},
                    StoreCase{"PriceBeyondTheStorePaidFromStock", 300'000, 250'000, 100'000, 51'000},
                    StoreCase{"NoCeilingIsClassic", 250'000, 1'000, kMax, 250'000}),
    [](const testing::TestParamInfo<StoreCase> &info) { return std::string(info.param.name); });

std::vector<EntryEvaluation> WalkOn(const Planet &planet, std::initializer_list<int32_t> bids)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    for (const int32_t bid : bids)
        queue.AppendUpgrade(bid);
    std::vector<EntryEvaluation> results;
    TimelineState state;
    test::RecordingMessageSink messages;
    WalkQueue(
        queue, planet.startStock, state, [&] { return planet.inputs; }, messages,
        [&](const EntryEvaluation &e) { results.push_back(e); });
    return results;
}

// Metal Mine 1 takes 108 s, in which the base 20 metal per hour credits 1
// and the base 10 crystal none. The stores hold 100,000 at level 0 and
// 300,000 at level 3: only the first stops the metal.
TEST(GameRulesTimeline, StoreAtItsLevelBeforeTheEntry)
{
    Planet planet;
    planet.startStock = {200'000, 200'000, 0};
    EXPECT_EQ(WalkOn(planet, {bid::kMetalMine})[0].stockAfter, (std::array<int64_t, 3>{199'941, 199'985, 0}));
    planet.inputs.rules = GameRules::Game;
    const EntryEvaluation full = WalkOn(planet, {bid::kMetalMine})[0];
    EXPECT_EQ(full.step, 108);
    EXPECT_EQ(full.stockAfter, (std::array<int64_t, 3>{199'940, 199'985, 0}));
    planet.SetStartLevel(bid::kMetalStorage, 3);
    EXPECT_EQ(WalkOn(planet, {bid::kMetalMine})[0].stockAfter, (std::array<int64_t, 3>{199'941, 199'985, 0}));
}

// Research Lab 3 (800 + 1600 by the factories: 3456 s) raises the lab that
// Armour 1 (1000 metal) then uses: 1000 × 3600 / 4000.
TEST(GameRulesTimeline, ResearchUsesTheLabLevelBeforeTheEntry)
{
    Planet planet;
    planet.SetStartLevel(bid::kResearchLab, 2);
    planet.startStock = {1'000'000, 1'000'000, 1'000'000};
    std::vector<int64_t> steps;
    for (const EntryEvaluation &e : WalkOn(planet, {bid::kResearchLab, 111}))
        steps.push_back(e.step);
    EXPECT_EQ(steps, (std::vector<int64_t>{3456, 1440}));
    planet.inputs.rules = GameRules::Game;
    steps.clear();
    for (const EntryEvaluation &e : WalkOn(planet, {bid::kResearchLab, 111}))
        steps.push_back(e.step);
    EXPECT_EQ(steps, (std::vector<int64_t>{3456, 900}));
}

} // namespace
} // namespace korvelin
