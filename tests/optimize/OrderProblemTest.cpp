// The exact sums behind the search's lower bound, where the figures of
// saturated prices add up beyond 64 bits.

#include "optimize/OrderProblem.h"

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

} // namespace
} // namespace korvelin::optimize
