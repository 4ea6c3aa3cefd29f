#include "SearchOutput.h"

#include "ToolFiles.h"

#include "optimize/OptimizeSummary.h"
#include "storage/QueueFile.h"
#include "util/FormatDuration.h"

#include <string>

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";

} // namespace

bool WritePlanFile(const ToolOptions &options, const tools::ToolPlan &plan, std::span<const QueueEntry> entries,
                   std::ostream &err)
{
    if (!options.outputPath)
        return true;
    const std::string bytes = FormatQueueFile(entries, plan.temperatureText, plan.planet, plan.versionTag);
    if (const auto failure = tools::WriteFileAtomically(*options.outputPath, bytes)) {
        err << kProgram << ": cannot write " << *options.outputPath << ": " << *failure << '\n';
        return false;
    }
    return true;
}

std::string TotalText(int64_t seconds)
{
    return FormatDuration(seconds) + " (" + std::to_string(seconds) + " s)";
}

void PrintBeforeAfter(std::ostream &out, int64_t before, bool beforeAdmissible, int64_t after)
{
    out << "before: " << TotalText(before) << (beforeAdmissible ? "" : ", inadmissible") << '\n';
    out << "after: " << TotalText(after) << '\n';
    out << "saved: " << FormatDuration(before - after) << " (" << ShorterPercentText(before, after) << "%)\n";
}

int FinishSearch(std::ostream &out, std::ostream &err, bool proven, uint64_t tried, const char *what)
{
    if (proven)
        out << "search: exact\n";
    else
        out << "search: best found, " << tried << ' ' << what << " tried\n";
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write standard output\n";
        return 1;
    }
    return 0;
}

} // namespace korvelin::optimizetool
