#include "OptimizeArguments.h"

#include "ToolStart.h"

#include "plan/InputRanges.h"
#include "plan/LevelList.h"

#include <algorithm>
#include <charconv>
#include <chrono>
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
    "With --goal or --economy it plans instead: the fastest queue from the file's\n"
    "planet to target levels with every level they need through the technology tree,\n"
    "adding store levels where a price needs them and mines, power plants and\n"
    "factories where they pay for themselves; each line of the plan is printed with\n"
    "why it is there.\n"
    "With --grow it appends instead the upgrades that leave the most production,\n"
    "valued at a trade ratio, with the whole plan ending within the days given.\n"
    "\n" KORVELIN_PLANET_OPTIONS_USAGE "  --goal ITEM=LEVEL,... plan the fastest way to these levels from the file's\n"
    "                      planet; the file's queue is not used\n"
    "  --economy           plan the fastest way to the levels the file's queue\n"
    "                      reaches, adding economy upgrades where they help\n"
    "  --grow DAYS         append the upgrades that leave the production of the\n"
    "                      highest value with the whole plan ending within DAYS\n"
    "                      days, 1 to 3650: never less than taking the best payback\n"
    "                      again and again, and within the technology tree and the\n"
    "                      stores\n"
    "  --ratio A:B:C       with --grow: the trade ratio metal:crystal:deuterium that\n"
    "                      values the production, each part 1 to 1000 (default: 3:2:1)\n"
    "  --seconds N         longest search time in seconds, a positive number (default: 2)\n"
    "  --evaluations N     search budget in evaluated entries, a positive whole number;\n"
    "                      alone it sets no time limit, so the result is the same on\n"
    "                      every machine\n"
    "  --seed N            seed of the search, 0 to 18446744073709551615 (default: 1);\n"
    "                      the same seed gives the same search\n"
    "  --output OUT.bql    also save the new order to OUT.bql as the window saves a queue\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done, also when no shorter order exists\n"
    "  1  the file cannot be read or is rejected, or no order or plan gives every entry\n"
    "     its deuterium, or (--grow) the plan already ends after the days given\n"
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

// "ITEM=LEVEL,...", each item by its BID or English name.
std::string ParseGoal(const std::string &text, std::vector<GoalTarget> &goal)
{
    const TypedLevels read = ReadTypedLevels(text, '=', "--goal");
    for (const ItemLevel &item : read.levels)
        goal.push_back({item.bid, item.level});
    return read.error;
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
             options.secondsGiven = true;
             if (!ParseSeconds(value, options.seconds))
                 error = "--seconds needs a positive number, not '" + value + "'";
         }},
        {"--evaluations",
         [&](const std::string &value, std::string &error) {
             if (!ParseSeed(value, options.evaluations) || options.evaluations == 0)
                 error = "--evaluations needs a positive whole number, not '" + value + "'";
         }},
        {"--goal",
         [&](const std::string &value, std::string &error) {
             options.goal.emplace();
             error = ParseGoal(value, *options.goal);
         }},
        {"--grow",
         [&](const std::string &value, std::string &error) {
             const CheckedNumber days = ReadTypedNumber(kGrowDaysField, kGrowDaysRange, value);
             if (days.error)
                 error = *days.error;
             else
                 options.growDays = days.value;
         }},
        tools::RatioOption(options.ratio),
        {"--seed",
         [&](const std::string &value, std::string &error) {
             if (!ParseSeed(value, options.seed))
                 error = "--seed needs a whole number from 0 to 18446744073709551615, not '" + value + "'";
         }},
    };
    // --economy is the one option without a value.
    const std::vector<std::string_view> rest = tools::TakeFlag(arguments, "--economy", options.economy);
    parsed.error = tools::ParseToolArguments(rest, valueOptions, options);
    if (parsed.error.empty() && options.economy && options.goal)
        parsed.error = "--goal and --economy cannot be used together";
    if (parsed.error.empty() && options.growDays && (options.goal || options.economy))
        parsed.error = "--grow cannot be used with --goal or --economy";
    if (parsed.error.empty() && options.ratio && !options.growDays)
        parsed.error = "--ratio needs --grow";
    return parsed;
}

OptimizeOptions SearchOptionsOf(const ToolOptions &options)
{
    OptimizeOptions search;
    search.seed = options.seed;
    search.maxEvaluations = options.evaluations;
    if (options.evaluations > 0 && !options.secondsGiven) {
        search.timeLimit = std::chrono::milliseconds(0);
        return search;
    }
    // Whole milliseconds, and no further than the clock counts.
    const double milliseconds = std::min(options.seconds * 1000.0, 1e15);
    search.timeLimit = std::chrono::milliseconds(std::max<int64_t>(static_cast<int64_t>(milliseconds), 1));
    return search;
}

} // namespace korvelin::optimizetool
