#include "report/PlanTable.h"

#include "rules/ItemCatalogue.h"
#include "util/FormatDuration.h"

#include <algorithm>

namespace korvelin::report {

void PlanTable::Extend(const BuildQueue &queue, std::span<const EntryEvaluation> walk)
{
    rows_.reserve(walk.size());
    for (size_t i = rows_.size(); i < walk.size(); ++i) {
        const EntryEvaluation &row = walk[i];
        PlanRow &planRow = rows_.emplace_back();
        planRow.start = i == 0 ? 0 : walk[i - 1].total;
        planRow.cause = StepCauseOf(row);
        planRow.marks = MarksOf(row);
        if (planRow.marks != 0)
            planRow.reason = MarkReason(row, planRow.marks);
        // A row the walk skipped has no entry to check; the check follows the
        // walked entries by their own index.
        if (row.index < 0 || row.index >= queue.Count())
            continue;
        problems_.clear();
        checker_.Check(row.index, queue.At(row.index), row, problems_);
        for (const PlanProblem &problem : problems_) {
            planRow.marks |= kPlanProblem;
            if (!planRow.reason.empty())
                planRow.reason += '\n';
            planRow.reason += PlanProblemReason(problem);
        }
    }
}

std::vector<PlanRow> MakeTableRows(const BuildQueue &queue, const Planet &planet, std::span<const EntryEvaluation> walk)
{
    PlanTable table(planet);
    table.Extend(queue, walk);
    return table.Rows();
}

std::string CellText(const EntryEvaluation &row, const PlanRow &planRow, TableColumn column, bool englishNames)
{
    switch (column) {
    case TableColumn::Item: {
        const int32_t index = ItemIndexOf(row.bid);
        if (index == -1)
            return std::to_string(row.bid);
        return std::string(englishNames ? EnglishName(index) : FullName(index));
    }
    case TableColumn::Start:
    case TableColumn::End:
    case TableColumn::WaitMetal:
    case TableColumn::WaitCrystal:
    case TableColumn::WaitDeuterium:
    case TableColumn::Build:
    case TableColumn::Step:
        return FormatDuration(*CellNumber(row, planRow, column));
    case TableColumn::SetBy:
        return std::string(StepCauseName(planRow.cause));
    case TableColumn::Note: {
        std::string note = planRow.reason;
        std::replace(note.begin(), note.end(), '\n', ' ');
        return note;
    }
    default:
        break;
    }
    const std::optional<int64_t> number = CellNumber(row, planRow, column);
    return number ? std::to_string(*number) : std::string();
}

std::optional<int64_t> CellNumber(const EntryEvaluation &row, const PlanRow &planRow, TableColumn column)
{
    switch (column) {
    case TableColumn::Line:
        return int64_t{row.index} + 1;
    case TableColumn::Level:
        return row.level;
    case TableColumn::Start:
        return planRow.start;
    case TableColumn::End:
        return row.total;
    case TableColumn::WaitMetal:
        return row.waits[0];
    case TableColumn::WaitCrystal:
        return row.waits[1];
    case TableColumn::WaitDeuterium:
        return row.waits[2];
    case TableColumn::Build:
        return row.buildTime;
    case TableColumn::Step:
        return row.step;
    case TableColumn::StockMetal:
        return row.stockAfter[0];
    case TableColumn::StockCrystal:
        return row.stockAfter[1];
    case TableColumn::StockDeuterium:
        return row.stockAfter[2];
    case TableColumn::MetalPerHour:
        return row.economy.metalPerHour;
    case TableColumn::CrystalPerHour:
        return row.economy.crystalPerHour;
    case TableColumn::DeuteriumPerHour:
        return row.economy.deuteriumPerHour;
    case TableColumn::Energy:
        return row.economy.energyBalance;
    case TableColumn::Factor:
        return row.economy.productionFactor;
    case TableColumn::Item:
    case TableColumn::SetBy:
    case TableColumn::Note:
        break;
    }
    return std::nullopt;
}

} // namespace korvelin::report
