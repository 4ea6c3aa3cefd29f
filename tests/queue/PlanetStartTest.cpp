#include "queue/Timeline.h"

#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

// One Metal Mine upgrade played on a planet: what the start levels, stock
// and speed change in its evaluation. Figures worked out by hand.
struct PlanetCase {
    const char *name;
    Planet planet;
    int32_t level;
    int64_t buildTime;
    std::array<int64_t, 3> waits;
    int64_t metalPerHour;
    int64_t crystalPerHour;
};

Planet With(std::initializer_list<std::pair<int32_t, int32_t>> levels, std::array<int64_t, 3> stock = {500, 500, 0},
            int32_t speed = 1)
{
    Planet planet;
    for (const auto &[b, level] : levels)
        planet.SetStartLevel(b, level);
    planet.startStock = stock;
    planet.inputs.economySpeed = speed;
    return planet;
}

class PlanetStartTest : public testing::TestWithParam<PlanetCase> {};

TEST_P(PlanetStartTest, FirstUpgrade)
{
    const PlanetCase &c = GetParam();
    BuildQueue queue;
    queue.SetStartLevels(c.planet.startLevels);
    queue.AppendUpgrade(bid::kMetalMine);
    test::RecordingMessageSink messages;
    TimelineState state;
    const PlanetInputs inputs = c.planet.inputs;
    std::vector<EntryEvaluation> rows;
    WalkQueue(
        queue, c.planet.startStock, state, [inputs] { return inputs; }, messages,
        [&](const EntryEvaluation &e) { rows.push_back(e); });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].level, c.level);
    EXPECT_EQ(rows[0].buildTime, c.buildTime);
    EXPECT_EQ(rows[0].waits, c.waits);
    EXPECT_EQ(rows[0].economy.metalPerHour, c.metalPerHour);
    EXPECT_EQ(rows[0].economy.crystalPerHour, c.crystalPerHour);
    EXPECT_EQ(rows[0].step, std::max({c.buildTime, c.waits[0], c.waits[1], c.waits[2]}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanetStartTest,
    testing::Values(
        // 60 + 15 at level 1: (75 × 3600 ÷ 2500) = 108 s; base production only.
        PlanetCase{"FromNothing", Planet{}, 1, 108, {0, 0, 0}, 20, 10},
        // Level 21 costs trunc(60 × 1.5^20) = 199515 and 49878; the mine at 20
        // makes trunc(600 × 1.1^20) + 20 = 4056 an hour with no plant (full
        // factor): (199015 × 3600 ÷ 4056) + 1 and (49378 × 3600 ÷ 10) + 1; it
        // builds in 249393 × 3600 ÷ 2500 s.
        PlanetCase{"MetalMineAtTwenty", With({{bid::kMetalMine, 20}}), 21, 359125, {176641, 17776081, 0}, 4056, 10},
        // Production doubles, the build time halves before its truncation.
        PlanetCase{"SpeedTwo", With({}, {500, 500, 0}, 2), 1, 54, {0, 0, 0}, 40, 20},
        // An empty store waits for all 60 metal at 20 an hour, 15 crystal at 10.
        PlanetCase{"EmptyStock", With({}, {0, 0, 0}), 1, 108, {10801, 5401, 0}, 20, 10},
        // Robotics 1 halves, speed 3 divides: 108 ÷ 2 ÷ 3.
        PlanetCase{"RoboticsAndSpeed", With({{bid::kRoboticsFactory, 1}}, {500, 500, 0}, 3), 1, 18, {0, 0, 0}, 60, 30}),
    [](const testing::TestParamInfo<PlanetCase> &info) { return std::string(info.param.name); });

TEST(PlanetStartTest, StartLevelsCountAtEveryPositionAndRenumber)
{
    BuildQueue queue;
    queue.AppendEntry(bid::kMetalMine, 1);
    queue.AppendEntry(bid::kCrystalMine, 1);
    queue.AppendEntry(bid::kMetalMine, 2);
    Planet planet;
    planet.SetStartLevel(bid::kMetalMine, 20);
    queue.SetStartLevels(planet.startLevels);
    EXPECT_EQ(queue.LevelBefore(bid::kMetalMine, 0), 20);
    EXPECT_EQ(queue.LevelBefore(bid::kMetalMine, 3), 22);
    EXPECT_EQ(queue.LevelsAt(1).metalMine, 21);
    EXPECT_EQ(queue.QueuedLevel(bid::kMetalMine), 22);
    queue.RenumberEntries(bid::kMetalMine);
    EXPECT_EQ(queue.At(0).level, 21);
    EXPECT_EQ(queue.At(1).level, 1);
    EXPECT_EQ(queue.At(2).level, 22);
    // A start level at the top of the range stays there.
    planet.SetStartLevel(bid::kMetalMine, INT32_MAX);
    queue.SetStartLevels(planet.startLevels);
    EXPECT_EQ(queue.QueuedLevel(bid::kMetalMine), INT32_MAX);
    EXPECT_EQ(queue.AppendUpgrade(bid::kMetalMine), 3);
    EXPECT_EQ(queue.At(3).level, INT32_MAX);
}

TEST(PlanetStartTest, StockAfterLineIsTheWalksStock)
{
    BuildQueue queue;
    queue.AppendUpgrade(bid::kMetalMine);
    queue.AppendUpgrade(bid::kMetalMine);
    TimelineState state;
    test::RecordingMessageSink messages;
    std::vector<EntryEvaluation> rows;
    WalkQueue(
        queue, {1000, 700, 5}, state,
        [] {
            return PlanetInputs{20, 0, 2};
        },
        messages, [&](const EntryEvaluation &e) { rows.push_back(e); });
    EXPECT_EQ(StockAfterLine(queue, 0, {1000, 700, 5}, {20, 0, 2}), rows[0].stockAfter);
    EXPECT_EQ(StockAfterLine(queue, 1, {1000, 700, 5}, {20, 0, 2}), rows[1].stockAfter);
}

} // namespace
} // namespace korvelin
