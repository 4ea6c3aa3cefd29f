#include "report/ReportWriter.h"

#include "report/TextColumns.h"
#include "rules/ItemCatalogue.h"
#include "util/FormatDuration.h"

#include <algorithm>
#include <string>
#include <vector>

namespace korvelin::report {

void WriteCsv(std::ostream &out, std::span<const EntryEvaluation> rows)
{
    out << "index,bid,level,metal_cost,crystal_cost,deuterium_cost,build_time_s,metal_wait_s,crystal_wait_s,"
           "deuterium_wait_s,step_s,total_s,metal_stock,crystal_stock,deuterium_stock,metal_per_hour,"
           "crystal_per_hour,deuterium_per_hour,energy_produced,energy_balance,production_factor\n";
    std::string line;
    for (const EntryEvaluation &r : rows) {
        line.clear();
        const auto field = [&line](int64_t value) {
            if (!line.empty())
                line += ',';
            line += std::to_string(value);
        };
        field(int64_t{r.index} + 1);
        field(r.bid);
        field(r.level);
        for (int64_t v : r.costs)
            field(v);
        field(r.buildTime);
        for (int64_t v : r.waits)
            field(v);
        field(r.step);
        field(r.total);
        for (int64_t v : r.stockAfter)
            field(v);
        field(r.economy.metalPerHour);
        field(r.economy.crystalPerHour);
        field(r.economy.deuteriumPerHour);
        field(r.economy.energyProduced);
        field(r.economy.energyBalance);
        field(r.economy.productionFactor);
        line += '\n';
        out << line;
    }
}

namespace {

enum class Align { Left, Right };

struct Column {
    const char *title;
    Align align;
};

constexpr Column kColumns[] = {
    {"#", Align::Right},       {"Item", Align::Left},       {"Level", Align::Right},  {"Metal", Align::Right},
    {"Crystal", Align::Right}, {"Deuterium", Align::Right}, {"Wait M", Align::Right}, {"Wait K", Align::Right},
    {"Wait D", Align::Right},  {"Build", Align::Right},     {"Total", Align::Right},  {"Stock M", Align::Right},
    {"Stock K", Align::Right}, {"Stock D", Align::Right},
};
constexpr size_t kColumnCount = std::size(kColumns);

using Cells = std::array<std::string, kColumnCount>;

Cells CellsOf(const EntryEvaluation &r)
{
    return {std::to_string(int64_t{r.index} + 1),
            ItemLabel(r.bid),
            std::to_string(r.level),
            std::to_string(r.costs[0]),
            std::to_string(r.costs[1]),
            std::to_string(r.costs[2]),
            FormatDuration(r.waits[0]),
            FormatDuration(r.waits[1]),
            FormatDuration(r.waits[2]),
            FormatDuration(r.buildTime),
            FormatDuration(r.total),
            std::to_string(r.stockAfter[0]),
            std::to_string(r.stockAfter[1]),
            std::to_string(r.stockAfter[2])};
}

constexpr std::array<bool, kColumnCount> LeftAlignedColumns()
{
    std::array<bool, kColumnCount> left{};
    for (size_t c = 0; c < kColumnCount; ++c)
        left[c] = kColumns[c].align == Align::Left;
    return left;
}

void WriteCells(std::ostream &out, const Cells &cells, const std::array<size_t, kColumnCount> &widths)
{
    static constexpr std::array<bool, kColumnCount> kLeft = LeftAlignedColumns();
    out << AlignedLine(cells, widths, kLeft);
}

} // namespace

void WriteTable(std::ostream &out, std::span<const EntryEvaluation> rows)
{
    Cells header;
    std::array<size_t, kColumnCount> widths{};
    for (size_t c = 0; c < kColumnCount; ++c)
        header[c] = kColumns[c].title;
    FitWidths(header, widths);
    std::vector<Cells> body;
    body.reserve(rows.size());
    for (const EntryEvaluation &r : rows) {
        body.push_back(CellsOf(r));
        FitWidths(body.back(), widths);
    }
    WriteCells(out, header, widths);
    for (const Cells &cells : body)
        WriteCells(out, cells, widths);
    out << "Total time: " << FormatDuration(rows.empty() ? 0 : rows.back().total) << '\n';
}

} // namespace korvelin::report
