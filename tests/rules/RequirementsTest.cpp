#include "rules/Requirements.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

TEST(StoreLimitTest, LowestHoldingLevelAndShortfall)
{
    // Capacities 100000, 150000, 200000, 300000, 500000, 900000, 1700000.
    struct Case {
        int64_t price;
        int32_t level;
    };
    for (const Case c : {Case{0, 0}, Case{100000, 0}, Case{100001, 1}, Case{299273, 3}, Case{1000000, 6}})
        EXPECT_EQ(StoreLevelHolding(c.price), c.level) << c.price;

    ReachedLevels reached;
    EXPECT_EQ(StoreShortfall({299273, 0, 0}, {0, 0, 0}, reached), 0);
    EXPECT_EQ(StoreShortfall({299273, 0, 0}, {299273, 0, 0}, reached), -1); // the stock on hand covers it
    EXPECT_EQ(StoreShortfall({0, 0, 100001}, {0, 0, 0}, reached), 2);
    reached.Reach(bid::kMetalStorage, 3);
    reached.Reach(bid::kMetalStorage, 1); // never lowers
    EXPECT_EQ(reached.Of(bid::kMetalStorage), 3);
    EXPECT_EQ(StoreShortfall({299273, 0, 0}, {0, 0, 0}, reached), -1);
    EXPECT_FALSE(RequirementsMet(bid::kNaniteFactory, reached));
}

} // namespace
} // namespace korvelin
