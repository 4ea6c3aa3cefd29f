#include "ReportOptions.h"

#include "ToolStart.h"

#include "plan/InputRanges.h"

#include <vector>

namespace korvelin::report {

// GNU layout ("Usage:", "  or:", option table, "Exit status:"), which help2man
// turns into the manual page's synopsis, options and sections.
const char *const kReportUsage =
    "Usage: korvelin-report [OPTION]... FILE.bql\n"
    "  or:  korvelin-report --help | --version\n"
    "Plays the build queue of FILE.bql on the simulated clock and prints every entry's\n"
    "price, waits, build time, running total, stock and production.\n"
    "\n" KORVELIN_PLANET_OPTIONS_USAGE "  --format table|csv  output for a person (default) or for a spreadsheet\n"
    "  --check             list instead each entry that starts before the levels its\n"
    "                      item needs, or whose price passes what its store holds\n"
    "                      while the stock before it is smaller: one line each,\n"
    "                      \"12. Plasma (1): needs Energy 8, Laser 10, Ion 5\"\n"
    "  --payback           rank instead the upgrades of the mines and power plants\n"
    "                      that can start after the plan by payback: the price, the\n"
    "                      production per hour each adds and the time its gain takes\n"
    "                      to pay the price back; each mine also with the fewest\n"
    "                      solar plant levels (up to 10) that keep its factor\n"
    "  --ratio A:B:C       with --payback: the trade ratio metal:crystal:deuterium\n"
    "                      that values the three resources, each part 1 to 1000\n"
    "                      (default: 3:2:1)\n"
    "  --at LINE           with --payback: rank after line LINE, 0 (the planet before\n"
    "                      the first entry) to the plan's last line (default)\n"
    "  --output FILE       write the figures to FILE instead of standard output\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done (with --check: no entry breaks a limit)\n"
    "  1  the file cannot be read or its header is rejected, or the output cannot be written;\n"
    "     with --check also: some entry breaks a limit\n"
    "  2  a usage error\n";

ParsedArguments ParseReportArguments(std::span<const std::string_view> arguments)
{
    ParsedArguments parsed;
    ReportOptions &options = parsed.options;
    const tools::ValueOption valueOptions[] = {
        {"--output", [&](const std::string &value, std::string &) { options.outputPath = value; }},
        {"--format",
         [&](const std::string &value, std::string &error) {
             if (value == "table")
                 options.format = ReportFormat::Table;
             else if (value == "csv")
                 options.format = ReportFormat::Csv;
             else
                 error = "unknown format '" + value + "' (use table or csv)";
         }},
        tools::RatioOption(options.ratio),
        {"--at",
         [&](const std::string &value, std::string &error) {
             const std::optional<int64_t> line = ParseWholeNumber(value);
             if (line && *line >= 0)
                 options.at = *line;
             else
                 error = "--at takes a line number from 0, not '" + value + "'";
         }},
    };
    // --check and --payback are the options without a value.
    const std::vector<std::string_view> flagged = tools::TakeFlag(arguments, "--check", options.check);
    const std::vector<std::string_view> rest = tools::TakeFlag(flagged, "--payback", options.payback);
    parsed.error = tools::ParseToolArguments(rest, valueOptions, options);
    if (parsed.error.empty() && options.check && options.payback)
        parsed.error = "--check and --payback cannot be combined";
    if (parsed.error.empty() && !options.payback && (options.ratio || options.at))
        parsed.error = std::string(options.ratio ? "--ratio" : "--at") + " needs --payback";
    return parsed;
}

} // namespace korvelin::report
