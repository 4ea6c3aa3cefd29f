#include "ReportOptions.h"

namespace korvelin::report {

// GNU layout ("Usage:", "  or:", option table, "Exit status:"), which help2man
// turns into the manual page's synopsis, options and sections.
const char *const kReportUsage =
    "Usage: korvelin-report [OPTION]... FILE.bql\n"
    "  or:  korvelin-report --help | --version\n"
    "Plays the build queue of FILE.bql on the simulated clock and prints every entry's\n"
    "price, waits, build time, running total, stock and production.\n"
    "\n"
    "  --temperature TEXT  maximum temperature (default: the file's Temperature value)\n"
    "  --satellites TEXT   number of solar satellites (default: 0)\n"
    "  --format table|csv  output for a person (default) or for a spreadsheet\n"
    "  --output FILE       write the figures to FILE instead of standard output\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  the file cannot be read or its header is rejected, or the output cannot be written\n"
    "  2  a usage error\n";

namespace {

bool TakeValue(std::span<const std::string_view> arguments, size_t &i, std::string_view name, std::string &value,
               std::string &error)
{
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=') {
        value = std::string(argument.substr(name.size() + 1));
        return true;
    }
    if (i + 1 >= arguments.size()) {
        error = std::string(name) + " needs a value";
        return false;
    }
    value = std::string(arguments[++i]);
    return true;
}

bool IsOption(std::string_view argument, std::string_view name)
{
    return argument == name ||
           (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=');
}

} // namespace

ParsedArguments ParseReportArguments(std::span<const std::string_view> arguments)
{
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
