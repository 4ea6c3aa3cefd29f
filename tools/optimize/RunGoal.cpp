#include "RunGoal.h"

#include "ToolFiles.h"

#include "goal/GoalPlanner.h"
#include "optimize/OptimizeSummary.h"
#include "storage/QueueFile.h"
#include "util/FormatDuration.h"

#include <string>

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";

std::string TotalText(int64_t seconds)
{
    return FormatDuration(seconds) + " (" + std::to_string(seconds) + " s)";
}

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
    if (options.outputPath) {
        const std::string bytes = FormatQueueFile(result.plan, plan.temperatureText, planet, plan.versionTag);
        if (const auto failure = tools::WriteFileAtomically(*options.outputPath, bytes)) {
            err << kProgram << ": cannot write " << *options.outputPath << ": " << *failure << '\n';
            return 1;
        }
    }

    if (options.economy) {
        const int64_t before = result.currentTotal;
        out << "before: " << TotalText(before) << (result.currentAdmissible ? "" : ", inadmissible") << '\n';
        out << "after: " << TotalText(result.total) << '\n';
        out << "saved: " << FormatDuration(before - result.total) << " (" << ShorterPercentText(before, result.total)
            << "%)\n";
        out << "added: " << result.added << " upgrades\n";
    } else {
        out << "goal: " << GoalText(goal) << '\n';
        out << "plan: " << TotalText(result.total) << ", " << result.plan.size() << " upgrades, " << result.added
            << " added\n";
    }
    if (result.provenOptimal)
        out << "search: exact\n";
    else
        out << "search: best found, " << result.plansTried << " plans tried\n";
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write standard output\n";
        return 1;
    }
    return 0;
}

} // namespace korvelin::optimizetool
