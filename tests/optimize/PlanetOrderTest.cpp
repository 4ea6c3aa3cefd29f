// The order search on a planet that is not built from nothing: its optimum
// against every order played by the public walk from the same start.

#include "optimize/OrderSearch.h"
#include "queue/Timeline.h"

#include "PlanLimits.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace korvelin {
namespace {

int64_t WalkTotal(const std::vector<QueueEntry> &entries, const Planet &planet)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    for (const QueueEntry &entry : entries)
        queue.AppendEntry(entry.bid, entry.level);
    TimelineState state;
    test::RecordingMessageSink messages;
    bool admissible = true;
    WalkQueue(
        queue, planet.startStock, state, [inputs = planet.inputs] { return inputs; }, messages,
        [&](const EntryEvaluation &e) {
            admissible = admissible && !(e.costs[2] > 0 && e.economy.deuteriumPerHour <= 0);
        });
    return admissible && test::KeepsLimits(planet, entries) ? state.total : -1;
}

TEST(PlanetOrderTest, ExactSearchMatchesEveryOrderFromTheStart)
{
    int32_t compared = 0;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        std::mt19937 random(seed);
        Planet planet;
        for (const int32_t b : {bid::kMetalMine, bid::kCrystalMine, bid::kDeuteriumSynthesizer, bid::kSolarPlant,
                                bid::kRoboticsFactory, bid::kFusionReactor})
            planet.SetStartLevel(b, static_cast<int32_t>(random() % (b == bid::kFusionReactor ? 2 : 12)));
        // Research enough for every research here; the fusion reactor still needs its synthesizer levels.
        planet.SetStartLevel(bid::kResearchLab, 3);
        planet.SetStartLevel(113, 3);
        planet.startStock = {static_cast<int64_t>(random() % 20000), static_cast<int64_t>(random() % 20000),
                             static_cast<int64_t>(random() % 3000)};
        planet.inputs = {static_cast<int32_t>(random() % 100) - 30, static_cast<int32_t>(random() % 4),
                         1 + static_cast<int32_t>(random() % 5)};
        static constexpr int32_t kBids[] = {1, 2, 3, 4, 12, 14, 22, 31, 106, 113};
        BuildQueue queue;
        queue.SetStartLevels(planet.startLevels);
        for (int32_t i = 0, n = 3 + static_cast<int32_t>(seed % 4); i < n; ++i)
            queue.AppendUpgrade(kBids[random() % std::size(kBids)]);
        std::vector<QueueEntry> entries(queue.Entries().begin(), queue.Entries().end());

        // Every order that keeps each item's levels in order.
        int64_t best = -1;
        std::vector<size_t> index(entries.size());
        for (size_t i = 0; i < index.size(); ++i)
            index[i] = i;
        do {
            std::vector<QueueEntry> candidate;
            for (const size_t i : index)
                candidate.push_back(entries[i]);
            bool levelsInOrder = true;
            for (size_t i = 0; i < candidate.size(); ++i)
                for (size_t j = i + 1; j < candidate.size(); ++j)
                    levelsInOrder = levelsInOrder &&
                                    !(candidate[i].bid == candidate[j].bid && candidate[i].level > candidate[j].level);
            if (!levelsInOrder)
                continue;
            const int64_t total = WalkTotal(candidate, planet);
            if (total >= 0 && (best < 0 || total < best))
                best = total;
        } while (std::next_permutation(index.begin(), index.end()));

        OptimizeOptions options;
        options.timeLimit = std::chrono::milliseconds(0);
        options.maxEvaluations = 1'000'000;
        const OptimizeResult result = OptimizeOrder(entries, planet, options);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_EQ(result.found, best >= 0);
        if (best < 0)
            continue;
        ++compared;
        EXPECT_TRUE(result.provenOptimal);
        EXPECT_EQ(result.afterTotal, best);
        EXPECT_EQ(WalkTotal(result.order, planet), best);
    }
    EXPECT_GE(compared, 40);
}

} // namespace
} // namespace korvelin
