#pragma once
// "Add" on a ranking row, as the window and the page both do it: the row's
// entries put after the line the ranking was made for, one edit.

#include "advice/Payback.h"
#include "plan/Plan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvelin::advice {

// The plan's entries with the row's put after the first `position` (clamped
// to the plan). Later entries of the same items move one level up for each
// added level, so the plan keeps its shape.
std::vector<QueueEntry> EntriesWithRow(const BuildQueue &queue, int32_t position, const PaybackRow &row);

// "Add Metal Mine (16) with Solar Plant 12, 13".
std::string AddRowDescription(const PaybackRow &row);

// The edit as one step of a plan's history.
PlanEdit AddRow(const Plan &plan, int32_t position, const PaybackRow &row);

} // namespace korvelin::advice
