#include "report/TextColumns.h"

#include <algorithm>

namespace korvelin::report {

size_t DisplayWidth(std::string_view utf8)
{
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void FitWidths(std::span<const std::string> cells, std::span<size_t> widths)
{
    for (size_t c = 0; c < cells.size() && c < widths.size(); ++c)
        widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
}

std::string AlignedLine(std::span<const std::string> cells, std::span<const size_t> widths,
                        std::span<const bool> leftAligned)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) {
        const std::string padding(widths[c] - std::min(widths[c], DisplayWidth(cells[c])), ' ');
        if (c > 0)
            line += "  ";
        if (!leftAligned[c])
            line += padding + cells[c];
        else if (c + 1 < cells.size())
            line += cells[c] + padding;
        else
            line += cells[c];
    }
    line += '\n';
    return line;
}

} // namespace korvelin::report
