#pragma once
// The plan as a table: what the window's table adds to a walk's rows. For each
// entry, when it starts, which of the build time and the three waits set its
// step, and the marks that point at a plan that stalls (an energy shortage
// that cuts production, deuterium that never comes), each with its reason in
// words; under the rows, a summary of the whole walk.

#include "queue/Timeline.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin::report {

// What set an entry's step: the largest of the build time and the waits.
enum class StepCause { Build, Metal, Crystal, Deuterium };

// "build", "metal", "crystal" or "deuterium".
std::string_view StepCauseName(StepCause cause);

// The build time when it ties with a wait; among tying waits, the first of
// metal, crystal, deuterium.
StepCause StepCauseOf(const EntryEvaluation &row);

enum PlanMark : uint8_t {
    kEnergyShort = 1, // production factor below 100
    kNoDeuterium = 2, // costs deuterium where deuterium production is 0 or less
    kPlanProblem = 4, // starts before its requirements, or costs more than its store holds (PlanCheck.h)
};

struct PlanRow {
    int64_t start = 0; // the clock when the entry starts: where the one before it ended
    StepCause cause = StepCause::Build;
    uint8_t marks = 0;  // PlanMark bits
    std::string reason; // why the row is marked, one line per mark; empty when it is not
};

// The marks of one row and their reason.
uint8_t MarksOf(const EntryEvaluation &row);
std::string MarkReason(const EntryEvaluation &row, uint8_t marks);

// One PlanRow per walked row, in order.
std::vector<PlanRow> MakePlanRows(std::span<const EntryEvaluation> rows);

struct PlanSummary {
    int64_t total = 0; // the last row's running total
    // Seconds of the steps each cause set, by StepCause; together they make
    // the total unless the clock stopped at its largest value.
    std::array<int64_t, 4> setBy{};
    int64_t markedRows = 0;
};

PlanSummary SummarizePlan(std::span<const EntryEvaluation> rows, std::span<const PlanRow> planRows);

// The percent of the time the steps that `cause` set take, rounded to
// nearest; 0 for an empty plan. Of the steps' sum rather than of the total,
// which stops at the clock's largest value while the steps go on.
int64_t ShareOfTotal(const PlanSummary &summary, StepCause cause);

// "Total 1d 02:03:04 · waiting on metal 41%, crystal 12%, deuterium 0% · 2 marked rows"
std::string SummaryText(const PlanSummary &summary);

} // namespace korvelin::report
