#include "queue/Timeline.h"

#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace korvelin {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

BuildQueue QueueOf(std::initializer_list<int32_t> bids)
{
    BuildQueue queue;
    for (const int32_t b : bids) {
        queue.AppendUpgrade(b);
    }
    return queue;
}

PlanetInputSource Fixed(int32_t maxTemperature, int32_t satellites = 0)
{
    return [=] { return PlanetInputs{maxTemperature, satellites}; };
}

std::vector<EntryEvaluation> Walk(const BuildQueue &queue, TimelineState &state, const PlanetInputSource &inputs,
                                  MessageSink &messages)
{
    std::vector<EntryEvaluation> results;
    WalkQueue(queue, kDefaultStartStock, state, inputs, messages,
              [&](const EntryEvaluation &e) { results.push_back(e); });
    return results;
}

struct WaitCase {
    std::string name;
    int64_t cost;
    int64_t stock;
    int64_t perHour;
    int64_t wait;
};

class ResourceWaitTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(ResourceWaitTest, AddsOneSecondToTruncatedShortfall)
{
    const WaitCase &c = GetParam();
    EXPECT_EQ(ResourceWait(c.cost, c.stock, c.perHour), c.wait);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, ResourceWaitTest,
    ::testing::Values(WaitCase{"ZeroCostZeroStock", 0, 0, 20, 1}, WaitCase{"StockEqualsCost", 500, 500, 20, 1},
                      // 3600 per hour is one unit a second.
                      WaitCase{"FractionalShortfall", 23, 0, 36000, 3}, // 2.3 s
                      WaitCase{"WholeShortfall", 2, 0, 3600, 3},        // exactly 2 s
                      WaitCase{"AheadByLessThanASecond", 100, 101, 7200, 1},
                      WaitCase{"AheadByOneSecond", 100, 101, 3600, 0}, WaitCase{"FarAhead", 60, 500, 20, 0},
                      WaitCase{"NegativeRateShortfall", 200, 0, -7, 0},
                      WaitCase{"NegativeRateTinyShortfall", 1, 0, -7200, 1}, WaitCase{"NoProduction", 100, 0, 0, 0},
                      WaitCase{"HugeShortfallSaturates", kMax, kMin, 1, kMax},
                      WaitCase{"HugeSurplusClampsToZero", kMin, kMax, 1, 0}),
    [](const auto &info) { return info.param.name; });

struct GainCase {
    std::string name;
    int64_t perHour;
    int64_t seconds;
    int64_t gain;
};

class ProductionOverTest : public ::testing::TestWithParam<GainCase> {};

TEST_P(ProductionOverTest, RoundsHalfToEven)
{
    EXPECT_EQ(ProductionOver(GetParam().perHour, GetParam().seconds), GetParam().gain);
}

INSTANTIATE_TEST_SUITE_P(
    Gains, ProductionOverTest,
    ::testing::Values(GainCase{"HalfRoundsDownToEven", 20, 90, 0}, GainCase{"OneAndHalfRoundsUp", 20, 270, 2},
                      GainCase{"PointSixRoundsUp", 20, 108, 1}, GainCase{"PointFourFiveRoundsDown", 10, 161, 0},
                      GainCase{"NegativeRate", -7, 22141, -43}, GainCase{"Saturates", kMax, kMax, 2562047788015216}),
    [](const auto &info) { return info.param.name; });

TEST(TimelineTest, WorkedStartOfTwoMetalMines)
{
    const BuildQueue queue = QueueOf({bid::kMetalMine, bid::kMetalMine});
    TimelineState state;
    test::RecordingMessageSink messages;
    const std::vector<EntryEvaluation> results = Walk(queue, state, Fixed(0), messages);
    ASSERT_EQ(results.size(), 2u);

    EXPECT_EQ(results[0].costs, (std::array<int64_t, 3>{60, 15, 0}));
    EXPECT_EQ(results[0].waits, (std::array<int64_t, 3>{0, 0, 0}));
    EXPECT_EQ(results[0].economy.metalPerHour, 20);
    EXPECT_EQ(results[0].economy.crystalPerHour, 10);
    EXPECT_EQ(results[0].buildTime, 108);
    EXPECT_EQ(results[0].step, 108);
    EXPECT_EQ(results[0].total, 108);
    EXPECT_EQ(results[0].stockAfter, (std::array<int64_t, 3>{441, 485, 0}));

    EXPECT_EQ(results[1].costs, (std::array<int64_t, 3>{90, 22, 0}));
    EXPECT_EQ(results[1].economy.metalPerHour, 53);
    EXPECT_EQ(results[1].buildTime, 161);
    EXPECT_EQ(results[1].step, 161);
    EXPECT_EQ(results[1].total, 269);
    EXPECT_EQ(results[1].stockAfter, (std::array<int64_t, 3>{353, 463, 0}));

    EXPECT_EQ(state.total, 269);
    EXPECT_EQ(state.step, 161);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(TimelineTest, DeuteriumWithoutProductionWarnsOncePerEvaluation)
{
    // The robotics factory costs 200 deuterium; no synthesizer stands before it.
    const BuildQueue queue = QueueOf({bid::kMetalMine, bid::kRoboticsFactory, bid::kRoboticsFactory});
    TimelineState state;
    test::RecordingMessageSink messages;
    const std::vector<EntryEvaluation> results = Walk(queue, state, Fixed(0), messages);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(messages.messages, (std::vector<std::string>{kCorruptedBuildMessage, kCorruptedBuildMessage}));
    EXPECT_EQ(results[1].waits[2], 0);
    EXPECT_EQ(results[1].stockAfter[2], -200); // paid without a stock to pay from
    EXPECT_EQ(results[2].stockAfter[2], -600);

    Walk(queue, state, Fixed(0), messages);
    EXPECT_EQ(messages.messages.size(), 4u);
}

TEST(TimelineTest, SynthesizerBeforeDeuteriumCostSilencesWarning)
{
    const BuildQueue queue = QueueOf({bid::kDeuteriumSynthesizer, bid::kRoboticsFactory});
    TimelineState state;
    test::RecordingMessageSink messages;
    const std::vector<EntryEvaluation> results = Walk(queue, state, Fixed(0), messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(results[1].economy.deuteriumPerHour, 14);
    EXPECT_GT(results[1].waits[2], 0);
}

TEST(TimelineTest, NegativeDeuteriumProductionEntersUnchanged)
{
    // At 1000 degrees the temperature term is 1.28 − 2 < 0: one synthesizer
    // level yields trunc(11 × −0.72) = −7 per hour.
    const BuildQueue queue = QueueOf({bid::kDeuteriumSynthesizer, bid::kRoboticsFactory});
    TimelineState state;
    test::RecordingMessageSink messages;
    const std::vector<EntryEvaluation> results = Walk(queue, state, Fixed(1000), messages);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(messages.messages.empty());

    // Entry 0: 225/75 at 20/10 per hour, built in 300 × 3600 / 2500 = 432 s.
    EXPECT_EQ(results[0].step, 432);
    EXPECT_EQ(results[0].stockAfter, (std::array<int64_t, 3>{277, 426, 0}));

    // Entry 1: metal short by 123 at 20/h waits trunc(22140) + 1; the negative
    // deuterium quotient clamps to 0.
    EXPECT_EQ(results[1].economy.deuteriumPerHour, -7);
    EXPECT_EQ(results[1].waits, (std::array<int64_t, 3>{22141, 0, 0}));
    EXPECT_EQ(results[1].buildTime, 748);
    EXPECT_EQ(results[1].step, 22141);
    EXPECT_EQ(results[1].total, 432 + 22141);
    EXPECT_EQ(results[1].stockAfter, (std::array<int64_t, 3>{277 - 400 + 123, 426 - 120 + 62, -200 - 43}));
}

TEST(TimelineTest, ZeroDeuteriumCostNeverWaitsOrWarns)
{
    const BuildQueue queue = QueueOf({bid::kDeuteriumSynthesizer, bid::kMetalMine});
    for (const int32_t temperature : {0, 1000}) {
        TimelineState state;
        test::RecordingMessageSink messages;
        const std::vector<EntryEvaluation> results = Walk(queue, state, Fixed(temperature), messages);
        EXPECT_EQ(results[1].waits[2], 0) << temperature;
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST(TimelineTest, InputsAreReadAtEveryEvaluation)
{
    const BuildQueue queue = QueueOf({bid::kDeuteriumSynthesizer, bid::kDeuteriumSynthesizer});
    int reads = 0;
    int32_t temperature = 0;
    const PlanetInputSource inputs = [&] {
        ++reads;
        return PlanetInputs{temperature, 0};
    };
    TimelineState state;
    test::RecordingMessageSink messages;
    EXPECT_EQ(EvaluateEntry(queue, 1, state, inputs, messages)->economy.deuteriumPerHour, 14);
    temperature = 40;
    EXPECT_EQ(EvaluateEntry(queue, 1, state, inputs, messages)->economy.deuteriumPerHour, 13);
    EXPECT_EQ(reads, 2);
    AdvanceTimeline(queue, 1, state, inputs, messages);
    EXPECT_EQ(reads, 4); // once to evaluate, once more for the production credited
}

TEST(TimelineTest, CreditedProductionFollowsTheSecondRead)
{
    // One satellite appears between the two reads of a step: the waits used
    // the economy without it, the production credited is the one with it (its
    // 1 energy against the mine's 11 stops the mines).
    const BuildQueue queue = QueueOf({bid::kMetalMine, bid::kCrystalMine});
    TimelineState state;
    test::RecordingMessageSink messages;
    AdvanceTimeline(queue, 0, state, Fixed(-76), messages);
    const std::array<int64_t, 3> before = state.stock;
    int32_t satellites = 0;
    const PlanetInputSource satelliteAppears = [&] { return PlanetInputs{-76, satellites++}; };
    const std::optional<EntryEvaluation> result = AdvanceTimeline(queue, 1, state, satelliteAppears, messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->economy.metalPerHour, 53);
    const EconomyFigures credited = EvaluateEconomy(queue.EconomyAt(1, {-76, 1}));
    ASSERT_EQ(credited.metalPerHour, 20);
    for (size_t kind = 0; kind < 2; ++kind) {
        const int64_t perHour = kind == 0 ? credited.metalPerHour : credited.crystalPerHour;
        EXPECT_EQ(result->stockAfter[kind], before[kind] - result->costs[kind] + ProductionOver(perHour, result->step));
    }
}

TEST(TimelineTest, PositionOutsideQueueChangesNothing)
{
    const BuildQueue queue = QueueOf({bid::kMetalMine});
    TimelineState state;
    state.step = 7;
    state.total = 11;
    test::RecordingMessageSink messages;
    for (const int32_t position : {-1, 1, 1000}) {
        EXPECT_FALSE(AdvanceTimeline(queue, position, state, Fixed(0), messages));
        EXPECT_EQ(state.step, 7);
        EXPECT_EQ(state.total, 11);
        EXPECT_EQ(state.stock, (std::array<int64_t, 3>{500, 500, 0}));
    }
}

TEST(TimelineTest, EvaluationAccumulatesWithoutPaying)
{
    const BuildQueue queue = QueueOf({bid::kMetalMine});
    TimelineState state;
    test::RecordingMessageSink messages;
    EvaluateEntry(queue, 0, state, Fixed(0), messages);
    EvaluateEntry(queue, 0, state, Fixed(0), messages);
    EXPECT_EQ(state.total, 216);
    EXPECT_EQ(state.stock, (std::array<int64_t, 3>{500, 500, 0}));
}

TEST(TimelineTest, ResetKeepsStepAndEmptyWalkOnlyResets)
{
    TimelineState state;
    state.stock = {1, 2, 3};
    state.step = 42;
    state.total = 99;
    test::RecordingMessageSink messages;
    int observed = 0;
    WalkQueue(BuildQueue{}, kDefaultStartStock, state, Fixed(0), messages,
              [&](const EntryEvaluation &) { ++observed; });
    EXPECT_EQ(observed, 0);
    EXPECT_EQ(state.stock, (std::array<int64_t, 3>{500, 500, 0}));
    EXPECT_EQ(state.total, 0);
    EXPECT_EQ(state.step, 42);
}

TEST(TimelineTest, MovingMinesBehindChangesLaterWaits)
{
    // A fusion reactor costs 900 metal: with mines before it the wait shrinks.
    BuildQueue queue = QueueOf({bid::kMetalMine, bid::kMetalMine, bid::kSolarPlant, bid::kFusionReactor});
    TimelineState state;
    test::RecordingMessageSink messages;
    const int64_t before = Walk(queue, state, Fixed(0), messages)[3].waits[0];
    queue.SwapEntries(1, 3); // reactor now stands before the second mine level
    queue.SwapEntries(0, 1); // and before the first
    const std::vector<EntryEvaluation> after = Walk(queue, state, Fixed(0), messages);
    EXPECT_EQ(after[0].bid, bid::kFusionReactor);
    EXPECT_EQ(after[0].economy.metalPerHour, 20);
    EXPECT_GT(after[0].waits[0], before);
}

TEST(TimelineTest, HugeLevelsStaySound)
{
    BuildQueue queue;
    for (const int32_t b : {bid::kNaniteFactory, bid::kMetalMine, bid::kRoboticsFactory, bid::kDeuteriumSynthesizer}) {
        queue.AppendEntry(b, std::numeric_limits<int32_t>::max());
    }
    queue.AppendEntry(bid::kFusionReactor, 1);
    TimelineState state;
    test::RecordingMessageSink messages;
    const std::vector<EntryEvaluation> results =
        Walk(queue, state, Fixed(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()), messages);
    ASSERT_EQ(results.size(), 5u);
    EXPECT_EQ(results[0].costs[0], kMax);
    for (const EntryEvaluation &result : results) {
        EXPECT_GE(result.step, 0);
        EXPECT_GE(result.total, result.step);
    }
}

} // namespace
} // namespace korvelin
