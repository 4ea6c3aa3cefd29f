#include "RunGoal.h"

#include "SearchOutput.h"

#include "goal/GoalPlanner.h"

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";

// The level every item reaches at the end of the queue.
std::vector<GoalTarget> QueueGoal(const BuildQueue &queue, const Planet &planet)
{
    std::vector<GoalTarget> goal;
    for (const CatalogueItem &item : ItemCatalogue()) {
        const int32_t level = queue.QueuedLevel(item.bid);
        if (level > planet.StartLevel(item.bid))
            goal.push_back({item.bid, level});
    }
    return goal;
}

} // namespace

int RunGoal(const ToolOptions &options, const tools::ToolPlan &plan, std::ostream &out, std::ostream &err)
{
    const Planet &planet = plan.planet;
    const std::vector<GoalTarget> goal = options.economy ? QueueGoal(plan.queue, planet) : *options.goal;
    const std::span<const QueueEntry> current = options.economy ? plan.queue.Entries() : std::span<const QueueEntry>{};
    const GoalResult result = PlanGoal(planet, goal, SearchOptionsOf(options), {}, current);
    if (!result.found) {
        err << kProgram << ": no admissible plan: " << NoPlanReason(result) << '\n';
        return 1;
    }
    if (!WritePlanFile(options, plan, result.plan, err))
        return 1;
    if (options.economy) {
        PrintBeforeAfter(out, result.currentTotal, result.currentAdmissible, result.total);
        out << "added: " << result.added << " upgrades\n";
    } else {
        out << "goal: " << GoalText(goal) << '\n';
        out << "plan: " << TotalText(result.total) << ", " << result.plan.size() << " upgrades, " << result.added
            << " added\n";
        // Each line with why it is there, numbered as the plan file's lines.
        for (size_t line = 0; line < result.plan.size() && line < result.reasons.size(); ++line)
            out << line + 1 << ". " << GoalEntryLine(result.plan[line], result.reasons[line]) << '\n';
    }
    return FinishSearch(out, err, result.provenOptimal, result.plansTried, "plans");
}

} // namespace korvelin::optimizetool
