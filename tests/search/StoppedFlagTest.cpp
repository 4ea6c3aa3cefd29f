// `stopped` tells the caller that the budget, not the search, ended the run:
// an answer without a proof that used up its evaluations was stopped.

#include "goal/GoalPlanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvelin {
namespace {

struct StoppedCase {
    const char *name;
    std::vector<GoalTarget> goal;
    uint64_t evaluations;
};

// For a goal small enough for the complete search, the budget that ends the
// search is the last phase's, not the warm-up's.
TEST(GoalStoppedTest, UnprovenPlanThatUsedItsBudgetWasStopped)
{
    const std::vector<StoppedCase> cases{
        {"RoboticsFactory3", {{bid::kRoboticsFactory, 3}}, 20'000},
        {"ResearchLab3", {{bid::kResearchLab, 3}}, 20'000},
        {"LabAndEspionage", {{bid::kResearchLab, 2}, {bid::kEspionage, 3}}, 100'000},
    };
    for (const StoppedCase &row : cases) {
        OptimizeOptions options;
        options.timeLimit = std::chrono::milliseconds(0);
        options.maxEvaluations = row.evaluations;
        const GoalResult result = PlanGoal(Planet{}, row.goal, options);
        ASSERT_TRUE(result.found) << row.name;
        ASSERT_FALSE(result.provenOptimal) << row.name;
        EXPECT_EQ(result.evaluations, row.evaluations) << row.name;
        EXPECT_TRUE(result.stopped) << row.name;
    }
}

TEST(GoalStoppedTest, ProvenPlanWasNotStopped)
{
    OptimizeOptions options;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = 100'000;
    const std::vector<GoalTarget> goal{{bid::kMetalMine, 5}, {bid::kCrystalMine, 4}};
    const GoalResult result = PlanGoal(Planet{}, goal, options);
    ASSERT_TRUE(result.provenOptimal);
    EXPECT_LT(result.evaluations, options.maxEvaluations);
    EXPECT_FALSE(result.stopped);
}

} // namespace
} // namespace korvelin
