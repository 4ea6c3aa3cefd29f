// The order search on queues built around the technology tree and the
// stores: prerequisites queued after what needs them, prices above the start
// stores with store levels queued late, and a level left out now and then.
// Small queues are checked against every interleaving; larger ones run the
// climb, so that the sanitizer build sees every move under both limits.

#include "PlanLimits.h"
#include "PlanWalk.h"
#include "RandomCases.h"

#include "optimize/OptimizeSummary.h"
#include "optimize/OrderSearch.h"
#include "rules/Requirements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace korvelin {
namespace {

using test::CaseRandom;

constexpr int32_t kCases = 400;

// Items whose trees are short enough for small queues.
constexpr int32_t kTargets[] = {21, 44, bid::kEspionage, 108, 109, 111, 113, 115, 117, 120, bid::kFusionReactor};

// Appends the levels `bid` needs beyond `levels` (recursively, prerequisites
// first), then `bid` itself one level up; now and then a needed level is
// left out.
void AppendWithNeeds(CaseRandom &random, int32_t bid, std::map<int32_t, int32_t> &levels,
                     std::vector<QueueEntry> &entries)
{
    for (const Requirement &need : RequirementsOf(bid)) {
        while (levels[need.bid] < need.level) {
            if (random.Chance(1)) {
                ++levels[need.bid]; // left out: the planet lacks it
                continue;
            }
            AppendWithNeeds(random, need.bid, levels, entries);
        }
    }
    entries.push_back({bid, ++levels[bid], 999 - static_cast<int32_t>(entries.size())});
}

struct LimitCase {
    Planet planet;
    std::vector<QueueEntry> input;
};

LimitCase RandomLimitCase(CaseRandom &random, int32_t most)
{
    LimitCase c;
    Planet &planet = c.planet;
    planet.inputs.maxTemperature = static_cast<int32_t>(random.Between(-60, 60));
    planet.inputs.economySpeed = static_cast<int32_t>(random.Between(1, 4));
    // Mostly a synthesizer that runs, so that deuterium seldom decides.
    planet.SetStartLevel(bid::kDeuteriumSynthesizer,
                         static_cast<int32_t>(random.Between(random.Chance(90) ? 2 : 0, 8)));

    planet.SetStartLevel(bid::kResearchLab, static_cast<int32_t>(random.Between(0, 4)));
    planet.SetStartLevel(113, static_cast<int32_t>(random.Between(0, 3)));
    planet.SetStartLevel(bid::kRoboticsFactory, static_cast<int32_t>(random.Between(0, 2)));
    // Mines whose next levels cost more than the start stores hold.
    const bool stores = random.Chance(40);
    if (stores) {
        planet.SetStartLevel(bid::kMetalMine, static_cast<int32_t>(random.Between(18, 22)));
        planet.SetStartLevel(bid::kCrystalMine, static_cast<int32_t>(random.Between(14, 19)));
    }
    planet.SetStartLevel(bid::kSolarPlant,
                         static_cast<int32_t>(stores ? random.Between(20, 24) : random.Between(4, 12)));
    planet.startStock = {random.Between(0, 150'000), random.Between(0, 150'000), random.Between(0, 20'000)};

    std::map<int32_t, int32_t> levels;
    for (const CatalogueItem &item : ItemCatalogue())
        levels[item.bid] = planet.StartLevel(item.bid);
    std::vector<QueueEntry> built;
    if (stores) {
        for (int64_t k = random.Between(1, 3); k > 0; --k)
            AppendWithNeeds(random, random.Chance(60) ? bid::kMetalMine : bid::kCrystalMine, levels, built);
        for (int64_t k = random.Between(0, 4); k > 0; --k)
            AppendWithNeeds(random, random.Chance(75) ? bid::kMetalStorage : bid::kCrystalStorage, levels, built);
    }
    for (int64_t k = random.Between(1, 2); k > 0 && static_cast<int32_t>(built.size()) < most; --k)
        AppendWithNeeds(random, random.Pick<int32_t>(kTargets), levels, built);
    while (static_cast<int32_t>(built.size()) < most && random.Chance(most > 8 ? 85 : 50))
        AppendWithNeeds(random, random.Pick<int32_t>(kEconomyItems), levels, built);
    if (static_cast<int32_t>(built.size()) > most)
        built.resize(static_cast<size_t>(most)); // a prerequisite's own needs may be cut off: refused then

    // A random interleaving of the items, each item's entries in order: the
    // input mostly breaks a limit that another order keeps.
    std::map<int32_t, std::vector<QueueEntry>> byItem;
    for (const QueueEntry &entry : built)
        byItem[entry.bid].push_back(entry);
    std::map<int32_t, size_t> next;
    while (c.input.size() < built.size()) {
        std::vector<int32_t> open;
        for (const auto &[bid, entries] : byItem) {
            if (next[bid] < entries.size())
                open.push_back(bid);
        }
        const int32_t bid = random.Pick<int32_t>(open);
        c.input.push_back(byItem[bid][next[bid]++]);
    }
    return c;
}

// The least total over every interleaving that keeps each item's order, both
// limits and deuterium, or -1 when none does.
int64_t BestInterleaving(const LimitCase &c)
{
    std::vector<int32_t> bids;
    for (const QueueEntry &entry : c.input)
        bids.push_back(entry.bid);
    std::sort(bids.begin(), bids.end());
    int64_t best = -1;
    do {
        std::map<int32_t, size_t> taken;
        std::vector<QueueEntry> order;
        for (const int32_t bid : bids) {
            size_t seen = 0;
            for (const QueueEntry &entry : c.input) {
                if (entry.bid == bid && seen++ == taken[bid]) {
                    order.push_back(entry);
                    break;
                }
            }
            ++taken[bid];
        }
        const test::PlanWalk walk = test::WalkPlan(c.planet, order);
        if (walk.admissible && (best < 0 || walk.total < best) && test::KeepsLimits(c.planet, order))
            best = walk.total;
    } while (std::next_permutation(bids.begin(), bids.end()));
    return best;
}

OptimizeOptions Evaluations(uint64_t evaluations, uint64_t seed, int32_t exactLimit)
{
    OptimizeOptions options;
    options.seed = seed;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = evaluations;
    options.exactLimit = exactLimit;
    return options;
}

// What every answer must hold: a found order keeps the items' orders, both
// limits and the total the walk gives; a refusal names what to add.
void CheckAnswer(const LimitCase &c, const OptimizeResult &result)
{
    const bool keeps = test::KeepsLimits(c.planet, c.input);
    EXPECT_EQ(result.inputKeepsLimits, keeps);
    if (keeps && test::WalkPlan(c.planet, c.input).admissible) {
        EXPECT_TRUE(result.inputAdmissible);
        ASSERT_TRUE(result.found);
    }
    if (!result.found) {
        if (!result.missing.levels.empty()) {
            ASSERT_GE(result.blockedEntry, 0);
            const std::string reason = NoOrderReason(result, c.input);
            EXPECT_NE(reason.find(" needs "), std::string::npos) << reason;
        }
        return;
    }
    ASSERT_EQ(result.order.size(), c.input.size());
    for (const QueueEntry &entry : c.input) {
        std::vector<int32_t> before, after;
        for (const QueueEntry &e : c.input)
            if (e.bid == entry.bid)
                before.push_back(e.order);
        for (const QueueEntry &e : result.order)
            if (e.bid == entry.bid)
                after.push_back(e.order);
        ASSERT_EQ(before, after) << "item " << entry.bid;
    }
    EXPECT_TRUE(test::KeepsLimits(c.planet, result.order));
    const test::PlanWalk walk = test::WalkPlan(c.planet, result.order);
    EXPECT_TRUE(walk.admissible);
    EXPECT_EQ(walk.total, result.afterTotal);
}

TEST(OrderLimitsTest, SmallQueuesMatchEveryInterleaving)
{
    CaseRandom cases(0x4C696D73);
    int32_t mended = 0, refused = 0, proven = 0;
    for (int32_t n = 0; n < kCases && !HasFailure(); ++n) {
        CaseRandom random(cases.Next());
        const LimitCase c = RandomLimitCase(random, 7);
        SCOPED_TRACE("limit case " + std::to_string(n) + ": " + test::PlanetText(c.planet) + " queue" +
                     test::EntriesText(c.input));
        const OptimizeResult result = OptimizeOrder(c.input, c.planet, Evaluations(400'000, 1 + n, 10));
        CheckAnswer(c, result);
        const int64_t best = BestInterleaving(c);
        EXPECT_EQ(result.found, best >= 0);
        EXPECT_EQ(result.blockedProven, best < 0);
        if (result.found) {
            EXPECT_TRUE(result.provenOptimal);
            EXPECT_EQ(result.afterTotal, best);
        }
        mended += result.found && !result.inputKeepsLimits ? 1 : 0;
        refused += result.found ? 0 : 1;
        proven += result.provenOptimal ? 1 : 0;
    }
    // The cases reach every outcome.
    EXPECT_GT(mended, kCases / 5);
    EXPECT_GT(refused, kCases / 20);
    EXPECT_GT(proven, kCases / 2);
}

// Longer queues: the warm-up, the complete search and the climb, with
// budgets from a few thousand evaluations to enough for convergence.
TEST(OrderLimitsTest, LongerQueuesKeepBothLimits)
{
    CaseRandom cases(0x436C6D62);
    int32_t climbed = 0;
    for (int32_t n = 0; n < kCases / 2 && !HasFailure(); ++n) {
        CaseRandom random(cases.Next());
        const LimitCase c = RandomLimitCase(random, 16);
        const uint64_t evaluations = static_cast<uint64_t>(random.Between(2'000, 60'000));
        const int32_t exactLimit = static_cast<int32_t>(random.Between(4, 10));
        SCOPED_TRACE("long case " + std::to_string(n) + ": " + test::PlanetText(c.planet) + " queue" +
                     test::EntriesText(c.input) + " evaluations " + std::to_string(evaluations) + " exact " +
                     std::to_string(exactLimit));
        const OptimizeResult result = OptimizeOrder(c.input, c.planet, Evaluations(evaluations, 1 + n, exactLimit));
        CheckAnswer(c, result);
        climbed += result.found && static_cast<int32_t>(c.input.size()) > exactLimit ? 1 : 0;
    }
    EXPECT_GT(climbed, kCases / 20);
}

} // namespace
} // namespace korvelin
