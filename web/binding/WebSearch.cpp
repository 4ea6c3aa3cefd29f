#include "WebSearch.h"

#include "WebPlan.h"
#include "goal/GoalPlanner.h"
#include "optimize/OptimizeSummary.h"
#include "plan/LevelList.h"

namespace korvelin::web {

namespace {

bool LoadPlan(WebPlan &plan, const std::string &planet, const std::string &order)
{
    return plan.Load(planet).accepted && plan.ApplyOrder(order, false).refusal.empty();
}

OptimizeOptions OptionsOf(uint32_t seed, double timeLimitMs, double maxEvaluations, int32_t exactLimit)
{
    OptimizeOptions options;
    options.seed = seed;
    options.timeLimit = std::chrono::milliseconds(static_cast<int64_t>(timeLimitMs));
    options.maxEvaluations = static_cast<uint64_t>(maxEvaluations);
    options.exactLimit = exactLimit;
    return options;
}

// "bid:level,…" as the Goal box sends it, read as the tools read --goal;
// `error` says which field is at fault.
std::vector<GoalTarget> ReadGoal(const std::string &text, std::string &error)
{
    const TypedLevels read = ReadTypedLevels(text, ':', "Goal");
    error = read.error;
    std::vector<GoalTarget> goal;
    for (const ItemLevel &target : read.levels)
        goal.push_back({target.bid, target.level});
    return goal;
}

} // namespace

SearchOutcome RunOrderSearch(const SearchRequest &request, const SearchProgress &progress)
{
    SearchOutcome outcome;
    WebPlan plan;
    if (!LoadPlan(plan, request.planet, request.order))
        return outcome;
    const auto entries = plan.Queue().Entries();
    const OptimizeResult result = OptimizeOrder(
        entries, plan.CurrentPlanet(),
        OptionsOf(request.seed, request.timeLimitMs, request.maxEvaluations, request.exactLimit),
        [&progress](const OptimizeProgress &p) { return !progress || progress(p.bestTotal, p.permilleUsed); });
    outcome.found = result.found;
    outcome.provenOptimal = result.provenOptimal;
    outcome.inputAdmissible = result.inputAdmissible;
    outcome.inputKeepsLimits = result.inputKeepsLimits;
    outcome.beforeTotal = result.beforeTotal;
    outcome.afterTotal = result.afterTotal;
    outcome.evaluations = static_cast<double>(result.evaluations);
    if (result.found)
        outcome.order = OrderText(result.order);
    else
        outcome.reason = NoOrderReason(result, entries);
    return outcome;
}

GoalOutcome RunGoalSearch(const GoalRequest &request, const SearchProgress &progress)
{
    GoalOutcome outcome;
    WebPlan plan;
    if (!LoadPlan(plan, request.planet, request.order))
        return outcome;
    const std::vector<GoalTarget> goal = ReadGoal(request.goal, outcome.reason);
    if (!outcome.reason.empty())
        return outcome;
    const GoalResult r = PlanGoal(
        plan.CurrentPlanet(), goal,
        OptionsOf(request.seed, request.timeLimitMs, request.maxEvaluations, request.exactLimit),
        [&progress](const OptimizeProgress &p) { return !progress || progress(p.bestTotal, p.permilleUsed); },
        plan.Queue().Entries());
    outcome.found = r.found;
    outcome.provenOptimal = r.provenOptimal;
    outcome.total = r.total;
    outcome.added = r.added;
    outcome.entries = static_cast<int32_t>(r.plan.size());
    outcome.currentTotal = r.currentTotal;
    outcome.currentAdmissible = r.currentAdmissible;
    outcome.currentReachesGoal = r.currentReachesGoal;
    outcome.currentKeepsLimits = r.currentKeepsLimits;
    outcome.evaluations = static_cast<double>(r.evaluations);
    if (r.found) {
        outcome.order = OrderText(r.plan);
        outcome.addedList = AddedUpgradeList(r);
    } else {
        outcome.reason = NoPlanReason(r);
    }
    return outcome;
}

int32_t GoalEntryCount(const std::string &planet, const std::string &goal)
{
    WebPlan plan;
    plan.Load(planet);
    int64_t count = 0;
    std::string error;
    for (const GoalTarget &target : NormalizeGoal(ReadGoal(goal, error)))
        count += std::max(0, target.level - plan.CurrentPlanet().StartLevel(target.bid));
    return static_cast<int32_t>(std::min<int64_t>(count, INT32_MAX));
}

} // namespace korvelin::web
