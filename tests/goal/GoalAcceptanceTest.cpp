// The goals a new player asks for first, planned from nothing: each plan
// keeps the tree and the stores as the plan check sees them, reaches the goal
// with everything it needs, is played by the walk to the total reported, and
// is never longer than the goal's prerequisites and stores in a plain order.

#include "RecordingMessageSink.h"

#include "goal/GoalPlanner.h"
#include "queue/Timeline.h"
#include "report/PlanCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace korvelin {
namespace {

struct AcceptanceGoal {
    const char *name;
    GoalTarget target;
};

class GoalAcceptanceTest : public ::testing::TestWithParam<AcceptanceGoal> {};

TEST_P(GoalAcceptanceTest, PlanKeepsEveryLimitAndBeatsThePlainOrder)
{
    const GoalTarget target = GetParam().target;
    const Planet planet;
    OptimizeOptions options;
    options.seed = 1;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = 150'000;
    const std::vector<GoalTarget> goal{target};
    const GoalResult result = PlanGoal(planet, goal, options);
    ASSERT_TRUE(result.found);
    ASSERT_EQ(result.reasons.size(), result.plan.size());

    BuildQueue queue;
    for (const QueueEntry &entry : result.plan)
        queue.AppendEntry(entry.bid, entry.level);
    EXPECT_GE(queue.QueuedLevel(target.bid), target.level);
    std::vector<EntryEvaluation> rows;
    TimelineState state;
    test::RecordingMessageSink messages;
    WalkQueue(
        queue, planet.startStock, state, [&] { return planet.inputs; }, messages,
        [&](const EntryEvaluation &row) { rows.push_back(row); });
    EXPECT_EQ(state.total, result.total);
    for (const report::PlanProblem &problem : report::CheckPlan(queue, planet, rows))
        ADD_FAILURE() << report::PlanProblemLine(problem);
    ASSERT_GE(result.plainTotal, 0);
    EXPECT_LE(result.total, result.plainTotal);

    // Every reason names an item that is there: the goal or a prerequisite
    // level before its entry, the store's payer after it.
    const std::vector<GoalTarget> widened = GoalWithRequirements(planet, goal);
    for (size_t x = 0; x < result.plan.size(); ++x) {
        const GoalEntryReason &reason = result.reasons[x];
        const std::string line = GoalEntryLine(result.plan[x], reason);
        if (reason.kind == GoalEntryReason::Kind::Required) {
            EXPECT_NE(std::ranges::find(widened, reason.bid, &GoalTarget::bid), widened.end()) << line;
        } else if (reason.kind == GoalEntryReason::Kind::Store) {
            EXPECT_TRUE(std::any_of(
                result.plan.begin() + static_cast<std::ptrdiff_t>(x) + 1, result.plan.end(),
                [&](const QueueEntry &entry) { return entry.bid == reason.bid && entry.level == reason.level; }))
                << line;
        }
    }
    if (std::getenv("KORVELIN_GOAL_FIGURES") != nullptr)
        std::printf("%s: total %lld, plain order %lld, %zu entries, %s, %llu evaluations\n", GetParam().name,
                    static_cast<long long>(result.total), static_cast<long long>(result.plainTotal), result.plan.size(),
                    result.provenOptimal ? "proven" : "not proven",
                    static_cast<unsigned long long>(result.evaluations));
}

INSTANTIATE_TEST_SUITE_P(
    FromNothing, GoalAcceptanceTest,
    ::testing::Values(AcceptanceGoal{"NaniteFactory1", {bid::kNaniteFactory, 1}}, AcceptanceGoal{"Shipyard4", {21, 4}},
                      AcceptanceGoal{"FusionReactor1", {bid::kFusionReactor, 1}}, AcceptanceGoal{"Ion1", {121, 1}},
                      AcceptanceGoal{"Plasma1", {122, 1}}, AcceptanceGoal{"HyperspaceDrive1", {118, 1}},
                      AcceptanceGoal{"MissileSilo1", {44, 1}}, AcceptanceGoal{"Espionage4", {bid::kEspionage, 4}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GoalReasonTest, LinesSayWhyEachEntryIsThere)
{
    using Kind = GoalEntryReason::Kind;
    const struct {
        QueueEntry entry;
        GoalEntryReason reason;
        const char *line;
    } rows[] = {
        {{106, 4}, {Kind::Goal, 0, 0}, "Espionage (4): for the goal"},
        {{31, 3}, {Kind::Required, 106, 0}, "Research Lab (3): required by Espionage"},
        {{22, 2}, {Kind::Store, 1, 22}, "Metal Storage (2): a store for Metal Mine (22)"},
        {{1, 5}, {Kind::Economy, 0, 0}, "Metal Mine (5): pays for itself"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(GoalEntryLine(row.entry, row.reason), row.line);

    // The added upgrades grouped by item and reason, in plan order.
    GoalResult result;
    result.plan = {{31, 1}, {1, 1}, {31, 2}, {1, 2}, {31, 3}, {106, 1}};
    result.reasons = {{Kind::Required, 106, 0}, {Kind::Economy, 0, 0},    {Kind::Required, 106, 0},
                      {Kind::Economy, 0, 0},    {Kind::Required, 106, 0}, {Kind::Goal, 0, 0}};
    EXPECT_EQ(AddedUpgradeLines(result), (std::vector<std::string>{"Research Lab 1\u20133: required by Espionage",
                                                                   "Metal Mine 1\u20132: pays for itself"}));
}

} // namespace
} // namespace korvelin
