#include "ReportOptions.h"

#include "ToolOptions.h"

namespace korvelin::report {

const char *const kReportUsage =
    "usage: korvelin-report [--temperature TEXT] [--satellites TEXT] [--format table|csv]\n"
    "                       [--output FILE] FILE.bql\n"
    "       korvelin-report --help | --version\n"
    "\n"
    "Plays the build queue of FILE.bql on the simulated clock and prints every entry's\n"
    "price, waits, build time, running total, stock and production.\n"
    "\n"
    "  --temperature TEXT  maximum temperature (default: the file's Temperature value)\n"
    "  --satellites TEXT   number of solar satellites (default: 0)\n"
    "  --format table|csv  output for a person (default) or for a spreadsheet\n"
    "  --output FILE       write the figures to FILE instead of standard output\n";

ParsedArguments ParseReportArguments(std::span<const std::string_view> arguments)
{
    using tools::IsOption;
    using tools::TakeValue;
    ParsedArguments parsed;
    ReportOptions &options = parsed.options;
    std::string &error = parsed.error;
    bool optionsEnded = false;
    bool haveInput = false;
    for (size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string_view argument = arguments[i];
        std::string value;
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--help") {
            options.help = true;
        } else if (!optionsEnded && argument == "--version") {
            options.version = true;
        } else if (!optionsEnded && IsOption(argument, "--temperature")) {
            if (TakeValue(arguments, i, "--temperature", value, error))
                options.temperature = value;
        } else if (!optionsEnded && IsOption(argument, "--satellites")) {
            if (TakeValue(arguments, i, "--satellites", value, error))
                options.satellites = value;
        } else if (!optionsEnded && IsOption(argument, "--output")) {
            if (TakeValue(arguments, i, "--output", value, error))
                options.outputPath = value;
        } else if (!optionsEnded && IsOption(argument, "--format")) {
            if (TakeValue(arguments, i, "--format", value, error)) {
                if (value == "table")
                    options.format = ReportFormat::Table;
                else if (value == "csv")
                    options.format = ReportFormat::Csv;
                else
                    error = "unknown format '" + value + "' (use table or csv)";
            }
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + std::string(argument) + "'";
        } else if (haveInput) {
            error = "more than one queue file given";
        } else {
            options.inputPath = std::string(argument);
            haveInput = true;
        }
    }
    if (error.empty() && !haveInput && !options.help && !options.version)
        error = "no queue file given";
    return parsed;
}

} // namespace korvelin::report
