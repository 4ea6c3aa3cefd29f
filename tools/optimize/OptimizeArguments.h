#pragma once

#include "ToolStart.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvelin::optimizetool {

struct ToolOptions : tools::ToolBasics {
    double seconds = 2.0;
    uint64_t seed = 1;
    std::optional<std::string> outputPath;
};

struct ParsedArguments {
    ToolOptions options;
    std::string error; // non-empty: a usage error, described
};

// Arguments without the program name; options take their value as the next
// argument or after "=".
ParsedArguments ParseOptimizeArguments(std::span<const std::string_view> arguments);

extern const char *const kOptimizeUsage;

} // namespace korvelin::optimizetool
