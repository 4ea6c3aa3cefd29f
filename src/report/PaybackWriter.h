#pragma once
// The payback ranking's layouts: one CSV row per ranking row for a
// spreadsheet, and aligned columns with English names and durations for a
// person. Shared by korvelin-report and the window's Next view.

#include "advice/Payback.h"

#include <ostream>
#include <span>
#include <string>

namespace korvelin::report {

// "4:5 4:6": the solar levels a row takes along, as the CSV's `with` column.
std::string PaybackWithCodes(const advice::PaybackRow &row);
// "Solar Plant 5, 6", or empty for a row without solar levels.
std::string PaybackWithNames(const advice::PaybackRow &row);
// The added solar plant levels alone ("13, 14"), for a front end that names
// the item in the language it shows; empty without any.
std::string PaybackWithLevels(const advice::PaybackRow &row);
// The payback as a duration ("1d 02:30:00"), its seconds where it passes
// what a duration shows, or "-" where there is none.
std::string PaybackDuration(const advice::PaybackRow &row);

void WritePaybackCsv(std::ostream &out, std::span<const advice::PaybackRow> rows);
void WritePaybackTable(std::ostream &out, std::span<const advice::PaybackRow> rows);

} // namespace korvelin::report
