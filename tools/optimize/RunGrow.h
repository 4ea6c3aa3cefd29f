#pragma once
// The growth mode of korvelin-optimize: --grow appends the upgrades that
// leave the most production within the days given.

#include "OptimizeArguments.h"

#include <ostream>

namespace korvelin::optimizetool {

// Grows `plan` and prints the outcome; returns the exit status.
int RunGrow(const ToolOptions &options, const tools::ToolPlan &plan, std::ostream &out, std::ostream &err);

} // namespace korvelin::optimizetool
