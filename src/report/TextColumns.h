#pragma once
// Aligned text columns for a person: cells two spaces apart, each padded to
// its column's width in characters (not bytes: the five items without an
// English caption are shown by their Cyrillic names).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace korvelin::report {

size_t DisplayWidth(std::string_view utf8);

// Widens each column's width to its cell in `cells`.
void FitWidths(std::span<const std::string> cells, std::span<size_t> widths);

// One line with its newline. A column is padded on the right where
// `leftAligned` says so, on the left otherwise; a left-aligned last cell is
// not padded, so no line ends in spaces.
std::string AlignedLine(std::span<const std::string> cells, std::span<const size_t> widths,
                        std::span<const bool> leftAligned);

} // namespace korvelin::report
