#include "OptimizeArguments.h"

#include "ToolStart.h"

#include <charconv>
#include <cmath>

namespace korvelin::optimizetool {

// GNU layout, which help2man turns into the manual page's synopsis, options
// and sections.
const char *const kOptimizeUsage =
    "Usage: korvelin-optimize [OPTION]... FILE.bql\n"
    "  or:  korvelin-optimize --help | --version\n"
    "Finds the shortest order of the upgrades queued in FILE.bql: the same entries,\n"
    "each item's levels in their queued order, with the smallest total time on the\n"
    "simulated clock, and never an entry that costs deuterium where none is produced.\n"
    "Queues of up to 10 entries are searched completely, longer ones as well as the\n"
    "time allows. Prints the total before and after, the time saved and whether the\n"
    "order found is proven the shortest.\n"
    "\n"
    "  --temperature TEXT  maximum temperature (default: the file's Temperature value)\n"
    "  --satellites TEXT   number of solar satellites (default: the file's Satellites\n"
    "                      value, else 0)\n"
    "  --levels BID:LEVEL,...  start levels of the planet, every other item at 0\n"
    "                      (default: the file's Levels value)\n"
    "  --stock M:K:D       start stock of metal, crystal and deuterium (default: the\n"
    "                      file's Stock value, else 500:500:0)\n"
    "  --speed N           economy speed of the server, 1 to 100 (default: the file's\n"
    "                      Speed value, else 1)\n"
    "  --seconds N         longest search time in seconds, a positive number (default: 2)\n"
    "  --seed N            seed of the search, 0 to 18446744073709551615 (default: 1);\n"
    "                      the same seed gives the same search\n"
    "  --output OUT.bql    also save the new order to OUT.bql as the window saves a queue\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done, also when no shorter order exists\n"
    "  1  the file cannot be read or is rejected, or no order gives every entry its deuterium\n"
    "  2  a usage error\n";

namespace {

bool ParseSeconds(const std::string &text, double &seconds)
{
    double value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value <= 0)
        return false;
    seconds = value;
    return true;
}

bool ParseSeed(const std::string &text, uint64_t &seed)
{
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), seed);
    return failure == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace

ParsedArguments ParseOptimizeArguments(std::span<const std::string_view> arguments)
{
    ParsedArguments parsed;
    ToolOptions &options = parsed.options;
    const tools::ValueOption valueOptions[] = {
        {"--output", [&](const std::string &value, std::string &) { options.outputPath = value; }},
        {"--seconds",
         [&](const std::string &value, std::string &error) {
             if (!ParseSeconds(value, options.seconds))
                 error = "--seconds needs a positive number, not '" + value + "'";
         }},
        {"--seed",
         [&](const std::string &value, std::string &error) {
             if (!ParseSeed(value, options.seed))
                 error = "--seed needs a whole number from 0 to 18446744073709551615, not '" + value + "'";
         }},
    };
    parsed.error = tools::ParseToolArguments(arguments, valueOptions, options);
    return parsed;
}

} // namespace korvelin::optimizetool
