#include "optimize/OrderSearch.h"

#include "optimize/Admissibility.h"
#include "optimize/GreedyOrder.h"
#include "optimize/OrderLimits.h"
#include "optimize/OrderProblem.h"
#include "search/BranchAndBound.h"
#include "search/LateAcceptance.h"

#include <algorithm>

namespace korvelin {

namespace {

using optimize::Order;

// Candidates in a row without a new best after which a search counts as
// converged: enough for every single move of a long queue to have been tried
// a few times over.
uint64_t StallLimit(int32_t count)
{
    return std::max<uint64_t>(2000, uint64_t{100} * static_cast<uint64_t>(count));
}

// The short improvement run that gives the complete search a good bound.
constexpr uint64_t kWarmUpStall = 300;

// Late acceptance looks back a few steps more on a longer queue; an order
// search ends once it has converged.
search::ClimbSettings ClimbSettingsFor(int32_t count, uint64_t stallLimit)
{
    search::ClimbSettings settings;
    settings.historyLength = static_cast<size_t>(std::clamp(count / 6, 4, 50));
    settings.stallLimit = stallLimit;
    return settings;
}

struct Start {
    Order order;
    int64_t total = -1;
};

void Consider(const optimize::OrderProblem &problem, Order order, Start &best)
{
    if (order.size() != static_cast<size_t>(problem.Count()))
        return;
    const int64_t total = problem.TotalOf(order);
    if (total >= 0 && (best.total < 0 || total < best.total)) {
        best.order = std::move(order);
        best.total = total;
    }
}

void FillOrder(const optimize::OrderProblem &problem, const Order &best, int64_t bestTotal, OptimizeResult &result)
{
    result.found = true;
    result.afterTotal = bestTotal;
    result.order.reserve(best.size());
    for (const int32_t e : best)
        result.order.push_back(problem.Entry(e));
}

// No construction found an order. The stores and deuterium together can
// leave the greedy choices stuck where another order passes, so a queue
// small enough is searched completely; otherwise, or when that search finds
// none, the answer names what blocks.
OptimizeResult SearchWithoutStart(const optimize::OrderProblem &problem, optimize::SearchBudget &budget,
                                  const OptimizeOptions &options, OptimizeResult result, int32_t stuck)
{
    bool proven = false;
    if (problem.Count() <= std::max(options.exactLimit, 1)) {
        search::ExactOutcome exact = search::SearchExactly(problem, budget, -1);
        result.ordersTried = exact.plansPlayed;
        if (!exact.best.empty()) {
            FillOrder(problem, exact.best, exact.bestTotal, result);
            result.provenOptimal = exact.complete;
        }
        // A search that ends without an order and without running out has
        // tried every order.
        proven = exact.complete || (exact.best.empty() && !budget.Stopped());
    }
    if (!result.found) {
        result.missing = optimize::FindMissingStore(problem);
        result.blockedEntry = result.missing.entry >= 0 ? result.missing.entry : stuck;
        result.blockedProven = proven;
    }
    result.stopped = budget.Stopped();
    result.evaluations = budget.Evaluations();
    return result;
}

} // namespace

OptimizeResult OptimizeOrder(std::span<const QueueEntry> entries, const Planet &planet, const OptimizeOptions &options,
                             const OptimizeProgressCallback &progress)
{
    using namespace optimize;
    OptimizeResult result;
    const OrderProblem problem(entries, planet);
    SearchBudget budget(options, progress);
    const int32_t n = problem.Count();

    Order input(static_cast<size_t>(n));
    for (int32_t e = 0; e < n; ++e)
        input[static_cast<size_t>(e)] = e;
    Slot walk = problem.StartSlot();
    for (const int32_t e : input) {
        result.inputKeepsLimits = result.inputKeepsLimits && problem.KeepsLimits(e, walk);
        problem.PlayAnyway(e, walk);
    }
    result.beforeTotal = walk.state.total;
    const int64_t inputTotal = problem.TotalOf(input);
    result.inputAdmissible = inputTotal >= 0;

    Start start;
    AdmissibilityCheck admissibility;
    if (result.inputAdmissible) {
        start = {input, inputTotal};
    } else {
        result.missing = FindMissingRequirements(problem);
        if (result.missing.entry >= 0) {
            result.blockedEntry = result.missing.entry;
            result.blockedProven = true;
            result.evaluations = budget.Evaluations();
            return result;
        }
        // The limits only take orders away: where no order gives every entry
        // its deuterium, none that keeps the limits does either.
        admissibility = CheckAdmissibility(problem);
        if (!admissibility.possible && admissibility.decided) {
            result.blockedEntry = admissibility.blockedEntry;
            result.blockedProven = true;
            result.evaluations = budget.Evaluations();
            return result;
        }
        Consider(problem, admissibility.order, start);
    }
    int32_t stuck = -1;
    if (!result.inputAdmissible) {
        Consider(problem, BuildGreedyOrder(problem, GreedyRule::InputOrder, budget, &stuck), start);
        Consider(problem, BuildGreedyOrder(problem, GreedyRule::DeuteriumFirst, budget), start);
    }
    Consider(problem, BuildGreedyOrder(problem, GreedyRule::SoonestFinish, budget), start);
    if (start.total < 0)
        return SearchWithoutStart(problem, budget, options, std::move(result), stuck);
    budget.OfferTotal(start.total);

    Order best = start.order;
    int64_t bestTotal = start.total;
    if (n <= 1 || problem.ItemCount() <= 1) {
        // One order only.
        result.provenOptimal = true;
    } else if (n <= options.exactLimit) {
        search::LateAcceptance warmUp(problem, budget, options.seed, best);
        warmUp.Run(ClimbSettingsFor(n, kWarmUpStall));
        if (warmUp.BestTotal() < bestTotal) {
            best = warmUp.Best();
            bestTotal = warmUp.BestTotal();
        }
        search::ExactOutcome exact = search::SearchExactly(problem, budget, bestTotal);
        if (!exact.best.empty()) {
            best = std::move(exact.best);
            bestTotal = exact.bestTotal;
        }
        result.provenOptimal = exact.complete;
        result.ordersTried = warmUp.CandidatesTried() + exact.plansPlayed;
    } else {
        search::LateAcceptance climb(problem, budget, options.seed, best);
        climb.Run(ClimbSettingsFor(n, StallLimit(n)));
        best = climb.Best();
        bestTotal = climb.BestTotal();
        result.ordersTried = climb.CandidatesTried();
    }

    FillOrder(problem, best, bestTotal, result);
    result.stopped = budget.Stopped();
    result.evaluations = budget.Evaluations();
    return result;
}

} // namespace korvelin
