#pragma once
// korvelin-report: reads a queue file with the window's reader, plays the
// whole queue with the window's timeline and prints every entry's figures.

#include <ostream>
#include <span>
#include <string_view>

namespace korvelin::report {

// Runs the tool with `arguments` (without the program name) and returns its
// exit status: 0 done, 1 the file cannot be read or is rejected, 2 usage error.
int RunReport(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err);

} // namespace korvelin::report
