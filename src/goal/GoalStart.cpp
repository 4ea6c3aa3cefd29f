#include "goal/GoalStart.h"

namespace korvelin::goal {

Plan PlanOf(const GoalProblem &problem, std::span<const QueueEntry> entries)
{
    Plan plan;
    for (const QueueEntry &entry : entries)
        plan.push_back(problem.ItemOfBid(entry.bid));
    return plan;
}

Construction ConstructStart(const GoalProblem &problem, const OptimizeOptions &options,
                            const OptimizeProgressCallback &progress)
{
    Construction construction;
    const std::vector<QueueEntry> own = problem.OwnEntries();
    construction.own = OptimizeOrder(own, problem.PlanetValue(), options, progress);
    construction.evaluations = construction.own.evaluations;
    construction.tried = construction.own.ordersTried;
    if (construction.own.found) {
        construction.plan = PlanOf(problem, construction.own.order);
        construction.total = problem.TotalOf(construction.plan);
        return construction;
    }
    OptimizeOptions quick = options;
    quick.maxEvaluations = options.maxEvaluations > 0 ? std::max<uint64_t>(options.maxEvaluations / 16, 1) : 0;
    quick.timeLimit = options.timeLimit / 16;
    const Plan ownPlan = PlanOf(problem, own);
    for (int32_t extra = 1; extra <= 6 && construction.total < 0; ++extra) {
        for (int32_t solar = 0; solar < extra && construction.total < 0; ++solar) {
            Plan plan = ownPlan;
            plan.insert(plan.end(), static_cast<size_t>(extra - solar), kDeuteriumItem);
            plan.insert(plan.end(), static_cast<size_t>(solar), kSolarItem);
            const OptimizeResult result =
                OptimizeOrder(problem.EntriesOf(plan), problem.PlanetValue(), quick, progress);
            construction.evaluations += result.evaluations;
            construction.tried += result.ordersTried;
            if (result.found) {
                construction.plan = PlanOf(problem, result.order);
                construction.total = problem.TotalOf(construction.plan);
            }
            if (result.stopped && !result.found && quick.maxEvaluations == 0 && quick.timeLimit.count() <= 0)
                return construction;
        }
    }
    return construction;
}

} // namespace korvelin::goal
