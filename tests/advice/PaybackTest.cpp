// The payback ranking on planets worked out by hand, and its gains against
// the walk's own production.

#include "advice/Payback.h"

#include "advice/PaybackEdit.h"

#include "plan/InputRanges.h"
#include "queue/Timeline.h"
#include "rules/UpgradeCost.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace korvelin::advice {
namespace {

class Quiet : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

BuildQueue QueueWith(std::initializer_list<std::pair<int32_t, int32_t>> startLevels)
{
    std::array<int32_t, kItemCount> levels{};
    for (const auto &[bid, level] : startLevels)
        levels[static_cast<size_t>(ItemIndexOf(bid) - 1)] = level;
    BuildQueue queue;
    queue.SetStartLevels(levels);
    return queue;
}

const PaybackRow *FindRow(const std::vector<PaybackRow> &rows, int32_t bid, int32_t solarLevels)
{
    for (const PaybackRow &row : rows) {
        if (row.bid == bid && row.solarLevels == solarLevels)
            return &row;
    }
    return nullptr;
}

// The production the walk uses after every entry of `queue`: the economy of
// one more entry (a research lab, which changes no production) at the end.
std::array<int64_t, 3> WalkProductionAtEnd(BuildQueue queue, const PlanetInputs &inputs)
{
    queue.AppendUpgrade(bid::kResearchLab);
    TimelineState state;
    Quiet quiet;
    EconomyFigures last;
    WalkQueue(
        queue, kDefaultStartStock, state, [&inputs] { return inputs; }, quiet,
        [&last](const EntryEvaluation &e) { last = e.economy; });
    return {last.metalPerHour, last.crystalPerHour, last.deuteriumPerHour};
}

TEST(PaybackTest, MetalMineFromNothingPaysBackInItsFigures)
{
    // Level 1: 60 metal, 15 crystal; 20 → trunc(30 × 1.1) + 20 = 53 metal an
    // hour. Values at 3:2:1: 60·2 + 15·3 = 165 and 33·2 = 66, so
    // ceil(3600 × 165 ÷ 66) = 9000 s.
    const std::vector<PaybackRow> rows = RankPaybacks(BuildQueue{}, 0, {}, kDefaultTradeRatio);
    const PaybackRow *metal = FindRow(rows, bid::kMetalMine, 0);
    ASSERT_NE(metal, nullptr);
    EXPECT_EQ(metal->level, 1);
    EXPECT_EQ(metal->price, (std::array<int64_t, 3>{60, 15, 0}));
    EXPECT_EQ(metal->gain, (std::array<int64_t, 3>{33, 0, 0}));
    EXPECT_EQ(metal->payback, ExactValue{9000});
    // A planet that makes no energy keeps its mines at 100 %: no solar row,
    // no fusion reactor without its requirements, and a solar plant alone
    // adds nothing.
    EXPECT_EQ(FindRow(rows, bid::kMetalMine, 1), nullptr);
    EXPECT_EQ(FindRow(rows, bid::kFusionReactor, 0), nullptr);
    EXPECT_FALSE(FindRow(rows, bid::kSolarPlant, 0)->payback.has_value());
    EXPECT_EQ(rows.back().bid, bid::kSolarPlant);
}

TEST(PaybackTest, EnergyShortageCountsAgainstTheMineAndSolarLevelsRestoreIt)
{
    // Solar 1 makes 22; mines 1 and 1 use 11 + 11. Metal mine 2 uses 24:
    // balance −13, factor 100 − round(1300 ÷ 22) = 41, so metal falls from 53
    // to trunc(0.41 × 72.6) + 20 = 49 and crystal from 32 to 9 + 10 = 19.
    const BuildQueue queue = QueueWith({{bid::kSolarPlant, 1}, {bid::kMetalMine, 1}, {bid::kCrystalMine, 1}});
    const std::vector<PaybackRow> rows = RankPaybacks(queue, 0, {}, kDefaultTradeRatio);
    const PaybackRow *alone = FindRow(rows, bid::kMetalMine, 0);
    ASSERT_NE(alone, nullptr);
    EXPECT_EQ(alone->gain, (std::array<int64_t, 3>{-4, -13, 0}));
    EXPECT_FALSE(alone->payback.has_value());
    // Solar 2 makes trunc(40 × 1.21) = 48 ≥ 35: factor 100 again, metal
    // trunc(72.6) + 20 = 92.
    const PaybackRow *withSolar = FindRow(rows, bid::kMetalMine, 1);
    ASSERT_NE(withSolar, nullptr);
    EXPECT_EQ(withSolar->solarFrom, 1);
    EXPECT_EQ(withSolar->gain, (std::array<int64_t, 3>{39, 0, 0}));
    Quiet quiet;
    const auto mine = UpgradeCosts(bid::kMetalMine, 2, quiet);
    const auto solar = UpgradeCosts(bid::kSolarPlant, 2, quiet);
    EXPECT_EQ(withSolar->price, (std::array<int64_t, 3>{mine[0] + solar[0], mine[1] + solar[1], 0}));
    const ExactValue value = 2 * withSolar->price[0] + 3 * withSolar->price[1];
    EXPECT_EQ(withSolar->payback, (3600 * value + 78 - 1) / 78);
    // Sorted: rows with a payback first, in rising order.
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].payback) {
            EXPECT_TRUE(rows[i - 1].payback && *rows[i - 1].payback <= *rows[i].payback);
        }
    }
}

TEST(PaybackTest, GainsMatchTheWalkAtEveryLineOfARealisticPlan)
{
    BuildQueue queue = QueueWith({{bid::kResearchLab, 1}});
    const std::pair<int32_t, int32_t> plan[] = {{1, 1}, {4, 1}, {1, 2}, {2, 1},   {4, 2}, {3, 1},   {113, 1},
                                                {3, 2}, {3, 3}, {1, 3}, {113, 2}, {3, 4}, {113, 3}, {3, 5}};
    for (const auto &[bid, level] : plan)
        queue.AppendEntry(bid, level);
    const PlanetInputs inputs{35, 3, 2};
    for (int32_t line = 0; line <= queue.Count(); ++line) {
        BuildQueue prefix = queue;
        while (prefix.Count() > line)
            prefix.RemoveEntry(prefix.Count() - 1);
        const std::array<int64_t, 3> before = WalkProductionAtEnd(prefix, inputs);
        for (const PaybackRow &row : RankPaybacks(queue, line, inputs, {1, 1, 1})) {
            BuildQueue after = prefix;
            for (const QueueEntry &entry : RowEntries(row))
                after.AppendEntry(entry.bid, entry.level);
            const std::array<int64_t, 3> produced = WalkProductionAtEnd(after, inputs);
            for (size_t r = 0; r < 3; ++r)
                EXPECT_EQ(row.gain[r], produced[r] - before[r]) << "line " << line << " bid " << row.bid;
        }
    }
    // The fusion reactor appears once its requirements are reached.
    EXPECT_EQ(FindRow(RankPaybacks(queue, 12, inputs, {1, 1, 1}), bid::kFusionReactor, 0), nullptr);
    EXPECT_NE(FindRow(RankPaybacks(queue, 14, inputs, {1, 1, 1}), bid::kFusionReactor, 0), nullptr);
}

TEST(PaybackTest, ExtremeFiguresStayExact)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    const TradeRatio largest{kMaxRatioPart, kMaxRatioPart, kMaxRatioPart};
    EXPECT_EQ(FormatExact(*PaybackSeconds({kMax, kMax, kMax}, {1, 0, 0}, largest)), "99612417998031578715600");
    EXPECT_EQ(PaybackSeconds({1, 0, 0}, {kMax, kMax, kMax}, largest), ExactValue{1});
    EXPECT_EQ(PaybackSeconds({0, 0, 0}, {1, 0, 0}, largest), ExactValue{0});
    EXPECT_FALSE(PaybackSeconds({1, 0, 0}, {1, -1, 0}, {1, 1, 1}).has_value());
    EXPECT_FALSE(PaybackSeconds({1, 0, 0}, {1, 0, 0}, {kMaxRatioPart + 1, 1, 1}).has_value());
    EXPECT_TRUE(RankPaybacks(BuildQueue{}, 0, {}, {0, 1, 1}).empty());
    EXPECT_EQ(FormatExact(-ExactValue{kMax} - 1), "-9223372036854775808");
    EXPECT_EQ(SaturateToInt64(ExactValue{kMax} * 4), kMax);
}

TEST(PaybackTest, TradeRatioText)
{
    const struct {
        const char *text;
        bool valid;
        TradeRatio ratio;
    } cases[] = {
        {"3:2:1", true, {3, 2, 1}},
        {"1000:1:1000", true, {1000, 1, 1000}},
        {"3:2", false, {}},
        {"3:2:1:1", false, {}},
        {"0:2:1", false, {}},
        {"3:2:1001", false, {}},
        {"3::1", false, {}},
        {"+3:2:1", false, {}},
        {"", false, {}},
        {"99999999999999999999:1:1", false, {}},
    };
    for (const auto &c : cases) {
        const CheckedRatio checked = ReadTradeRatio(c.text);
        EXPECT_EQ(!checked.error.has_value(), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(checked.ratio, c.ratio) << c.text;
            EXPECT_EQ(TradeRatioText(checked.ratio), c.text);
        }
    }
}

TEST(PaybackTest, AddPutsTheRowAfterItsLineAndRenumbersLaterLevels)
{
    BuildQueue queue;
    for (const auto &[bid, level] : {std::pair{1, 1}, {4, 1}, {1, 2}})
        queue.AppendEntry(bid, level);
    PaybackRow row;
    row.bid = bid::kMetalMine;
    row.level = 2;
    row.solarFrom = 0;
    row.solarLevels = 1;
    const std::vector<QueueEntry> entries = EntriesWithRow(queue, 1, row);
    std::vector<std::pair<int32_t, int32_t>> levels;
    for (const QueueEntry &entry : entries)
        levels.emplace_back(entry.bid, entry.level);
    EXPECT_EQ(levels, (std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}}));
    EXPECT_EQ(AddRowDescription(row), "Add Metal Mine (2) with Solar Plant 1");
    // At the end nothing moves.
    EXPECT_EQ(EntriesWithRow(queue, 3, row).back().level, 2);
}

} // namespace
} // namespace korvelin::advice
