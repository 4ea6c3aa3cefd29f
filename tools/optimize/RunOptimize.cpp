#include "RunOptimize.h"

#include "ItemNames.h"
#include "OptimizeArguments.h"
#include "ToolFiles.h"
#include "ToolStart.h"

#include "optimize/OrderSearch.h"
#include "queue/BuildQueue.h"
#include "storage/QueueFile.h"
#include "util/FormatDuration.h"
#include "util/ParseInt.h"

#include <cstdio>
#include <string>

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";

std::string TotalText(int64_t seconds)
{
    return FormatDuration(seconds) + " (" + std::to_string(seconds) + " s)";
}

// The saving in percent of `before`, one decimal.
std::string PercentText(int64_t before, int64_t after)
{
    if (before == 0 || before == after)
        return "0.0";
    const long double share = (static_cast<long double>(before) - static_cast<long double>(after)) * 100.0L /
                              static_cast<long double>(before);
    char text[64];
    std::snprintf(text, sizeof text, "%.1Lf", share);
    return text;
}

std::string EntryText(const QueueEntry &entry, int32_t index)
{
    return "entry " + std::to_string(int64_t{index} + 1) + " (" + tools::ItemName(entry.bid) + " level " +
           std::to_string(entry.level) + ")";
}

} // namespace

int RunOptimize(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = ParseOptimizeArguments(arguments);
    const ToolOptions &options = parsed.options;
    QueueFileContents contents;
    std::string versionTag;
    if (const auto status =
            tools::StartTool({kProgram, kOptimizeUsage}, parsed.error, options, out, err, contents, versionTag))
        return *status;

    BuildQueue queue;
    ApplyLoadedQueue(queue, contents.entries);
    const std::string temperatureText = options.temperature.value_or(contents.temperature.value_or("0"));
    const PlanetInputs planet{ParseInt(temperatureText), ParseInt(options.satellites)};
    OptimizeOptions search;
    search.seed = options.seed;
    search.seconds = options.seconds;
    const OptimizeResult result = OptimizeOrder(queue.Entries(), planet, search);

    if (!result.found) {
        const int32_t blocked = result.blockedEntry;
        err << kProgram << ": no admissible order: ";
        if (blocked < 0)
            err << "the search ran out of time before it found one\n";
        else if (result.blockedProven)
            err << EntryText(queue.At(blocked), blocked) << " can never get deuterium\n";
        else
            err << EntryText(queue.At(blocked), blocked) << " got deuterium in no order the search found\n";
        return 1;
    }
    if (options.outputPath) {
        const std::string bytes = FormatQueueFile(result.order, temperatureText, versionTag);
        if (const auto failure = tools::WriteFileAtomically(*options.outputPath, bytes)) {
            err << kProgram << ": cannot write " << *options.outputPath << ": " << *failure << '\n';
            return 1;
        }
    }

    out << "before: " << TotalText(result.beforeTotal) << (result.inputAdmissible ? "" : ", inadmissible") << '\n';
    out << "after: " << TotalText(result.afterTotal) << '\n';
    out << "saved: " << FormatDuration(result.beforeTotal - result.afterTotal) << " ("
        << PercentText(result.beforeTotal, result.afterTotal) << "%)\n";
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
