#pragma once

#include "ToolStart.h"
#include "advice/TradeRatio.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvelin::report {

enum class ReportFormat { Table, Csv };

struct ReportOptions : tools::ToolBasics {
    ReportFormat format = ReportFormat::Table;
    std::optional<std::string> outputPath;
    // Lists the entries that break the technology tree or a store instead.
    bool check = false;
    // Ranks the producing upgrades by payback instead, after line `at` (the
    // whole plan when not given) at the trade ratio.
    bool payback = false;
    std::optional<int64_t> at;
    std::optional<advice::TradeRatio> ratio;
};

struct ParsedArguments {
    ReportOptions options;
    std::string error; // non-empty: a usage error, described
};

// Arguments without the program name. Options take their value as the next
// argument or after "=", so a temperature of "-12" is accepted as a value.
ParsedArguments ParseReportArguments(std::span<const std::string_view> arguments);

extern const char *const kReportUsage;

} // namespace korvelin::report
