#pragma once
// korvelin-optimize: reads a queue file with the window's reader, searches
// the shortest admissible order of its entries with the core's order search
// and prints the totals before and after; optionally saves the new order.

#include <ostream>
#include <span>
#include <string_view>

namespace korvelin::optimizetool {

// Runs the tool with `arguments` (without the program name) and returns its
// exit status: 0 done, 1 the file cannot be read or is rejected or no
// admissible order exists, 2 usage error.
int RunOptimize(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err);

} // namespace korvelin::optimizetool
