#include "RunOptimize.h"

#include "OptimizeArguments.h"
#include "RunGoal.h"
#include "RunGrow.h"
#include "SearchOutput.h"
#include "ToolStart.h"

#include "optimize/OptimizeSummary.h"
#include "optimize/OrderSearch.h"
#include "queue/BuildQueue.h"

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";

} // namespace

int RunOptimize(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = ParseOptimizeArguments(arguments);
    const ToolOptions &options = parsed.options;
    tools::ToolPlan plan;
    if (const auto status = tools::StartTool({kProgram, kOptimizeUsage}, parsed.error, options, out, err, plan))
        return *status;
    if (options.growDays)
        return RunGrow(options, plan, out, err);
    if (options.goal || options.economy)
        return RunGoal(options, plan, out, err);
    const BuildQueue &queue = plan.queue;
    const OptimizeResult result = OptimizeOrder(queue.Entries(), plan.planet, SearchOptionsOf(options));

    if (!result.found) {
        err << kProgram << ": no admissible order: " << NoOrderReason(result, queue.Entries()) << '\n';
        return 1;
    }
    if (!WritePlanFile(options, plan, result.order, err))
        return 1;
    PrintBeforeAfter(out, result.beforeTotal, result.inputAdmissible, result.afterTotal);
    return FinishSearch(out, err, result.provenOptimal, result.ordersTried, "orders");
}

} // namespace korvelin::optimizetool
