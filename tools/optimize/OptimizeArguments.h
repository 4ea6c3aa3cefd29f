#pragma once

#include "ToolStart.h"

#include "advice/TradeRatio.h"
#include "goal/GoalPlanner.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin::optimizetool {

struct ToolOptions : tools::ToolBasics {
    double seconds = 2.0;
    bool secondsGiven = false;
    uint64_t evaluations = 0; // 0: no evaluation budget
    uint64_t seed = 1;
    std::optional<std::string> outputPath;
    std::optional<std::vector<GoalTarget>> goal; // --goal
    bool economy = false;                        // --economy
    std::optional<int64_t> growDays;             // --grow
    std::optional<advice::TradeRatio> ratio;     // --ratio, with --grow
};

struct ParsedArguments {
    ToolOptions options;
    std::string error; // non-empty: a usage error, described
};

// Arguments without the program name; options take their value as the next
// argument or after "=".
ParsedArguments ParseOptimizeArguments(std::span<const std::string_view> arguments);

// The search options the tool's arguments ask for: with --evaluations and
// without --seconds the search has no time limit, so that its result depends
// on the input, the seed and the budget only.
OptimizeOptions SearchOptionsOf(const ToolOptions &options);

extern const char *const kOptimizeUsage;

} // namespace korvelin::optimizetool
