#include "report/PaybackWriter.h"

#include "report/TextColumns.h"
#include "rules/ItemCatalogue.h"
#include "util/FormatDuration.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace korvelin::report {

std::string PaybackWithCodes(const advice::PaybackRow &row)
{
    std::string text;
    for (int32_t k = 1; k <= row.solarLevels; ++k) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(bid::kSolarPlant) + ":" + std::to_string(int64_t{row.solarFrom} + k);
    }
    return text;
}

std::string PaybackWithLevels(const advice::PaybackRow &row)
{
    std::string text;
    for (int32_t k = 1; k <= row.solarLevels; ++k) {
        if (k > 1)
            text += ", ";
        text += std::to_string(int64_t{row.solarFrom} + k);
    }
    return text;
}

std::string PaybackWithNames(const advice::PaybackRow &row)
{
    return row.solarLevels == 0 ? std::string() : ItemLabel(bid::kSolarPlant) + " " + PaybackWithLevels(row);
}

std::string PaybackDuration(const advice::PaybackRow &row)
{
    if (!row.payback)
        return "-";
    if (*row.payback > std::numeric_limits<int64_t>::max())
        return advice::FormatExact(*row.payback) + " s";
    return FormatDuration(static_cast<int64_t>(*row.payback));
}

void WritePaybackCsv(std::ostream &out, std::span<const advice::PaybackRow> rows)
{
    out << "bid,level,with,metal_cost,crystal_cost,deuterium_cost,metal_gain,crystal_gain,deuterium_gain,payback_s\n";
    std::string line;
    for (const advice::PaybackRow &row : rows) {
        line = std::to_string(row.bid) + ',' + std::to_string(row.level) + ',' + PaybackWithCodes(row);
        for (const int64_t amount : row.price)
            line += ',' + std::to_string(amount);
        for (const int64_t amount : row.gain)
            line += ',' + std::to_string(amount);
        line += ',';
        if (row.payback)
            line += advice::FormatExact(*row.payback);
        line += '\n';
        out << line;
    }
}

namespace {

constexpr std::array<const char *, 11> kTitles{"#",         "Item",   "Level",  "With",   "Metal",  "Crystal",
                                               "Deuterium", "Gain M", "Gain K", "Gain D", "Payback"};
// The item and the solar levels read from the left; figures from the right.
constexpr std::array<bool, kTitles.size()> kLeftAligned{false, true, false, true};

using Cells = std::array<std::string, kTitles.size()>;

} // namespace

void WritePaybackTable(std::ostream &out, std::span<const advice::PaybackRow> rows)
{
    std::vector<Cells> lines;
    Cells header;
    std::copy(kTitles.begin(), kTitles.end(), header.begin());
    lines.push_back(header);
    for (size_t i = 0; i < rows.size(); ++i) {
        const advice::PaybackRow &row = rows[i];
        lines.push_back({std::to_string(i + 1), ItemLabel(row.bid), std::to_string(row.level), PaybackWithNames(row),
                         std::to_string(row.price[0]), std::to_string(row.price[1]), std::to_string(row.price[2]),
                         std::to_string(row.gain[0]), std::to_string(row.gain[1]), std::to_string(row.gain[2]),
                         PaybackDuration(row)});
    }
    std::array<size_t, kTitles.size()> widths{};
    for (const Cells &cells : lines)
        FitWidths(cells, widths);
    for (const Cells &cells : lines)
        out << AlignedLine(cells, widths, kLeftAligned);
}

} // namespace korvelin::report
