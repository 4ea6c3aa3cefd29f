#pragma once
// The planning modes of korvelin-optimize: --goal plans the fastest queue to
// the targets given, --economy to the levels the file's queue reaches.

#include "OptimizeArguments.h"

#include <ostream>

namespace korvelin::optimizetool {

// Plans for `plan`'s planet and prints the outcome; returns the exit status.
int RunGoal(const ToolOptions &options, const tools::ToolPlan &plan, std::ostream &out, std::ostream &err);

} // namespace korvelin::optimizetool
