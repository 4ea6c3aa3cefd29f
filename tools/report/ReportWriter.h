#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <span>

namespace korvelin::report {

// The figures of one played entry, as the report prints them.
struct ReportRow {
    int32_t index = 0; // 1-based line number
    int32_t bid = 0;
    int32_t level = 0;
    std::array<int64_t, 3> cost{};
    int64_t buildTime = 0;
    std::array<int64_t, 3> wait{};
    int64_t step = 0;
    int64_t total = 0;
    std::array<int64_t, 3> stockAfter{};
    std::array<int64_t, 3> perHour{};
    int64_t energyProduced = 0;
    int64_t energyBalance = 0;
    int64_t productionFactor = 0;
};

void WriteCsv(std::ostream &out, std::span<const ReportRow> rows);
// Aligned columns for a person, then a line with the queue's total time.
void WriteTable(std::ostream &out, std::span<const ReportRow> rows);

} // namespace korvelin::report
