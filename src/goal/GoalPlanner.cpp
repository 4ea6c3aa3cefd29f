#include "goal/GoalPlanner.h"

#include "goal/GoalProblem.h"
#include "goal/GoalReasons.h"
#include "goal/GoalStart.h"
#include "optimize/OrderProblem.h"
#include "rules/Requirements.h"
#include "rules/UpgradeCost.h"
#include "search/BranchAndBound.h"
#include "search/LateAcceptance.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace korvelin {

namespace {

using goal::Construction;
using goal::GoalProblem;
using goal::Plan;

// Shares of the budget, in thousandths: the order of the goal's own entries
// first, then for small goals the improvement that gives the complete search
// its first bound.
constexpr int32_t kConstructionShare = 150;
constexpr int32_t kWarmUpShare = 300;
// Of what is left after the warm-up.
constexpr int32_t kExactShare = 500;
// Candidates in a row without a new best after which a search has converged.
constexpr uint64_t kWarmUpStall = 3000;
constexpr uint64_t kWarmUpRestarts = 12;
// Evaluations of the first independent improvement run; later runs get more.
constexpr uint64_t kFirstRun = 1'000'000;

uint64_t StallLimit(size_t planSize)
{
    return std::max<uint64_t>(5000, uint64_t{200} * planSize);
}

// total · permille / 1000 without overflow.
uint64_t PartOf(uint64_t total, uint64_t permille)
{
    return total / 1000 * permille + total % 1000 * permille / 1000;
}

OptimizeOptions ShareOf(const OptimizeOptions &options, uint64_t permille)
{
    OptimizeOptions share = options;
    if (options.maxEvaluations > 0)
        share.maxEvaluations = std::max<uint64_t>(PartOf(options.maxEvaluations, permille), 1);
    if (options.timeLimit.count() > 0)
        share.timeLimit =
            std::max(options.timeLimit * static_cast<int64_t>(permille) / 1000, std::chrono::milliseconds(1));
    return share;
}

// Progress of one phase as part of the whole: `from` .. `to` thousandths.
// A cancel is remembered, so that no later phase starts.
OptimizeProgressCallback PhaseProgress(const OptimizeProgressCallback &progress, int32_t from, int32_t to,
                                       bool &cancelled)
{
    if (!progress)
        return {};
    return [&progress, from, to, &cancelled](const OptimizeProgress &phase) {
        if (!progress(OptimizeProgress{phase.bestTotal, from + phase.permilleUsed * (to - from) / 1000}))
            cancelled = true;
        return !cancelled;
    };
}

// Late acceptance looks back further on a longer plan.
search::ClimbSettings ClimbSettingsFor(size_t planSize, uint64_t stallLimit, uint64_t restarts)
{
    search::ClimbSettings settings;
    settings.historyLength = std::clamp<size_t>(planSize * 2, 20, 200);
    settings.stallLimit = stallLimit;
    settings.restarts = restarts;
    return settings;
}

OptimizeOptions Remainder(const OptimizeOptions &options, uint64_t evaluationsUsed,
                          std::chrono::steady_clock::time_point start)
{
    OptimizeOptions rest = options;
    if (options.maxEvaluations > 0)
        rest.maxEvaluations =
            std::max<uint64_t>(options.maxEvaluations - std::min(evaluationsUsed, options.maxEvaluations), 1);
    if (options.timeLimit.count() > 0) {
        const auto used =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        rest.timeLimit = std::max(options.timeLimit - used, std::chrono::milliseconds(1));
    }
    return rest;
}

} // namespace

namespace {

void DescribeCurrent(std::span<const QueueEntry> current, const Planet &planet, std::span<const GoalTarget> goal,
                     GoalResult &result)
{
    const optimize::OrderProblem queue(current, planet);
    // From the planet as it stands: its start levels and stock.
    optimize::Slot walk = queue.StartSlot();
    optimize::Order order;
    for (int32_t e = 0; e < queue.Count(); ++e) {
        // The tree and the stores, from the stock before the entry's wait.
        if (!queue.KeepsLimits(e, walk))
            result.currentKeepsLimits = false;
        queue.PlayAnyway(e, walk);
        order.push_back(e);
    }
    result.currentTotal = walk.state.total;
    result.currentAdmissible = queue.TotalOf(order) >= 0;
    // Iterator algorithms, not std::ranges: the web build's libc++ lacks them.
    const std::vector<GoalTarget> normal = NormalizeGoal(goal);
    result.currentReachesGoal = std::all_of(normal.begin(), normal.end(), [&](const GoalTarget &target) {
        const auto entries = std::count_if(current.begin(), current.end(),
                                           [&](const QueueEntry &entry) { return entry.bid == target.bid; });
        return planet.StartLevel(target.bid) + entries >= target.level;
    });
}

} // namespace

std::vector<GoalTarget> NormalizeGoal(std::span<const GoalTarget> goal)
{
    std::vector<GoalTarget> normal;
    for (const GoalTarget &target : goal) {
        if (ItemIndexOf(target.bid) == -1)
            continue;
        const auto same = std::find_if(normal.begin(), normal.end(),
                                       [&](const GoalTarget &other) { return other.bid == target.bid; });
        if (same != normal.end())
            same->level = target.level;
        else
            normal.push_back(target);
    }
    std::sort(normal.begin(), normal.end(), [](const GoalTarget &a, const GoalTarget &b) { return a.bid < b.bid; });
    return normal;
}

GoalResult PlanGoal(const Planet &planet, std::span<const GoalTarget> goal, const OptimizeOptions &options,
                    const OptimizeProgressCallback &progress, std::span<const QueueEntry> current)
{
    const auto start = std::chrono::steady_clock::now();
    GoalResult result;
    DescribeCurrent(current, planet, goal, result);
    const GoalProblem problem(planet, goal);
    if (problem.RequiredTotal() == 0) {
        result.found = true;
        result.provenOptimal = true;
        result.plainTotal = 0;
        return result;
    }

    bool cancelled = false;
    Construction construction = goal::ConstructStart(problem, ShareOf(options, kConstructionShare),
                                                     PhaseProgress(progress, 0, kConstructionShare, cancelled));
    result.ownOrderTotal = -1;
    if (construction.own.found) {
        const goal::Plan own = goal::WithLimitsKept(problem, goal::PlanOf(problem, construction.own.order));
        result.ownOrderTotal = own.empty() ? -1 : problem.TotalOf(own);
    }
    result.startTotal = construction.total;
    result.plainTotal = construction.plainTotal;
    const Plan currentPlan = goal::PlanOf(problem, current);
    const int64_t currentTotal = problem.TotalOf(currentPlan);
    if (currentTotal >= 0 && (construction.total < 0 || currentTotal < construction.total)) {
        // Only when the entries are the levels the plan's counting gives.
        const std::vector<QueueEntry> renumbered = problem.EntriesOf(currentPlan);
        const bool same =
            std::equal(renumbered.begin(), renumbered.end(), current.begin(), current.end(),
                       [](const QueueEntry &a, const QueueEntry &b) { return a.bid == b.bid && a.level == b.level; });
        if (same) {
            construction.plan = currentPlan;
            construction.total = currentTotal;
        }
    }
    result.evaluations = construction.evaluations;
    if (construction.total < 0) {
        const std::vector<QueueEntry> own = problem.OwnEntries();
        const int32_t blocked = construction.own.blockedEntry;
        if (blocked >= 0 && static_cast<size_t>(blocked) < own.size())
            result.blockedEntry = own[static_cast<size_t>(blocked)];
        else {
            const auto costly = std::find_if(own.begin(), own.end(), [&](const QueueEntry &entry) {
                const int32_t item = problem.ItemOfBid(entry.bid);
                return problem.Costs(item, entry.level - problem.StartLevel(item) - 1)[2] > 0;
            });
            if (costly != own.end())
                result.blockedEntry = *costly;
        }
        result.blockedProven = problem.HighestDeuteriumRate() <= 0;
        result.stopped = construction.own.stopped;
        return result;
    }

    const OptimizeOptions rest = Remainder(options, construction.evaluations, start);
    const bool limited = rest.maxEvaluations > 0 || rest.timeLimit.count() > 0;
    const OptimizeProgressCallback phase = PhaseProgress(progress, kConstructionShare, 1000, cancelled);
    search::SearchBudget budget(rest, phase);
    budget.OfferTotal(construction.total);
    Plan best = construction.plan;
    int64_t bestTotal = construction.total;
    const auto take = [&](const Plan &plan, int64_t total) {
        if (total >= 0 && total < bestTotal) {
            best = plan;
            bestTotal = total;
        }
    };
    // The budget whose end is the end of the whole search.
    const search::SearchBudget *last = &budget;
    std::optional<search::SearchBudget> exactBudget;
    std::optional<search::SearchBudget> lastBudget;
    if (problem.RequiredTotal() <= options.exactLimit) {
        const uint64_t warmUpEnd = PartOf(rest.maxEvaluations, kWarmUpShare);
        const auto warmUpDeadline = std::chrono::steady_clock::now() + rest.timeLimit * kWarmUpShare / 1000;
        search::ClimbSettings warmUp = ClimbSettingsFor(best.size(), kWarmUpStall, kWarmUpRestarts);
        warmUp.keepGoing = [&] {
            return (rest.maxEvaluations == 0 || budget.Evaluations() < warmUpEnd) &&
                   (rest.timeLimit.count() <= 0 || std::chrono::steady_clock::now() < warmUpDeadline);
        };
        search::LateAcceptance improver(problem, budget, options.seed, construction.plan);
        improver.Run(warmUp);
        take(improver.Best(), improver.BestTotal());
        result.plansTried += improver.CandidatesTried();
        // The complete search gets part of what is left; without a proof,
        // the improvement goes on from the best plan with the rest.
        const uint64_t used = construction.evaluations + budget.Evaluations();
        exactBudget.emplace(ShareOf(Remainder(options, used, start), kExactShare), phase);
        exactBudget->OfferTotal(bestTotal);
        search::ExactOutcome exact = search::SearchExactly(problem, *exactBudget, bestTotal);
        result.evaluations += exactBudget->Evaluations();
        take(exact.best, exact.bestTotal);
        result.provenOptimal = exact.complete;
        result.plansTried += exact.plansPlayed;
        last = &*exactBudget;
        if (!exact.complete && limited && !cancelled) {
            const uint64_t spent = used + exactBudget->Evaluations();
            lastBudget.emplace(Remainder(options, spent, start), phase);
            const search::RunsOutcome runs =
                search::ClimbInRuns(problem, *lastBudget, options.seed + 1, construction.plan, {best, bestTotal},
                                    ClimbSettingsFor(best.size(), StallLimit(best.size()), UINT64_MAX), kFirstRun);
            take(runs.best, runs.bestTotal);
            result.plansTried += runs.candidatesTried;
            result.evaluations += lastBudget->Evaluations();
            last = &*lastBudget;
        }
    } else {
        // With a budget the search starts again from its best each time it
        // stalls; without one it ends there.
        const search::RunsOutcome runs = search::ClimbInRuns(
            problem, budget, options.seed, best, {best, bestTotal},
            ClimbSettingsFor(best.size(), StallLimit(best.size()), limited ? UINT64_MAX : 0), kFirstRun);
        take(runs.best, runs.bestTotal);
        result.plansTried += runs.candidatesTried;
    }
    result.found = true;
    best = goal::WithoutIdleStores(problem, best, bestTotal);
    result.plan = problem.EntriesOf(best);
    result.reasons = goal::ReasonsOf(problem, best);
    result.total = bestTotal;
    result.added = static_cast<int32_t>(
        std::count_if(result.reasons.begin(), result.reasons.end(),
                      [](const GoalEntryReason &reason) { return reason.kind != GoalEntryReason::Kind::Goal; }));
    result.plansTried += construction.tried;
    // Stopped: cancelled in any phase, or the budget of the whole search ran
    // out before a proof. A phase's share running out stops only that phase.
    result.stopped = cancelled || (!result.provenOptimal && last->Stopped());
    result.evaluations += budget.Evaluations();
    return result;
}

std::string GoalText(std::span<const GoalTarget> goal)
{
    std::string text;
    for (const GoalTarget &target : NormalizeGoal(goal)) {
        if (!text.empty())
            text += ", ";
        text += ItemLabel(target.bid) + " " + std::to_string(target.level);
    }
    return text;
}

std::string NoPlanReason(const GoalResult &result)
{
    const QueueEntry &entry = result.blockedEntry;
    if (entry.bid == 0)
        return "the search ran out of time before it found one";
    const std::string name = ItemLabel(entry.bid) + " level " + std::to_string(entry.level);
    return name + (result.blockedProven ? " can never get deuterium" : " got deuterium in no plan the search found");
}

} // namespace korvelin
