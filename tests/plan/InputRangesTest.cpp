// The level ranges against the walk itself: at each item's highest level
// every figure is an exact, sound number, one level on the price already
// passes the largest stock.

#include "plan/InputRanges.h"
#include "plan/LevelList.h"
#include "queue/Timeline.h"
#include "rules/UpgradeCost.h"
#include "util/Saturating.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvelin {
namespace {

class Quiet : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

TEST(InputRanges, EveryItemsHighestLevelWalksSoundly)
{
    constexpr int64_t kSaturated = std::numeric_limits<int64_t>::max();
    for (const CatalogueItem &item : ItemCatalogue()) {
        SCOPED_TRACE(item.bid);
        const int32_t highest = MaxLevel(item.bid);
        ASSERT_GE(highest, 28); // the gate, the steepest price, stops lowest
        Planet planet;
        planet.SetStartLevel(item.bid, highest - 1);
        planet.startStock = {kStockRange.maximum, kStockRange.maximum, kStockRange.maximum};
        ASSERT_EQ(CheckPlanet(planet), std::nullopt);
        BuildQueue queue;
        queue.SetStartLevels(planet.startLevels);
        queue.AppendEntry(item.bid, highest);
        TimelineState state;
        Quiet quiet;
        std::vector<EntryEvaluation> rows;
        WalkQueue(
            queue, planet.startStock, state,
            [] {
                return PlanetInputs{20, 0, 1};
            },
            quiet, [&rows](const EntryEvaluation &e) { rows.push_back(e); });
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_LT(rows[0].total, kSaturated);
        for (const int64_t amount : rows[0].stockAfter)
            EXPECT_GE(amount, 0);
        if (highest < kLevelCap) {
            const std::array<int64_t, 3> next = UpgradeCosts(item.bid, highest + 1, quiet);
            EXPECT_GT(std::max({next[0], next[1], next[2]}), kStockRange.maximum);
        }
    }
}

TEST(InputRanges, TypedLevelsNameTheFaultyField)
{
    const struct {
        const char *text;
        std::string error;
    } cases[] = {
        {"shipyard=4, 106=2", ""},
        {"Shipyard", "--goal: 'Shipyard' is not ITEM=LEVEL"},
        {"Ship yard=4", "--goal: 'Ship yard' is not the BID or English name of an item (--help lists them)"},
        {"21=43", "--goal: Level of Shipyard must be a whole number from 0 to 42 (higher levels overflow the figures), "
                  "not '43'"},
        {"21=99999999999999999999", "--goal: Level of Shipyard must be a whole number from 0 to 42 (higher levels "
                                    "overflow the figures), not '99999999999999999999'"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const TypedLevels read = ReadTypedLevels(c.text, '=', "--goal");
        EXPECT_EQ(read.error, c.error);
        if (c.error.empty()) {
            EXPECT_EQ(read.levels, (std::vector<ItemLevel>{{21, 4}, {106, 2}}));
        }
    }
}

// The page's form reads strictly: what is not a whole number is refused
// like a number out of range, never read as its leading digits.
TEST(InputRanges, TypedNumbersAreWholeAndInRange)
{
    const struct {
        const char *text;
        int64_t value;
        std::string error; // empty: taken
    } cases[] = {
        {"", 0, ""},
        {"-3", 0, "Satellites must be a whole number from 0 to 1000000000, not -3"},
        {"+12", 12, ""},
        {"12abc", 0, "Satellites must be a whole number from 0 to 1000000000, not 12abc"},
        {"1000000000", 1'000'000'000, ""},
        {"99999999999999999999999", 0,
         "Satellites must be a whole number from 0 to 1000000000, not 99999999999999999999999"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const CheckedNumber read = ReadTypedNumber(kSatellitesField, kSatellitesRange, c.text);
        EXPECT_EQ(read.error.value_or(""), c.error);
        if (c.error.empty()) {
            EXPECT_EQ(read.value, c.value);
        }
    }
}

} // namespace
} // namespace korvelin
