// The growth plan against best payback first: never below it, within the
// horizon, and a plan the game lets a player build.

#include "advice/GrowthPlan.h"

#include "advice/Payback.h"
#include "report/PlanCheck.h"
#include "search/SearchBudget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace korvelin::advice {
namespace {

struct Walked {
    int64_t total = 0;
    ExactValue value = 0;
    size_t problems = 0;
};

// The problems counted are those of the appended entries, from line `from`
// on: the input's own are the player's to fix.
Walked WalkPlan(std::span<const QueueEntry> entries, const Planet &planet, const TradeRatio &ratio, int32_t from)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    queue.Assign(entries);
    std::vector<EntryEvaluation> rows;
    TimelineState state;
    WalkQueue(
        queue, planet.startStock, state, [&planet] { return planet.inputs; }, search::QuietMessages(),
        [&rows](const EntryEvaluation &e) { rows.push_back(e); });
    const EconomyFigures end = EvaluateEconomy(queue.EconomyAt(queue.Count(), planet.inputs));
    const std::vector<report::PlanProblem> problems = report::CheckPlan(queue, planet, rows);
    return {state.total, ResourceValue({end.metalPerHour, end.crystalPerHour, end.deuteriumPerHour}, ratio),
            static_cast<size_t>(std::count_if(problems.begin(), problems.end(),
                                              [from](const report::PlanProblem &p) { return p.line >= from; }))};
}

Planet PlanetWith(std::initializer_list<std::pair<int32_t, int32_t>> levels, std::array<int64_t, 3> stock,
                  int32_t temperature)
{
    Planet planet;
    for (const auto &[bid, level] : levels)
        planet.SetStartLevel(bid, level);
    planet.startStock = stock;
    planet.inputs.maxTemperature = temperature;
    return planet;
}

OptimizeOptions Evaluations(uint64_t count, uint64_t seed = 1)
{
    OptimizeOptions options;
    options.seed = seed;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = count;
    return options;
}

void ExpectSoundGrowth(const GrowthResult &result, const BuildQueue &input, const Planet &planet, int64_t horizon,
                       const TradeRatio &ratio, const std::string &name)
{
    ASSERT_TRUE(result.fits) << name;
    EXPECT_GE(result.value, result.greedyValue) << name;
    EXPECT_LE(result.total, horizon) << name;
    EXPECT_LE(result.greedyTotal, horizon) << name;
    for (const auto *plan : {&result.plan, &result.greedyPlan}) {
        ASSERT_GE(plan->size(), static_cast<size_t>(input.Count())) << name;
        EXPECT_TRUE(std::equal(input.Entries().begin(), input.Entries().end(), plan->begin())) << name;
        const Walked walked = WalkPlan(*plan, planet, ratio, input.Count());
        EXPECT_EQ(walked.problems, 0u) << name;
        EXPECT_EQ(walked.total, plan == &result.plan ? result.total : result.greedyTotal) << name;
        EXPECT_EQ(walked.value, plan == &result.plan ? result.value : result.greedyValue) << name;
    }
}

TEST(GrowthPlanTest, NeverBelowBestPaybackFirstOnRealisticPlanets)
{
    const struct {
        const char *name;
        Planet planet;
        int64_t days;
        TradeRatio ratio;
    } cases[] = {
        {"from nothing, a week", Planet{}, 7, {3, 2, 1}},
        {"early planet, a week",
         PlanetWith({{1, 10}, {2, 8}, {3, 5}, {4, 10}, {14, 2}, {31, 1}}, {5000, 3000, 0}, 40),
         7,
         {3, 2, 1}},
        {"mid planet, two weeks, 2:1:1",
         PlanetWith({{1, 18}, {2, 15}, {3, 10}, {4, 17}, {14, 5}, {22, 5}, {23, 4}, {24, 2}, {31, 4}, {113, 2}},
                    {20000, 10000, 2000}, 35),
         14,
         {2, 1, 1}},
        // Metal mine 22 costs more than an empty planet's metal storage holds.
        {"mines past the stores", PlanetWith({{1, 21}, {2, 18}, {3, 10}, {4, 22}}, {0, 0, 0}, 20), 30, {3, 2, 1}},
    };
    for (const auto &c : cases) {
        BuildQueue input;
        input.SetStartLevels(c.planet.startLevels);
        input.AppendUpgrade(bid::kMetalMine);
        const int64_t horizon = c.days * 86'400;
        const GrowthResult result = PlanGrowth(input, c.planet, horizon, c.ratio, Evaluations(30'000), {});
        ExpectSoundGrowth(result, input, c.planet, horizon, c.ratio, c.name);
        EXPECT_GT(result.greedyAdded, 0) << c.name;
        EXPECT_EQ(GrowBestPaybackFirst(input, c.planet, horizon, c.ratio), result.greedyPlan) << c.name;
    }
}

TEST(GrowthPlanTest, BestPaybackFirstTakesTheBestRowAndStopsAtTheHorizon)
{
    // From nothing the metal mine pays back first (9000 s at 3:2:1) and takes
    // 108 s to build; the crystal mine (103 s) no longer fits 150 s.
    const std::vector<QueueEntry> plan = GrowBestPaybackFirst(BuildQueue{}, Planet{}, 150, TradeRatio{3, 2, 1});
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].bid, bid::kMetalMine);
    EXPECT_EQ(plan[0].level, 1);
}

TEST(GrowthPlanTest, APlanEndingAfterTheHorizonIsLeftAsItIs)
{
    BuildQueue input;
    input.AppendUpgrade(bid::kMetalMine);
    const GrowthResult result = PlanGrowth(input, Planet{}, 60, {3, 2, 1}, Evaluations(1000), {});
    EXPECT_FALSE(result.fits);
    EXPECT_EQ(result.plan.size(), 1u);
    EXPECT_EQ(result.added, 0);
}

TEST(GrowthPlanTest, RandomPlanetsWithBudgetsThatTakeEveryMove)
{
    search::SearchRandom random(2026);
    for (int run = 0; run < 12; ++run) {
        Planet planet;
        for (const int32_t item : {1, 2, 3, 4, 14, 22, 23, 24, 31})
            planet.SetStartLevel(item, static_cast<int32_t>(random.Below(item < 5 ? 25 : 6)));
        planet.startStock = {random.Below(100'000), random.Below(50'000), random.Below(10'000)};
        planet.inputs.maxTemperature = static_cast<int32_t>(random.Below(300)) - 100;
        planet.inputs.satellites = static_cast<int32_t>(random.Below(3)) * 10;
        const TradeRatio ratio{static_cast<int32_t>(1 + random.Below(5)), static_cast<int32_t>(1 + random.Below(5)),
                               static_cast<int32_t>(1 + random.Below(5))};
        const int64_t horizon = (1 + random.Below(20)) * 86'400;
        BuildQueue input;
        input.SetStartLevels(planet.startLevels);
        const GrowthResult result = PlanGrowth(input, planet, horizon, ratio, Evaluations(20'000, run), {});
        ExpectSoundGrowth(result, input, planet, horizon, ratio, "run " + std::to_string(run));
    }
}

} // namespace
} // namespace korvelin::advice
