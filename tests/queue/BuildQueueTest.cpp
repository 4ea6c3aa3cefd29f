#include "queue/BuildQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace korvelin {
namespace {

using bid::kCrystalMine;
using bid::kMetalMine;

struct Item {
    int32_t bid;
    int32_t level;
};

BuildQueue QueueOf(const std::vector<Item> &items)
{
    BuildQueue queue;
    for (const Item &item : items)
        queue.AppendEntry(item.bid, item.level);
    return queue;
}

std::vector<std::pair<int32_t, int32_t>> Contents(const BuildQueue &queue)
{
    std::vector<std::pair<int32_t, int32_t>> contents;
    for (const QueueEntry &entry : queue.Entries())
        contents.emplace_back(entry.bid, entry.level);
    return contents;
}

struct StampCase {
    std::string name;
    std::function<void(BuildQueue &)> steps;
    int32_t expectedNext;
};

class OrderStampTest : public ::testing::TestWithParam<StampCase> {};

TEST_P(OrderStampTest, NextStampFollowsSmallestRemaining)
{
    BuildQueue queue;
    GetParam().steps(queue);
    EXPECT_EQ(queue.NextOrderStamp(), GetParam().expectedNext);
}

INSTANTIATE_TEST_SUITE_P(Stamps, OrderStampTest,
                         ::testing::Values(StampCase{"EmptyQueue", [](BuildQueue &) {}, 999},
                                           StampCase{"AfterOneAppend",
                                                     [](BuildQueue &q) { q.AppendEntry(kMetalMine, 1); }, 998},
                                           StampCase{"AfterThreeAppends",
                                                     [](BuildQueue &q) {
                                                         for (int i = 0; i < 3; ++i)
                                                             q.AppendEntry(kMetalMine, i + 1);
                                                     },
                                                     996},
                                           StampCase{"NewestRemovedIsReused",
                                                     [](BuildQueue &q) {
                                                         q.AppendEntry(kMetalMine, 1);
                                                         q.AppendEntry(kCrystalMine, 1);
                                                         q.RemoveEntry(1);
                                                     },
                                                     998},
                                           StampCase{"OldestRemovedLeavesSmallest",
                                                     [](BuildQueue &q) {
                                                         q.AppendEntry(kMetalMine, 1);
                                                         q.AppendEntry(kCrystalMine, 1);
                                                         q.RemoveEntry(0);
                                                     },
                                                     997},
                                           StampCase{"SwapsDoNotMatter",
                                                     [](BuildQueue &q) {
                                                         q.AppendEntry(kMetalMine, 1);
                                                         q.AppendEntry(kCrystalMine, 1);
                                                         q.SwapEntries(0, 1);
                                                     },
                                                     997},
                                           StampCase{"EverythingRemoved",
                                                     [](BuildQueue &q) {
                                                         q.AppendEntry(kMetalMine, 1);
                                                         q.AppendEntry(kMetalMine, 2);
                                                         q.RemoveEntry(0);
                                                     },
                                                     999},
                                           StampCase{"Cleared",
                                                     [](BuildQueue &q) {
                                                         q.AppendEntry(kMetalMine, 1);
                                                         q.Clear();
                                                     },
                                                     999}),
                         [](const auto &info) { return info.param.name; });

TEST(BuildQueueTest, StampTravelsWithEntry)
{
    BuildQueue queue = QueueOf({{kMetalMine, 1}, {kCrystalMine, 1}});
    queue.SwapEntries(0, 1);
    EXPECT_EQ(queue.At(0).order, 998);
    EXPECT_EQ(queue.At(0).bid, kCrystalMine);
    EXPECT_EQ(queue.At(1).order, 999);
}

struct RemoveCase {
    std::string name;
    std::vector<Item> queue;
    int32_t removeIndex;
    std::vector<std::pair<int32_t, int32_t>> remaining;
};

class RemoveEntryTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveEntryTest, RemovesChainAndKeepsQueuedLevelsInStep)
{
    const RemoveCase &c = GetParam();
    BuildQueue queue = QueueOf(c.queue);
    queue.RemoveEntry(c.removeIndex);
    EXPECT_EQ(Contents(queue), c.remaining);
    for (const CatalogueItem &item : ItemCatalogue())
        EXPECT_EQ(queue.QueuedLevel(item.bid), queue.LevelBefore(item.bid, queue.Count())) << item.bid;
}

INSTANTIATE_TEST_SUITE_P(
    Removal, RemoveEntryTest,
    ::testing::Values(
        RemoveCase{"ChainOfHigherLevelsGoesFirst",
                   {{kMetalMine, 1}, {kCrystalMine, 1}, {kMetalMine, 2}, {kMetalMine, 3}},
                   0,
                   {{kCrystalMine, 1}}},
        RemoveCase{"MiddleLevelTakesHigherOnly",
                   {{kMetalMine, 1}, {kCrystalMine, 1}, {kMetalMine, 2}, {kMetalMine, 3}},
                   2,
                   {{kMetalMine, 1}, {kCrystalMine, 1}}},
        RemoveCase{"TopLevelAlone", {{kMetalMine, 1}, {kMetalMine, 2}}, 1, {{kMetalMine, 1}}},
        RemoveCase{"OtherItemUntouched", {{kMetalMine, 1}, {kCrystalMine, 1}}, 1, {{kMetalMine, 1}}},
        // Entries of a loaded file need not rise; the chain follows the
        // first higher level each time.
        RemoveCase{"OutOfOrderLevels", {{kMetalMine, 1}, {kMetalMine, 3}, {kMetalMine, 2}}, 0, {{kMetalMine, 2}}},
        RemoveCase{"LowerLaterLevelStays", {{kMetalMine, 2}, {kMetalMine, 1}}, 0, {{kMetalMine, 1}}},
        RemoveCase{"IndexPastEnd", {{kMetalMine, 1}}, 1, {{kMetalMine, 1}}},
        RemoveCase{"NegativeIndex", {{kMetalMine, 1}}, -1, {{kMetalMine, 1}}}),
    [](const auto &info) { return info.param.name; });

struct MoveCase {
    std::string name;
    std::vector<Item> queue;
    int32_t index;
    bool up;
    bool down;
};

class MoveRuleTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveRuleTest, KeepsLevelsOfOneItemRising)
{
    const MoveCase &c = GetParam();
    const BuildQueue queue = QueueOf(c.queue);
    EXPECT_EQ(queue.CanMoveUp(c.index), c.up);
    EXPECT_EQ(queue.CanMoveDown(c.index), c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveRuleTest,
    ::testing::Values(MoveCase{"SameItemLowerAbove", {{kMetalMine, 1}, {kMetalMine, 2}}, 1, false, false},
                      MoveCase{"SameItemHigherBelow", {{kMetalMine, 1}, {kMetalMine, 2}}, 0, false, false},
                      MoveCase{"OtherItemAbove", {{kCrystalMine, 5}, {kMetalMine, 2}}, 1, true, false},
                      MoveCase{"OtherItemBelow", {{kMetalMine, 1}, {kCrystalMine, 1}}, 0, false, true},
                      MoveCase{"EqualLevelsPass", {{kMetalMine, 2}, {kMetalMine, 2}}, 1, true, false},
                      MoveCase{"EqualLevelsPassDown", {{kMetalMine, 2}, {kMetalMine, 2}}, 0, false, true},
                      MoveCase{"HigherAboveMayPass", {{kMetalMine, 3}, {kMetalMine, 2}}, 1, true, false},
                      MoveCase{"OutsideQueue", {{kMetalMine, 1}}, 5, false, false},
                      MoveCase{"Negative", {{kMetalMine, 1}}, -1, false, false}),
    [](const auto &info) { return info.param.name; });

TEST(BuildQueueTest, LevelBeforeCountsEarlierEntries)
{
    const BuildQueue queue = QueueOf({{kMetalMine, 1}, {kCrystalMine, 1}, {kMetalMine, 2}, {kMetalMine, 3}});
    struct Row {
        int32_t bid;
        int32_t n;
        int32_t level;
    };
    const Row rows[] = {
        {kMetalMine, 0, 0},
        {kMetalMine, 1, 1},
        {kMetalMine, 3, 2},
        {kMetalMine, 4, 3},
        {kMetalMine, 99, 3},
        {kMetalMine, -5, 0},
        {kCrystalMine, 1, 0},
        {kCrystalMine, 2, 1},
        {bid::kSolarPlant, 4, 0},
        {bid::kEspionage, 4, 0},
        {0, 4, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(queue.LevelBefore(row.bid, row.n), row.level) << row.bid << " at " << row.n;
}

TEST(BuildQueueTest, EconomyAtReadsLevelsAndInputs)
{
    const BuildQueue queue = QueueOf({{bid::kSolarPlant, 1},
                                      {kMetalMine, 1},
                                      {kMetalMine, 2},
                                      {kCrystalMine, 1},
                                      {bid::kFusionReactor, 1},
                                      {bid::kDeuteriumSynthesizer, 1},
                                      {bid::kRoboticsFactory, 1},
                                      {bid::kNaniteFactory, 1},
                                      {bid::kEspionage, 1}});
    const Economy economy = queue.EconomyAt(5, {-40, 3});
    EXPECT_EQ(economy.solarPlant, 1);
    EXPECT_EQ(economy.metalMine, 2);
    EXPECT_EQ(economy.crystalMine, 1);
    EXPECT_EQ(economy.fusionReactor, 1);
    EXPECT_EQ(economy.deuteriumSynthesizer, 0);
    EXPECT_EQ(economy.maxTemperature, -40);
    EXPECT_EQ(economy.satellites, 3);
    // Counting entry by entry, as the order search does, gives the same levels.
    PositionLevels counted;
    for (int32_t n = 0; n <= queue.Count(); ++n) {
        EXPECT_EQ(counted, queue.LevelsAt(n)) << n;
        counted.CountEntry(queue.At(n).bid);
    }
}

TEST(BuildQueueTest, RefusesBidsOutsideCatalogue)
{
    BuildQueue queue;
    EXPECT_EQ(queue.AppendEntry(0, 1), -1);
    EXPECT_EQ(queue.AppendEntry(200, 1), -1);
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.QueuedLevel(200), 0);
    EXPECT_EQ(queue.At(0).bid, 0); // no entry there, and no crash
}

TEST(BuildQueueTest, ClearEmptiesTable)
{
    BuildQueue queue = QueueOf({{kMetalMine, 1}, {kMetalMine, 2}});
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.QueuedLevel(kMetalMine), 0);
    EXPECT_EQ(queue.LevelBefore(kMetalMine, 2), 0);
}

// Plain restatements of the queue rules, to check the cached level counts and
// the one-pass removal against long random edit sequences.
int32_t CountBefore(const std::vector<QueueEntry> &entries, int32_t bid, int32_t n)
{
    int32_t count = 0;
    for (int32_t i = 0; i < n && i < static_cast<int32_t>(entries.size()); ++i)
        count += entries[static_cast<size_t>(i)].bid == bid ? 1 : 0;
    return count;
}

void RemoveOneAtATime(std::vector<QueueEntry> &entries, int32_t a)
{
    int32_t j = -1;
    for (size_t i = static_cast<size_t>(a) + 1; i < entries.size(); ++i) {
        if (entries[i].bid == entries[static_cast<size_t>(a)].bid &&
            entries[i].level > entries[static_cast<size_t>(a)].level) {
            j = static_cast<int32_t>(i);
            break;
        }
    }
    if (j != -1)
        RemoveOneAtATime(entries, j);
    entries.erase(entries.begin() + a);
}

TEST(BuildQueueTest, RandomEditsAgreeWithPlainRules)
{
    const int32_t bids[] = {kMetalMine, kCrystalMine, bid::kSolarPlant, bid::kRoboticsFactory, bid::kEspionage};
    std::mt19937 random(20240611);
    BuildQueue queue;
    std::vector<QueueEntry> model;
    for (int step = 0; step < 3000; ++step) {
        const int32_t count = queue.Count();
        const uint32_t action = random() % 4;
        if (action <= 1 || count == 0) {
            const int32_t b = bids[random() % std::size(bids)];
            queue.AppendUpgrade(b);
            model.push_back(queue.At(count));
        } else if (action == 2) {
            const int32_t a = static_cast<int32_t>(random() % static_cast<uint32_t>(count));
            queue.RemoveEntry(a);
            RemoveOneAtATime(model, a);
        } else {
            const int32_t i = static_cast<int32_t>(random() % static_cast<uint32_t>(count));
            const int32_t j = static_cast<int32_t>(random() % static_cast<uint32_t>(count));
            queue.SwapEntries(i, j);
            std::swap(model[static_cast<size_t>(i)], model[static_cast<size_t>(j)]);
        }
        ASSERT_EQ(queue.Count(), static_cast<int32_t>(model.size()));
        const int32_t n = queue.Count() == 0 ? 0 : static_cast<int32_t>(random() % (model.size() + 1));
        int32_t smallest = 1000;
        for (const QueueEntry &entry : model)
            smallest = std::min(smallest, entry.order);
        ASSERT_EQ(queue.NextOrderStamp(), smallest - 1) << "step " << step;
        for (const int32_t b : bids) {
            ASSERT_EQ(queue.LevelBefore(b, n), CountBefore(model, b, n)) << "step " << step;
            ASSERT_EQ(queue.QueuedLevel(b), CountBefore(model, b, queue.Count())) << "step " << step;
        }
    }
    for (size_t i = 0; i < model.size(); ++i) {
        EXPECT_EQ(queue.At(static_cast<int32_t>(i)).bid, model[i].bid);
        EXPECT_EQ(queue.At(static_cast<int32_t>(i)).level, model[i].level);
        EXPECT_EQ(queue.At(static_cast<int32_t>(i)).order, model[i].order);
    }
}

TEST(BuildQueueTest, LongChainRemovalNeedsNoDeepRecursion)
{
    BuildQueue queue;
    for (int32_t level = 1; level <= 200000; ++level) {
        queue.AppendEntry(kMetalMine, level);
    }
    queue.RemoveEntry(0);
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.QueuedLevel(kMetalMine), 0);
    EXPECT_EQ(queue.NextOrderStamp(), 999);
}

// Undo of a cascading removal: whatever was removed, putting it back leaves
// the queue as it was, down to stamps, queued levels and prefix counts.
TEST(BuildQueueTest, RestoringRemovedEntriesUndoesTheRemoval)
{
    std::mt19937 random(7);
    const int32_t bids[] = {kMetalMine, kCrystalMine, bid::kSolarPlant, bid::kRoboticsFactory};
    for (int round = 0; round < 200; ++round) {
        BuildQueue queue;
        const int count = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            const int32_t b = bids[random() % std::size(bids)];
            queue.AppendUpgrade(b);
        }
        if (random() % 2 != 0)
            queue.SwapEntries(0, queue.Count() - 1);
        const std::vector<QueueEntry> entries(queue.Entries().begin(), queue.Entries().end());
        std::vector<int32_t> levels;
        for (const int32_t b : bids)
            levels.push_back(queue.QueuedLevel(b));
        const int32_t stamp = queue.NextOrderStamp();
        const int32_t at = static_cast<int32_t>(random() % static_cast<uint32_t>(count));
        const int32_t countBefore = queue.LevelBefore(bid::kRoboticsFactory, count);

        const std::vector<RemovedEntry> removed = queue.RemoveEntry(at);
        ASSERT_FALSE(removed.empty());
        EXPECT_EQ(removed.front().index, at);
        queue.RestoreEntries(removed);

        EXPECT_TRUE(std::equal(entries.begin(), entries.end(), queue.Entries().begin(), queue.Entries().end()))
            << "round " << round;
        for (size_t i = 0; i < std::size(bids); ++i)
            EXPECT_EQ(queue.QueuedLevel(bids[i]), levels[i]);
        EXPECT_EQ(queue.NextOrderStamp(), stamp);
        EXPECT_EQ(queue.LevelBefore(bid::kRoboticsFactory, count), countBefore);
    }
}

} // namespace
} // namespace korvelin
