#include "report/PlanRows.h"

#include "util/FormatDuration.h"
#include "util/Saturating.h"

#include <algorithm>

namespace korvelin::report {

std::string_view StepCauseName(StepCause cause)
{
    switch (cause) {
    case StepCause::Metal:
        return "metal";
    case StepCause::Crystal:
        return "crystal";
    case StepCause::Deuterium:
        return "deuterium";
    case StepCause::Build:
        break;
    }
    return "build";
}

StepCause StepCauseOf(const EntryEvaluation &row)
{
    StepCause cause = StepCause::Build;
    int64_t longest = row.buildTime;
    constexpr StepCause kWaitCauses[] = {StepCause::Metal, StepCause::Crystal, StepCause::Deuterium};
    for (size_t r = 0; r < 3; ++r) {
        // Strictly longer: a tie stays with what came first.
        if (row.waits[r] > longest) {
            longest = row.waits[r];
            cause = kWaitCauses[r];
        }
    }
    return cause;
}

uint8_t MarksOf(const EntryEvaluation &row)
{
    uint8_t marks = 0;
    if (row.economy.productionFactor < 100)
        marks |= kEnergyShort;
    if (row.costs[2] > 0 && row.economy.deuteriumPerHour <= 0)
        marks |= kNoDeuterium;
    return marks;
}

std::string MarkReason(const EntryEvaluation &row, uint8_t marks)
{
    std::string reason;
    if (marks & kEnergyShort) {
        const int64_t shortBy = std::max<int64_t>(SatSub(0, row.economy.energyBalance), 0);
        reason += "Energy short by " + std::to_string(shortBy) + ": mines run at " +
                  std::to_string(row.economy.productionFactor) + "%";
    }
    if (marks & kNoDeuterium) {
        if (!reason.empty())
            reason += '\n';
        // The walk counts no deuterium wait here, so the step and every later
        // start are too early.
        reason += "Costs " + std::to_string(row.costs[2]) + " deuterium, but deuterium production is " +
                  std::to_string(row.economy.deuteriumPerHour) + " per hour: " + kCorruptedBuildMessage;
    }
    return reason;
}

std::vector<PlanRow> MakePlanRows(std::span<const EntryEvaluation> rows)
{
    std::vector<PlanRow> planRows;
    planRows.reserve(rows.size());
    int64_t start = 0;
    for (const EntryEvaluation &row : rows) {
        PlanRow &planRow = planRows.emplace_back();
        planRow.start = start;
        planRow.cause = StepCauseOf(row);
        planRow.marks = MarksOf(row);
        if (planRow.marks != 0)
            planRow.reason = MarkReason(row, planRow.marks);
        start = row.total;
    }
    return planRows;
}

PlanSummary SummarizePlan(std::span<const EntryEvaluation> rows, std::span<const PlanRow> planRows)
{
    PlanSummary summary;
    summary.total = rows.empty() ? 0 : rows.back().total;
    const size_t count = std::min(rows.size(), planRows.size());
    for (size_t i = 0; i < count; ++i) {
        int64_t &setBy = summary.setBy[static_cast<size_t>(planRows[i].cause)];
        setBy = SatAdd(setBy, rows[i].step);
        summary.markedRows += planRows[i].marks != 0 ? 1 : 0;
    }
    return summary;
}

int64_t ShareOfTotal(const PlanSummary &summary, StepCause cause)
{
    // Whole numbers only: the core holds no floating-point instruction where
    // it is built with the software extended type. Steps near the top of the
    // range are scaled down first, so that four of them times 200 still fit;
    // below 2^54 seconds every share is exact.
    uint64_t largest = 0;
    for (const int64_t seconds : summary.setBy)
        largest = std::max(largest, static_cast<uint64_t>(std::max<int64_t>(seconds, 0)));
    int shift = 0;
    while ((largest >> shift) > (uint64_t{1} << 54))
        ++shift;
    uint64_t steps = 0;
    for (const int64_t seconds : summary.setBy)
        steps += static_cast<uint64_t>(std::max<int64_t>(seconds, 0)) >> shift;
    const int64_t own = summary.setBy[static_cast<size_t>(cause)];
    if (steps == 0 || own <= 0)
        return 0;
    const uint64_t seconds = static_cast<uint64_t>(own) >> shift;
    // Rounded half up: (200 × seconds + steps) ÷ (2 × steps).
    return std::min<int64_t>(static_cast<int64_t>((seconds * 200 + steps) / (steps * 2)), 100);
}

std::string SummaryText(const PlanSummary &summary)
{
    const auto share = [&summary](StepCause cause) { return std::to_string(ShareOfTotal(summary, cause)) + "%"; };
    return "Total " + FormatDuration(summary.total) + "; waiting on metal " + share(StepCause::Metal) + ", crystal " +
           share(StepCause::Crystal) + ", deuterium " + share(StepCause::Deuterium) + "; " +
           std::to_string(summary.markedRows) + (summary.markedRows == 1 ? " marked row" : " marked rows");
}

} // namespace korvelin::report
