#include "ReportOptions.h"

#include "ToolStart.h"

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
    };
    // --check is the one option without a value.
    const std::vector<std::string_view> rest = tools::TakeFlag(arguments, "--check", options.check);
    parsed.error = tools::ParseToolArguments(rest, valueOptions, options);
    return parsed;
}

} // namespace korvelin::report
