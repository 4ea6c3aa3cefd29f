// The exact sums behind the search's lower bound, where the figures of
// saturated prices add up beyond 64 bits.

#include "optimize/OrderProblem.h"
#include "optimize/GreedyOrder.h"
#include "search/BranchAndBound.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvelin::optimize {
namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

TEST(OrderProblemTest, ExactSumCarriesAndRestores)
{
    ExactSum sum{0, kMax - 1};
    sum.Add(5);
    EXPECT_EQ(sum, (ExactSum{1, 3}));
    EXPECT_GT(sum, (ExactSum{0, kMax}));
    sum.Take(5);
    EXPECT_EQ(sum, (ExactSum{0, kMax - 1}));
}

TEST(OrderProblemTest, BoundComparesSumsBeyondSixtyFourBits)
{
    const QueueEntry metal{bid::kMetalMine, 1, 999};
    const OrderProblem problem(std::span(&metal, 1), Planet{});
    constexpr int64_t kSlack = std::numeric_limits<int64_t>::max();
    OrderProblem::Remaining remaining;
    remaining.count = 1;
    // 2^64 of metal still to pay: no time an int64 holds produces that.
    remaining.costs[0] = ExactSum{1, 0};
    EXPECT_TRUE(problem.RemainingExceeds(remaining, {0, 0, 0}, kSlack));
    // A cost past 2^63 against a stock that holds all but 99 of it.
    remaining.costs[0] = ExactSum{0, (uint64_t{1} << 63) + 100};
    const std::array<int64_t, 3> rich{std::numeric_limits<int64_t>::max(), 0, 0};
    EXPECT_FALSE(problem.RemainingExceeds(remaining, rich, kSlack));
    EXPECT_TRUE(problem.RemainingExceeds(remaining, rich, 100)); // 99 at 53 an hour
    // A negative stock adds to what must be produced.
    remaining.costs[0] = ExactSum{0, 100};
    EXPECT_TRUE(problem.RemainingExceeds(remaining, {-1'000'000, 0, 0}, 10));
    EXPECT_FALSE(problem.RemainingExceeds(remaining, {-1'000'000, 0, 0}, kSlack));
}

TEST(OrderProblemTest, BoundNeverExceedsTheTimeLeft)
{
    // Each queue ends on a step that the bound just meets: a build time alone,
    // a build time a robotics level shortened, and a long wait for metal at
    // the highest rate the queue reaches.
    for (const auto &bids : {std::vector<int32_t>{1}, {3, 14, 1}, {1, 1, 22, 22, 22, 22, 22}}) {
        BuildQueue queue;
        for (const int32_t b : bids) {
            queue.AppendUpgrade(b);
        }
        const OrderProblem problem(queue.Entries(), Planet{.inputs = {20, 0}});
        std::vector<Slot> slots(1);
        for (int32_t e = 0; e < problem.Count(); ++e) {
            slots.push_back(slots.back());
            ASSERT_TRUE(problem.Play(e, slots.back()));
        }
        OrderProblem::Remaining remaining = problem.AllRemaining();
        for (int32_t e = 0; e < problem.Count(); ++e) {
            const TimelineState &state = slots[static_cast<size_t>(e)].state;
            EXPECT_FALSE(problem.RemainingExceeds(remaining, state.stock, slots.back().state.total - state.total))
                << bids.size() << " entries, at " << e;
            remaining.Take(problem, e);
        }
    }
}

// Under the game rules a research entry's floor is its lab time with every
// lab level of the queue built: Armour 1 after Research Lab 4 takes
// 1000 × 3600 / 5000 s; by the factories (classic) 1000 × 3600 / 2500.
TEST(OrderProblemTest, ShortestResearchStepUsesTheHighestLabUnderTheGameRules)
{
    Planet planet;
    planet.SetStartLevel(bid::kResearchLab, 3);
    const std::vector<QueueEntry> entries{{111, 1, 999}, {bid::kResearchLab, 4, 998}};
    EXPECT_EQ(OrderProblem(entries, planet).ShortestStep(0), 1440);
    planet.inputs.rules = GameRules::Game;
    EXPECT_EQ(OrderProblem(entries, planet).ShortestStep(0), 720);
}

TEST(OrderProblemTest, ExactSearchBeatsAnIncumbentByOneSecond)
{
    // Both mines are paid from the start stock: every step is its build time,
    // and the bound meets the time left exactly.
    const std::vector<QueueEntry> entries{{bid::kMetalMine, 1, 0}, {bid::kCrystalMine, 1, 0}};
    const OrderProblem problem(entries, Planet{.inputs = {20, 0}});
    const int64_t best = problem.TotalOf(Order{0, 1});
    const OptimizeProgressCallback none;
    for (const int64_t incumbent : {best + 1, best}) {
        SearchBudget budget(OptimizeOptions{}, none);
        const search::ExactOutcome outcome = search::SearchExactly(problem, budget, incumbent);
        EXPECT_TRUE(outcome.complete);
        EXPECT_EQ(outcome.bestTotal, incumbent > best ? best : -1) << incumbent;
    }
}

TEST(OrderProblemTest, GreedyRulesGroupTheEntries)
{
    // At −76 degrees one satellite gives 1 energy: the synthesizer makes
    // deuterium only beside the solar plant, and the three mine levels after
    // it would stop it again.
    std::vector<QueueEntry> entries;
    for (const int32_t b : {1, 1, 1, 3, 4, 14})
        entries.push_back({b, b == bid::kMetalMine ? static_cast<int32_t>(entries.size()) + 1 : 1, 0});
    const OrderProblem problem(entries, Planet{.inputs = {-76, 1}});
    const struct {
        GreedyRule rule;
        Order order;
        int32_t stuck;
    } cases[] = {
        {GreedyRule::InputOrder, {}, 5},
        {GreedyRule::DeuteriumFirst, {3, 4, 5, 0, 1, 2}, -1},
    };
    const OptimizeProgressCallback none;
    for (const auto &c : cases) {
        SearchBudget budget(OptimizeOptions{}, none);
        int32_t stuck = -1;
        EXPECT_EQ(BuildGreedyOrder(problem, c.rule, budget, &stuck), c.order);
        EXPECT_EQ(stuck, c.stuck);
    }
}

} // namespace
} // namespace korvelin::optimize
