#include "RunOptimize.h"

#include "OptimizeArguments.h"
#include "RunGoal.h"
#include "ToolFiles.h"
#include "ToolStart.h"

#include "optimize/OptimizeSummary.h"
#include "optimize/OrderSearch.h"
#include "queue/BuildQueue.h"
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

} // namespace

int RunOptimize(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = ParseOptimizeArguments(arguments);
    const ToolOptions &options = parsed.options;
    tools::ToolPlan plan;
    if (const auto status = tools::StartTool({kProgram, kOptimizeUsage}, parsed.error, options, out, err, plan))
        return *status;
    if (options.goal || options.economy)
        return RunGoal(options, plan, out, err);
    const BuildQueue &queue = plan.queue;
    const OptimizeResult result = OptimizeOrder(queue.Entries(), plan.planet, SearchOptionsOf(options));

    if (!result.found) {
        err << kProgram << ": no admissible order: " << NoOrderReason(result, queue.Entries()) << '\n';
        return 1;
    }
    if (options.outputPath) {
        const std::string bytes = FormatQueueFile(result.order, plan.temperatureText, plan.planet, plan.versionTag);
        if (const auto failure = tools::WriteFileAtomically(*options.outputPath, bytes)) {
            err << kProgram << ": cannot write " << *options.outputPath << ": " << *failure << '\n';
            return 1;
        }
    }

    out << "before: " << TotalText(result.beforeTotal) << (result.inputAdmissible ? "" : ", inadmissible") << '\n';
    out << "after: " << TotalText(result.afterTotal) << '\n';
    out << "saved: " << FormatDuration(result.beforeTotal - result.afterTotal) << " ("
        << ShorterPercentText(result.beforeTotal, result.afterTotal) << "%)\n";
    if (result.provenOptimal)
        out << "search: exact\n";
    else
        out << "search: best found, " << result.ordersTried << " orders tried\n";
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write standard output\n";
        return 1;
    }
    return 0;
}

} // namespace korvelin::optimizetool
