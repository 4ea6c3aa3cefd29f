// Random queues and goals on random planets, through the searches' public
// entry points only: every answer must be a valid plan whose total the plain
// walk confirms. The budgets count evaluations, never time, so a failing case
// fails the same way on every machine; its trace names the case.

#include "PlanLimits.h"
#include "PlanWalk.h"
#include "RandomCases.h"

#include "goal/GoalPlanner.h"
#include "optimize/OrderSearch.h"
#include "rules/Requirements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace korvelin {
namespace {

using test::CaseRandom;
using test::PlanWalk;
using test::WalkPlan;

constexpr uint64_t kSeed = 0x4B6F7276;
constexpr int32_t kOrderCases = 1500;
constexpr int32_t kGoalCases = 320;

OptimizeOptions EvaluationBudget(uint64_t evaluations, uint64_t seed)
{
    OptimizeOptions options;
    options.seed = seed;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = evaluations;
    return options;
}

std::vector<QueueEntry> EntriesOf(std::span<const QueueEntry> entries, int32_t bid)
{
    std::vector<QueueEntry> of;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(of),
                 [&](const QueueEntry &entry) { return entry.bid == bid; });
    return of;
}

// The least total over every order that keeps each item's entries in their
// queued order, the technology tree and the stores, or -1 when none is
// admissible.
int64_t BestInterleaving(std::span<const QueueEntry> input, const Planet &planet)
{
    std::vector<int32_t> bids;
    for (const QueueEntry &entry : input)
        bids.push_back(entry.bid);
    std::sort(bids.begin(), bids.end());
    int64_t best = -1;
    do {
        std::map<int32_t, size_t> taken;
        std::vector<QueueEntry> order;
        for (const int32_t bid : bids)
            order.push_back(EntriesOf(input, bid)[taken[bid]++]);
        const PlanWalk walk = WalkPlan(planet, order);
        if (walk.admissible && (best < 0 || walk.total < best) && test::KeepsLimits(planet, order))
            best = walk.total;
    } while (std::next_permutation(bids.begin(), bids.end()));
    return best;
}

void CheckOrder(std::span<const QueueEntry> input, const Planet &planet, const OptimizeResult &result)
{
    const PlanWalk before = WalkPlan(planet, input);
    const bool inputKeepsLimits = test::KeepsLimits(planet, input);
    EXPECT_EQ(result.beforeTotal, before.total);
    EXPECT_EQ(result.inputKeepsLimits, inputKeepsLimits);
    EXPECT_EQ(result.inputAdmissible, before.admissible && inputKeepsLimits);
    if (result.inputAdmissible) {
        ASSERT_TRUE(result.found);
        EXPECT_LE(result.afterTotal, result.beforeTotal);
    }
    if (input.size() <= 6) {
        // Few enough entries to try every order: a small queue without an
        // order has a proven blocked entry.
        const int64_t best = BestInterleaving(input, planet);
        EXPECT_EQ(result.found, best >= 0);
        EXPECT_EQ(result.blockedProven, best < 0);
        if (result.provenOptimal) {
            EXPECT_EQ(result.afterTotal, best);
        }
    }
    if (!result.found)
        return;
    ASSERT_EQ(result.order.size(), input.size());
    EXPECT_TRUE(std::is_permutation(result.order.begin(), result.order.end(), input.begin()));
    for (const QueueEntry &entry : input) {
        EXPECT_EQ(EntriesOf(result.order, entry.bid), EntriesOf(input, entry.bid)) << "item " << entry.bid;
    }
    const PlanWalk after = WalkPlan(planet, result.order);
    EXPECT_TRUE(after.admissible);
    EXPECT_TRUE(test::KeepsLimits(planet, result.order));
    EXPECT_EQ(after.total, result.afterTotal);
}

// Mostly, the planet starts with every level the queue's items need that the
// queue itself does not build, so that most cases have an order that keeps
// the tree (a queued prerequisite may still stand too late or too low).
void RaisePrerequisites(CaseRandom &random, Planet &planet, std::span<const QueueEntry> input)
{
    if (random.Chance(15))
        return;
    std::set<int32_t> queued;
    for (const QueueEntry &entry : input)
        queued.insert(entry.bid);
    // A raised level has needs of its own.
    for (bool raised = true; raised;) {
        raised = false;
        for (const CatalogueItem &item : ItemCatalogue()) {
            if (!queued.contains(item.bid) && planet.StartLevel(item.bid) == 0)
                continue;
            for (const Requirement &need : RequirementsOf(item.bid)) {
                if (!queued.contains(need.bid) && planet.StartLevel(need.bid) < need.level) {
                    planet.SetStartLevel(need.bid, need.level);
                    raised = true;
                }
            }
        }
    }
}

TEST(SearchPropertyTest, OrderSearchGivesValidOrdersWithTheTotalsItReports)
{
    CaseRandom cases(kSeed);
    int32_t proven = 0;
    int32_t improved = 0;
    int32_t blocked = 0;
    for (int32_t c = 0; c < kOrderCases && !HasFailure(); ++c) {
        CaseRandom random(cases.Next());
        Planet planet = test::RandomPlanet(random);
        test::MaybeGameRules(c, planet);
        const int32_t count = static_cast<int32_t>(random.Chance(70) ? random.Between(2, 10) : random.Between(11, 14));
        std::vector<QueueEntry> input = test::RandomQueue(random, planet, count);
        if (random.Chance(5))
            input = test::ShiftedLevels(random, std::move(input));
        RaisePrerequisites(random, planet, input);
        const uint64_t evaluations = static_cast<uint64_t>(random.Between(5'000, 25'000));
        SCOPED_TRACE("order case " + std::to_string(c) + ": " + test::PlanetText(planet) + " queue" +
                     test::EntriesText(input) + " evaluations " + std::to_string(evaluations) + " seed " +
                     std::to_string(1 + c));
        const OptimizeResult result = OptimizeOrder(input, planet, EvaluationBudget(evaluations, 1 + c));
        CheckOrder(input, planet, result);
        if (c % 16 == 0) {
            // No state outlives a search: the same run gives the same order.
            const OptimizeResult again = OptimizeOrder(input, planet, EvaluationBudget(evaluations, 1 + c));
            EXPECT_EQ(again.order, result.order);
            EXPECT_EQ(again.evaluations, result.evaluations);
        }
        proven += result.provenOptimal ? 1 : 0;
        improved += result.found && result.afterTotal < result.beforeTotal ? 1 : 0;
        blocked += result.found ? 0 : 1;
    }
    // The random cases reach every outcome.
    EXPECT_GT(proven, kOrderCases / 5);
    EXPECT_GT(improved, kOrderCases / 10);
    EXPECT_GT(blocked, kOrderCases / 50);
}

struct GoalCase {
    Planet planet;
    std::vector<GoalTarget> goal;
    std::vector<QueueEntry> current;
    bool currentIsPlan = false; // goal and economy items only, each goal item up to its target
};

// Levels rising by one from the start, in the order the BIDs stand.
std::vector<QueueEntry> Numbered(const std::vector<int32_t> &bids, const Planet &planet)
{
    std::map<int32_t, int32_t> levels;
    std::vector<QueueEntry> entries;
    for (const int32_t bid : bids) {
        auto [level, added] = levels.try_emplace(bid, planet.StartLevel(bid));
        entries.push_back({bid, ++level->second, 999 - static_cast<int32_t>(entries.size())});
    }
    return entries;
}

// The targets, a later one for the same item replacing an earlier one.
std::map<int32_t, int32_t> TargetLevels(const std::vector<GoalTarget> &goal)
{
    std::map<int32_t, int32_t> targets;
    for (const GoalTarget &target : goal)
        targets[target.bid] = target.level;
    return targets;
}

// The goal's own entries and those of its prerequisites, item by item.
std::vector<int32_t> OwnBids(const GoalCase &goalCase)
{
    std::vector<int32_t> bids;
    for (const auto &[bid, level] : TargetLevels(GoalWithRequirements(goalCase.planet, goalCase.goal)))
        bids.insert(bids.end(), static_cast<size_t>(std::max(0, level - goalCase.planet.StartLevel(bid))), bid);
    return bids;
}

bool ReachesGoal(const GoalCase &goalCase, std::span<const QueueEntry> entries)
{
    const std::map<int32_t, int32_t> targets = TargetLevels(goalCase.goal);
    return std::all_of(targets.begin(), targets.end(), [&](const auto &target) {
        const auto built = static_cast<int32_t>(EntriesOf(entries, target.first).size());
        return goalCase.planet.StartLevel(target.first) + built >= target.second;
    });
}

GoalCase RandomGoalCase(CaseRandom &random, int32_t caseNumber)
{
    GoalCase goalCase;
    goalCase.planet = test::RandomPlanet(random);
    test::MaybeGameRules(caseNumber, goalCase.planet);
    goalCase.goal = test::RandomGoal(random, goalCase.planet);
    if (random.Chance(30)) {
        // The goal's own entries and a few economy ones, shuffled.
        std::vector<int32_t> bids = OwnBids(goalCase);
        for (int64_t extra = random.Between(0, 4); extra > 0; --extra)
            bids.push_back(random.Pick<int32_t>(kEconomyItems));
        for (size_t i = bids.size(); i > 1; --i)
            std::swap(bids[i - 1], bids[static_cast<size_t>(random.Between(0, static_cast<int64_t>(i) - 1))]);
        goalCase.current = Numbered(bids, goalCase.planet);
        goalCase.currentIsPlan = true;
    } else if (random.Chance(15)) {
        goalCase.current = test::RandomQueue(random, goalCase.planet, static_cast<int32_t>(random.Between(1, 8)));
        if (random.Chance(50))
            goalCase.current = test::ShiftedLevels(random, std::move(goalCase.current));
    }
    return goalCase;
}

void CheckGoal(const GoalCase &goalCase, const GoalResult &result)
{
    const Planet &planet = goalCase.planet;
    const std::map<int32_t, int32_t> targets = TargetLevels(goalCase.goal);
    const PlanWalk current = WalkPlan(planet, goalCase.current);
    EXPECT_EQ(result.currentTotal, current.total);
    // Admissible means every entry gets its deuterium and keeps the limits.
    EXPECT_EQ(result.currentAdmissible, current.admissible && current.problems.empty());
    EXPECT_EQ(result.currentKeepsLimits, current.problems.empty());
    EXPECT_EQ(result.currentReachesGoal, ReachesGoal(goalCase, goalCase.current));
    if (goalCase.currentIsPlan && current.admissible && current.problems.empty()) {
        ASSERT_TRUE(result.found);
        EXPECT_LE(result.total, current.total);
    }
    if (!result.found)
        return;

    const std::map<int32_t, int32_t> widened = TargetLevels(GoalWithRequirements(planet, goalCase.goal));
    std::map<int32_t, int32_t> levels;
    int32_t own = 0;
    for (const auto &[bid, level] : targets)
        own += std::max(0, level - planet.StartLevel(bid));
    for (const QueueEntry &entry : result.plan) {
        auto [level, added] = levels.try_emplace(entry.bid, planet.StartLevel(entry.bid));
        ASSERT_EQ(entry.level, ++level->second) << "item " << entry.bid;
        if (!IsEconomyItem(entry.bid) && std::ranges::find(kStoreItems, entry.bid) == kStoreItems.end()) {
            ASSERT_TRUE(widened.contains(entry.bid)) << "item " << entry.bid;
            EXPECT_LE(entry.level, widened.at(entry.bid));
        }
    }
    EXPECT_TRUE(ReachesGoal(goalCase, result.plan));
    EXPECT_EQ(result.added, static_cast<int32_t>(result.plan.size()) - own);
    EXPECT_EQ(result.reasons.size(), result.plan.size());
    // Never longer than the goal's prerequisites and stores in a plain order.
    if (result.plainTotal >= 0) {
        EXPECT_LE(result.total, result.plainTotal);
    }
    const PlanWalk plan = WalkPlan(planet, result.plan);
    EXPECT_TRUE(plan.admissible);
    EXPECT_TRUE(plan.problems.empty()) << plan.problems.front();
    EXPECT_EQ(plan.total, result.total);
}

// The least total of every plan with at most two economy entries beyond the
// goal's own, or -1 when none is admissible.
int64_t BestPlanWithTwoAdded(const GoalCase &goalCase)
{
    const std::vector<int32_t> own = OwnBids(goalCase);
    std::vector<int32_t> alphabet(kEconomyItems.begin(), kEconomyItems.end());
    alphabet.insert(alphabet.end(), kStoreItems.begin(), kStoreItems.end());
    for (const auto &[bid, level] : TargetLevels(GoalWithRequirements(goalCase.planet, goalCase.goal))) {
        if (std::ranges::find(alphabet, bid) == alphabet.end())
            alphabet.push_back(bid);
    }
    const auto extraAllowed = [](int32_t bid) {
        return IsEconomyItem(bid) || std::ranges::find(kStoreItems, bid) != kStoreItems.end();
    };
    int64_t best = -1;
    std::vector<int32_t> bids;
    const auto descend = [&](auto &self) -> void {
        // Only plans that can still take all of the goal's own entries.
        int64_t missing = 0;
        for (const int32_t bid : alphabet) {
            missing += std::max<int64_t>(0, std::count(own.begin(), own.end(), bid) -
                                                std::count(bids.begin(), bids.end(), bid));
        }
        if (missing > static_cast<int64_t>(own.size() + 2 - bids.size()))
            return;
        if (missing == 0) {
            const PlanWalk walk = WalkPlan(goalCase.planet, Numbered(bids, goalCase.planet));
            if (walk.admissible && walk.problems.empty() && (best < 0 || walk.total < best))
                best = walk.total;
        }
        if (bids.size() >= own.size() + 2)
            return;
        for (const int32_t bid : alphabet) {
            if (!extraAllowed(bid) &&
                std::count(bids.begin(), bids.end(), bid) >= std::count(own.begin(), own.end(), bid))
                continue;
            bids.push_back(bid);
            self(self);
            bids.pop_back();
        }
    };
    descend(descend);
    return best;
}

// A proven plan is never slower than the best order of the goal's own
// entries, nor, for the smallest goals, than any plan with two more.
void CheckProof(const GoalCase &goalCase, const GoalResult &result)
{
    const std::vector<QueueEntry> own = Numbered(OwnBids(goalCase), goalCase.planet);
    const OptimizeResult order = OptimizeOrder(own, goalCase.planet, EvaluationBudget(200'000, 1));
    // The order search does not yet keep the tree and the stores: its answer
    // bounds the planner's only where it keeps them.
    if (order.found && order.provenOptimal && WalkPlan(goalCase.planet, order.order).problems.empty()) {
        ASSERT_TRUE(result.found);
        EXPECT_LE(result.total, order.afterTotal);
    }
    if (!own.empty() && own.size() <= 2) {
        const int64_t brute = BestPlanWithTwoAdded(goalCase);
        if (brute >= 0) {
            ASSERT_TRUE(result.found);
            EXPECT_LE(result.total, brute);
        }
    }
}

TEST(SearchPropertyTest, GoalPlannerGivesValidPlansWithTheTotalsItReports)
{
    CaseRandom cases(kSeed + 1);
    int32_t proven = 0;
    int32_t withAdded = 0;
    int32_t blocked = 0;
    for (int32_t c = 0; c < kGoalCases && !HasFailure(); ++c) {
        CaseRandom random(cases.Next());
        const GoalCase goalCase = RandomGoalCase(random, c);
        // Most budgets end the improvement after a few thousand candidates,
        // some let it run long enough for many restarts.
        const uint64_t evaluations =
            static_cast<uint64_t>(random.Chance(10) ? random.Between(20'000, 40'000) : random.Between(3'000, 6'000));
        std::ostringstream trace;
        trace << "goal case " << c << ": " << test::PlanetText(goalCase.planet) << " goal";
        for (const GoalTarget &target : goalCase.goal)
            trace << ' ' << target.bid << '=' << target.level;
        trace << " current" << test::EntriesText(goalCase.current) << " evaluations " << evaluations << " seed "
              << 1 + c;
        SCOPED_TRACE(trace.str());
        const GoalResult result =
            PlanGoal(goalCase.planet, goalCase.goal, EvaluationBudget(evaluations, 1 + c), {}, goalCase.current);
        CheckGoal(goalCase, result);
        if (c % 16 == 0) {
            const GoalResult again =
                PlanGoal(goalCase.planet, goalCase.goal, EvaluationBudget(evaluations, 1 + c), {}, goalCase.current);
            EXPECT_EQ(again.plan, result.plan);
            EXPECT_EQ(again.evaluations, result.evaluations);
        }
        if (result.provenOptimal)
            CheckProof(goalCase, result);
        proven += result.provenOptimal ? 1 : 0;
        withAdded += result.found && result.added > 0 ? 1 : 0;
        blocked += result.found ? 0 : 1;
    }
    EXPECT_GT(proven, kGoalCases / 10);
    EXPECT_GT(withAdded, kGoalCases / 5);
    EXPECT_GT(blocked, 0);
}

} // namespace
} // namespace korvelin
