// The "before" figure both searches report is the queue's own total, played
// from the planet as it stands: its start levels, stock and inputs.

#include "PlanWalk.h"

#include "goal/GoalPlanner.h"
#include "optimize/OrderSearch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace korvelin {
namespace {

struct BeforeCase {
    const char *name;
    std::vector<GoalTarget> levels; // start levels
    std::array<int64_t, 3> stock;
    int32_t speed;
    std::vector<QueueEntry> queue;
};

// A failing row names itself rather than printing its bytes.
void PrintTo(const BeforeCase &row, std::ostream *out)
{
    *out << row.name;
}

class BeforeFigureTest : public ::testing::TestWithParam<BeforeCase> {
  protected:
    Planet PlanetOf(const BeforeCase &row) const
    {
        Planet planet;
        for (const GoalTarget &start : row.levels)
            planet.SetStartLevel(start.bid, start.level);
        planet.startStock = row.stock;
        planet.inputs.economySpeed = row.speed;
        return planet;
    }
    // The goal the queue reaches: each of its items at its queued level.
    static std::vector<GoalTarget> GoalOf(const std::vector<QueueEntry> &queue)
    {
        std::vector<GoalTarget> goal;
        for (const QueueEntry &entry : queue)
            goal.push_back({entry.bid, entry.level});
        return goal;
    }
    static OptimizeOptions Budget()
    {
        OptimizeOptions options;
        options.timeLimit = std::chrono::milliseconds(0);
        options.maxEvaluations = 200'000;
        return options;
    }
};

TEST_P(BeforeFigureTest, IsTheWalkOfTheQueueFromThePlanet)
{
    const BeforeCase &row = GetParam();
    const Planet planet = PlanetOf(row);
    const test::PlanWalk walk = test::WalkPlan(planet, row.queue);
    ASSERT_TRUE(walk.admissible);

    const GoalResult goal = PlanGoal(planet, GoalOf(row.queue), Budget(), {}, row.queue);
    EXPECT_EQ(goal.currentTotal, walk.total);
    EXPECT_TRUE(goal.currentAdmissible);
    EXPECT_TRUE(goal.currentReachesGoal);
    ASSERT_TRUE(goal.found);
    EXPECT_LE(goal.total, walk.total);

    const OptimizeResult order = OptimizeOrder(row.queue, planet, Budget());
    EXPECT_EQ(order.beforeTotal, walk.total);
    ASSERT_TRUE(order.found);
    EXPECT_LE(order.afterTotal, walk.total);
}

INSTANTIATE_TEST_SUITE_P(
    StartLevels, BeforeFigureTest,
    ::testing::Values(
        BeforeCase{"MinesFromLevelFive", {{1, 5}, {4, 5}}, kDefaultStartStock, 1, {{1, 6, 999}, {4, 6, 998}}},
        BeforeCase{"FactoryAtStart", {{1, 5}, {14, 1}}, kDefaultStartStock, 1, {{1, 6, 999}, {2, 1, 998}, {4, 1, 997}}},
        BeforeCase{"GrownPlanetWithStock",
                   {{1, 12}, {2, 9}, {3, 6}, {4, 13}, {14, 2}},
                   {20'000, 10'000, 3'000},
                   2,
                   {{3, 7, 999}, {1, 13, 998}, {14, 3, 997}, {2, 10, 996}, {31, 1, 995}}},
        BeforeCase{
            "NoStockAtSpeedFive", {{1, 3}, {2, 2}, {4, 4}}, {0, 0, 0}, 5, {{2, 3, 999}, {1, 4, 998}, {2, 4, 997}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BeforeFigureReportTest, MinesFromLevelFiveTakeTheReportsTotal)
{
    // The report plays this plan in 01:36:10; dropping the start levels
    // would make it 10:01:10.
    Planet planet;
    planet.SetStartLevel(bid::kMetalMine, 5);
    planet.SetStartLevel(bid::kSolarPlant, 5);
    const std::vector<QueueEntry> queue{{1, 6, 999}, {4, 6, 998}};
    EXPECT_EQ(test::WalkPlan(planet, queue).total, 5770);
    OptimizeOptions options;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = 100'000;
    const std::vector<GoalTarget> goal{{1, 6}, {4, 6}};
    EXPECT_EQ(PlanGoal(planet, goal, options, {}, queue).currentTotal, 5770);
}

} // namespace
} // namespace korvelin
