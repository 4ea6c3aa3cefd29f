// Levels far beyond the game's range must give sound figures: no undefined
// behaviour (this suite also runs under UndefinedBehaviorSanitizer), no
// wrapped negative values, and costs that never shrink as the level grows.
#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "rules/UpgradeCost.h"

#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvelin {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

TEST(RangeTest, EveryItemLevelsOneToHundredStaysSound)
{
    test::RecordingMessageSink sink;
    for (const CatalogueItem &item : ItemCatalogue()) {
        std::array<int64_t, 3> previous{0, 0, 0};
        for (int32_t level = 1; level <= 100; ++level) {
            const auto costs = UpgradeCosts(item.bid, level, sink);
            for (size_t k = 0; k < 3; ++k) {
                EXPECT_GE(costs[k], previous[k]) << item.bid << " L" << level;
                EXPECT_GE(costs[k], 0);
            }
            previous = costs;
            for (int32_t factory : {0, level})
                EXPECT_GE(BuildTime(costs[0], costs[1], factory, factory, 1), 0);
            EXPECT_GE(LabTime(costs[0], costs[1], level, 1), 0);
            const Economy e{level, level, level, level, level, level, level};
            const EconomyFigures f = EvaluateEconomy(e);
            EXPECT_GE(f.productionFactor, 0);
            EXPECT_LE(f.productionFactor, 100);
            EXPECT_GE(f.metalPerHour, 20);
            EXPECT_GE(StorageCapacity(22, level), 100000);
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST(RangeTest, CostsBeyondThirtyTwoBitsGrowAndSaturate)
{
    test::RecordingMessageSink sink;
    EXPECT_EQ(UpgradeCost(15, 13, kMetal, sink), 4096000000);
    EXPECT_EQ(UpgradeCost(43, 11, kCrystal, sink), 4096000000);
    EXPECT_EQ(UpgradeCost(15, 44, kMetal, sink), 8796093022208000000);
    EXPECT_EQ(UpgradeCost(15, 45, kMetal, sink), kMax);
    EXPECT_EQ(UpgradeCost(15, std::numeric_limits<int32_t>::max(), kMetal, sink), kMax);
    // A zero base cost stays 0 even where the power overflows.
    EXPECT_EQ(UpgradeCost(199, 100000, kMetal, sink), 0);
    EXPECT_EQ(UpgradeCost(1, std::numeric_limits<int32_t>::min(), kMetal, sink), 0);
    EXPECT_EQ(BuildTime(kMax, kMax, 0, 0, 1), kMax);
    EXPECT_EQ(LabTime(kMax, kMax, std::numeric_limits<int32_t>::max(), 1), 30923764531);
    EXPECT_EQ(EnergyTerm(50, std::numeric_limits<int32_t>::max()), kMax);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace korvelin
