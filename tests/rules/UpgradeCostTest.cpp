#include "rules/UpgradeCost.h"

#include "RecordingMessageSink.h"
#include "rules/ItemCatalogue.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

using test::RecordingMessageSink;

struct CostCase {
    int32_t bid;
    int32_t level;
    int64_t metal, crystal, deuterium;
};

// Worked figures, including last-bit cases where double arithmetic or a
// correctly rounded powl would give another value.
const CostCase kCostCases[] = {
    {1, 1, 60, 15, 0},
    {1, 2, 90, 22, 0},
    {1, 3, 135, 33, 0},
    {2, 2, 76, 38, 0},
    {12, 2, 1620, 648, 324},
    {12, 3, 2915, 1166, 583},
    {14, 3, 1600, 480, 800},
    {199, 7, 0, 0, 0},
    {15, 12, 2048000000, 1024000000, 204800000},
    // High crystal mine levels: powl would give ...650 and ...512, one less.
    {2, 78, 250310980771981651, 125155490385990825, 0},
    {2, 80, 640796110776273026, 320398055388136513, 0},
};

TEST(UpgradeCostTest, WorkedCosts)
{
    RecordingMessageSink sink;
    for (const auto &c : kCostCases) {
        EXPECT_EQ(UpgradeCost(c.bid, c.level, kMetal, sink), c.metal) << c.bid << " L" << c.level;
        EXPECT_EQ(UpgradeCost(c.bid, c.level, kCrystal, sink), c.crystal) << c.bid << " L" << c.level;
        EXPECT_EQ(UpgradeCost(c.bid, c.level, kDeuterium, sink), c.deuterium) << c.bid << " L" << c.level;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST(UpgradeCostTest, LevelOneCostsTheBaseAndMinesNeverCostDeuterium)
{
    RecordingMessageSink sink;
    for (const CatalogueItem &item : ItemCatalogue()) {
        const auto costs = UpgradeCosts(item.bid, 1, sink);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(costs[static_cast<size_t>(k)], item.baseCost[static_cast<size_t>(k)]) << item.bid;
    }
    for (int32_t b : {1, 2, 3, 4})
        for (int32_t level = 1; level <= 60; ++level)
            EXPECT_EQ(UpgradeCost(b, level, kDeuterium, sink), 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(UpgradeCostTest, UnknownBidAndKindShowTheirBoxEveryCall)
{
    RecordingMessageSink sink;
    const auto costs = UpgradeCosts(5, 3, sink);
    EXPECT_EQ(costs, (std::array<int64_t, 3>{0, 0, 0}));
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"Unknown BID", "Unknown BID", "Unknown BID"}));

    sink.messages.clear();
    EXPECT_EQ(UpgradeCost(1, 2, 0, sink), 0);
    EXPECT_EQ(UpgradeCost(1, 2, 4, sink), 0);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"Unknown ResurceID", "Unknown ResurceID"}));

    sink.messages.clear();
    EXPECT_EQ(UpgradeCost(0, 1, 9, sink), 0);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"Unknown BID", "Unknown ResurceID"}));
}

TEST(UpgradeCostTest, BuildAndLabTimes)
{
    const struct {
        int64_t metal, crystal;
        int32_t robotics, nanite;
        int64_t seconds;
    } build[] = {
        {60, 15, 0, 0, 108},   {60, 15, 1, 0, 54},
        {60, 15, 1, 1, 27},    {90, 22, 0, 0, 161},
        {48, 24, 0, 0, 103},   {900, 360, 0, 0, 1814},
        {2000, 0, 0, 0, 2880}, {0, 0, 5, 3, 0},
        {60, 15, 2, 0, 36},    {1000000, 500000, 0, 0, 2160000},
    };
    for (const auto &c : build)
        EXPECT_EQ(BuildTime(c.metal, c.crystal, c.robotics, c.nanite, 1), c.seconds) << c.metal << "+" << c.crystal;
    EXPECT_EQ(LabTime(200, 1000, 0, 1), 4320);
    EXPECT_EQ(LabTime(200, 1000, 1, 1), 2160);
    EXPECT_EQ(LabTime(0, 0, 3, 1), 0);
}

} // namespace
} // namespace korvelin
