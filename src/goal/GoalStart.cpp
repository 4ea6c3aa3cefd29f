#include "goal/GoalStart.h"

namespace korvelin::goal {

Plan PlanOf(const GoalProblem &problem, std::span<const QueueEntry> entries)
{
    Plan plan;
    for (const QueueEntry &entry : entries)
        plan.push_back(problem.ItemOfBid(entry.bid));
    return plan;
}

Plan PlainOrder(const GoalProblem &problem)
{
    Plan plan;
    GoalProblem::Counts counts{};
    const auto take = [&](const auto &self, int32_t item, int32_t upTo) -> void {
        while (counts[static_cast<size_t>(item)] < upTo) {
            if (counts[static_cast<size_t>(item)] == 0) {
                for (const auto &need : problem.Needs(item))
                    self(self, need[0], need[1]);
            }
            plan.push_back(item);
            ++counts[static_cast<size_t>(item)];
        }
    };
    for (int32_t item = 0; item < problem.ItemCount(); ++item)
        take(take, item, problem.Required(item));
    return plan;
}

Plan WithLimitsKept(const GoalProblem &problem, const Plan &plan)
{
    // Enough for every store level and for the synthesizer and solar plant
    // levels that bring deuterium on a hot planet or one short of energy.
    constexpr int32_t kMostInserted = 300;
    Plan kept;
    PlanSlot slot = problem.StartSlot();
    int32_t inserted = 0;
    for (const int32_t item : plan) {
        if (item < 0 || item >= problem.ItemCount())
            return {};
        for (;;) {
            PlanSlot next = slot;
            const Refusal why = problem.Step(item, next);
            if (why == Refusal::None) {
                slot = next;
                kept.push_back(item);
                break;
            }
            int32_t before = -1;
            if (why == Refusal::Store)
                before = problem.StoreItem(static_cast<size_t>(problem.ShortStore(item, slot)));
            else if (why == Refusal::Deuterium)
                // A synthesizer level, or power where it runs short of energy.
                before = inserted % 2 == 0 ? kDeuteriumItem : kSolarItem;
            if (before < 0 || ++inserted > kMostInserted || !problem.Play(before, slot))
                return {};
            kept.push_back(before);
        }
    }
    return kept;
}

Construction ConstructStart(const GoalProblem &problem, const OptimizeOptions &options,
                            const OptimizeProgressCallback &progress)
{
    Construction construction;
    const std::vector<QueueEntry> own = problem.OwnEntries();
    construction.own = OptimizeOrder(own, problem.PlanetValue(), options, progress);
    construction.evaluations = construction.own.evaluations;
    construction.tried = construction.own.ordersTried;
    const auto offer = [&](const Plan &plan) {
        const int64_t total = plan.empty() ? -1 : problem.TotalOf(plan);
        if (total >= 0 && (construction.total < 0 || total < construction.total)) {
            construction.plan = plan;
            construction.total = total;
        }
        return total;
    };
    construction.plainTotal = offer(WithLimitsKept(problem, PlainOrder(problem)));
    if (construction.own.found) {
        offer(WithLimitsKept(problem, PlanOf(problem, construction.own.order)));
        return construction;
    }
    OptimizeOptions quick = options;
    quick.maxEvaluations = options.maxEvaluations > 0 ? std::max<uint64_t>(options.maxEvaluations / 16, 1) : 0;
    quick.timeLimit = options.timeLimit / 16;
    const Plan ownPlan = PlanOf(problem, own);
    bool improved = false;
    for (int32_t extra = 1; extra <= 6 && !improved; ++extra) {
        for (int32_t solar = 0; solar < extra && !improved; ++solar) {
            Plan plan = ownPlan;
            plan.insert(plan.end(), static_cast<size_t>(extra - solar), kDeuteriumItem);
            plan.insert(plan.end(), static_cast<size_t>(solar), kSolarItem);
            const OptimizeResult result =
                OptimizeOrder(problem.EntriesOf(plan), problem.PlanetValue(), quick, progress);
            construction.evaluations += result.evaluations;
            construction.tried += result.ordersTried;
            if (result.found)
                improved = offer(WithLimitsKept(problem, PlanOf(problem, result.order))) >= 0;
            if (result.stopped && !result.found && quick.maxEvaluations == 0 && quick.timeLimit.count() <= 0)
                return construction;
        }
    }
    return construction;
}

} // namespace korvelin::goal
