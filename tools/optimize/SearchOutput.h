#pragma once
// The end both modes of korvelin-optimize share: the plan written to
// --output, the before-and-after lines, the search line and the check that
// standard output took it all.

#include "OptimizeArguments.h"

#include "queue/BuildQueue.h"

#include <cstdint>
#include <ostream>
#include <span>

namespace korvelin::optimizetool {

// False, with the message on `err`, when --output names a file that cannot be written.
bool WritePlanFile(const ToolOptions &options, const tools::ToolPlan &plan, std::span<const QueueEntry> entries,
                   std::ostream &err);

// "before: …", "after: …" and "saved: …".
void PrintBeforeAfter(std::ostream &out, int64_t before, bool beforeAdmissible, int64_t after);

// "1d 02:03:04 (93784 s)".
std::string TotalText(int64_t seconds);

// Prints the search line ("exact", or how many `what` were tried) and
// returns the exit status: 1 when standard output failed.
int FinishSearch(std::ostream &out, std::ostream &err, bool proven, uint64_t tried, const char *what);

} // namespace korvelin::optimizetool
