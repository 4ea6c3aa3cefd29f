#pragma once
// The plan table's rows as both front ends show them: every cell's text, and
// its number where it shows one, from a walk's rows, with the marks of a plan
// that stalls and of the plan check's problems. The window adds only its
// dates; the page only draws.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "report/PlanCheck.h"
#include "report/PlanRows.h"
#include "rules/Planet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvelin::report {

enum class TableColumn {
    Line,
    Item,
    Level,
    Start,
    End,
    WaitMetal,
    WaitCrystal,
    WaitDeuterium,
    Build,
    Step,
    SetBy,
    StockMetal,
    StockCrystal,
    StockDeuterium,
    MetalPerHour,
    CrystalPerHour,
    DeuteriumPerHour,
    Energy,
    Factor,
    Note, // why the row is marked, on one line; empty when it is not
};
inline constexpr int kTableColumnCount = static_cast<int>(TableColumn::Note) + 1;

// The rows of a walk that grows: the page plays only the entries appended
// since its last walk, and the table follows with just those.
class PlanTable {
  public:
    explicit PlanTable(const Planet &planet = {}) : checker_(planet) {}

    // The rows of `walk`, the rows of `queue`'s walk, past those the table
    // has. Each row starts where the one before it ended; its marks are
    // MarksOf's and, for an entry the plan check names, kPlanProblem, with
    // one line of reason per mark and per problem.
    void Extend(const BuildQueue &queue, std::span<const EntryEvaluation> walk);
    const std::vector<PlanRow> &Rows() const { return rows_; }

  private:
    PlanChecker checker_;
    std::vector<PlanRow> rows_;
    std::vector<PlanProblem> problems_;
};

// The table's rows of a whole walk of `queue` from `planet`.
std::vector<PlanRow> MakeTableRows(const BuildQueue &queue, const Planet &planet,
                                   std::span<const EntryEvaluation> walk);

// A cell as the table shows it; the item in English or by its full name.
std::string CellText(const EntryEvaluation &row, const PlanRow &planRow, TableColumn column, bool englishNames);
// The number a cell shows, for finding a column's widest text; nothing for a
// column of words.
std::optional<int64_t> CellNumber(const EntryEvaluation &row, const PlanRow &planRow, TableColumn column);

} // namespace korvelin::report
