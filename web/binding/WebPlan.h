#pragma once
// The plan as the page holds it: the queue and the whole planet as numbers,
// its edits, its undo history, and every figure the page shows computed here
// by the core. The page keeps no rule of the game; it passes typed values
// and indices in and shows what comes back.

#include "plan/Plan.h"
#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "report/PlanTable.h"
#include "rules/Planet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin::web {

// What a load did: the messages to show, in order, and whether the plan
// changed (a rejected file leaves it alone).
struct LoadOutcome {
    bool accepted = false;
    std::vector<std::string> messages;
    bool hasSatellites = false;
};

// The planet's fields as the form shows them, each exactly as the core holds
// it: a stock past 2^53 too.
struct PlanetForm {
    std::string temperature;
    std::string satellites;
    std::string speed;
    std::string rules; // "classic" or "game"
    std::string metal;
    std::string crystal;
    std::string deuterium;
};

// The bounds of a Planet form field, as the core's text.
struct FieldRangeView {
    std::string minimum;
    std::string maximum;
};

// One item button: the next level the button queues and its figures.
struct ItemRowView {
    int32_t bid = 0;
    std::string name;
    int32_t level = 0;
    std::string metal;
    std::string crystal;
    std::string deuterium;
    std::string time;
    std::string extra;     // the capacity ("12k") or energy; empty for neither
    bool capacity = false; // `extra` is a storage capacity
};

struct QueueLineView {
    std::string name;
    int32_t level = 0;
};

// One row of the plan table, its cells as the window shows them.
struct TableRowView {
    int32_t line = 0;
    std::string name;
    int32_t level = 0;
    std::string start, end, waitMetal, waitCrystal, waitDeuterium, build, step, cause;
    std::string metal, crystal, deuterium, metalPerHour, crystalPerHour, deuteriumPerHour, energy, factor;
    std::string mark; // why the row is marked, in words; empty when it is not
};

// One row of the Next view's payback ranking, its cells as the window shows them.
struct PaybackRowView {
    std::string name;
    int32_t level = 0;
    std::string with, metal, crystal, deuterium, gainMetal, gainCrystal, gainDeuterium, payback;
};

// The entries with their stamps as text, "bid level order" per entry: how
// an order travels to the search worker and back.
std::string OrderText(std::span<const QueueEntry> entries);

// What an edit did: its description, the undo step's name, when it changed
// the plan; the message when it was refused; both empty when it changed
// nothing.
struct EditResult {
    std::string description;
    std::string refusal;
};

inline constexpr size_t kMaxWalkMessages = 1000;

class WebPlan {
  public:
    int32_t Count() const { return plan_.queue.Count(); }
    int32_t QueuedLevel(int32_t bid) const { return plan_.queue.QueuedLevel(bid); }
    int32_t StartLevel(int32_t bid) const { return plan_.planet.StartLevel(bid); }

    // The edits are the core's (plan/Plan.h); each one that changes the plan
    // is one step of the page's history, named by the core's description.

    PlanetForm Form() const;
    // The range SetField checks `field` against, for the page's inputs; empty
    // for an unknown field.
    FieldRangeView Range(const std::string &field) const;
    // One field of the Planet form, as typed, read and checked against the
    // core's range for it. `field` is "temperature", "satellites", "speed",
    // "metal", "crystal", "deuterium" or an item's BID for its start level;
    // "rules" takes "classic" or "game".
    EditResult SetField(const std::string &field, const std::string &text);
    // "Built up to here" on `line`, with the walk's stock after it.
    EditResult BuiltUpTo(int32_t line);

    EditResult Append(int32_t bid);
    // Del: the line and the later levels of its item.
    EditResult Remove(int32_t index);
    bool CanMoveUp(int32_t index) const;
    bool CanMoveDown(int32_t index) const;
    EditResult MoveUp(int32_t index);
    EditResult MoveDown(int32_t index);
    // The entries of a search's answer (OrderText) in place of the plan's:
    // the order search's when `goal` is false, else the goal planner's.
    // Refused for text this core did not write.
    EditResult ApplyOrder(const std::string &order, bool goal);
    std::string Order() const { return OrderText(plan_.queue.Entries()); }

    // A load's undo step: Checkpoint before it, Commit once it changed the plan.
    void Checkpoint();
    void Commit(const std::string &label);
    std::string Undo(); // the step's label; empty with nothing to undo
    std::string Redo();
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void ClearHistory();

    // The queue file, as the desktop's Save writes it.
    std::string FileText() const;
    // Reads a queue file's bytes; on acceptance the plan is the file's,
    // planet and all. `satellites`, when not empty, stands in for a file
    // without them (plans kept by earlier builds carried the count beside
    // the file); a count out of range is told and left at 0.
    LoadOutcome Load(const std::string &bytes, const std::string &satellites = {});

    // Plays the whole queue, as "Calculate" and korvelin-report do; the rows
    // stay until the next walk. A walk after entries were only appended plays
    // just the new ones, so a click on a plan of a million lines answers at
    // once.
    void Walk();
    int64_t Total() const { return rows_.empty() ? 0 : rows_.back().total; }
    // The walk's messages, the first kMaxWalkMessages of them and then one
    // that counts the rest: a damaged plan of a million lines must not bury
    // the page under a million of them.
    std::vector<std::string> Messages() const;
    // The walk's rows as korvelin-report --format csv writes them.
    std::string ReportCsv() const;
    // The line under the table: the total, the waits' shares, the marks.
    std::string SummaryText() const;
    // Rows first .. first + count − 1 of the table and the queue, as many as
    // there are: the page draws only the lines in view.
    std::vector<TableRowView> TableRows(int32_t first, int32_t count, bool englishNames) const;
    std::vector<QueueLineView> QueueLines(int32_t first, int32_t count, bool englishNames) const;
    std::vector<ItemRowView> ItemRows(bool englishNames) const;
    // The Next view: the payback ranking after the first `position` entries
    // at `ratio` ("3:2:1"), none for a ratio the core refuses (RatioError
    // says why); Add puts row `index` of it after that line as one step.
    std::vector<PaybackRowView> Payback(int32_t position, const std::string &ratio, bool englishNames) const;
    EditResult AddPayback(int32_t position, const std::string &ratio, int32_t index);
    // The growth plan's answer (OrderText) in place of the plan's entries.
    EditResult ApplyGrowth(const std::string &order);
    const std::vector<EntryEvaluation> &Rows() const { return rows_; }

    const BuildQueue &Queue() const { return plan_.queue; }
    const Planet &CurrentPlanet() const { return plan_.planet; }

  private:
    // Takes the edit's plan, keeping the one before it as an undo step.
    EditResult Take(std::optional<PlanEdit> edit);
    // A search's answer ("BID LEVEL ORDER" lines) in place of the entries.
    EditResult ApplyAnswer(const std::string &order, std::string_view description);
    EditResult Take(EditOutcome outcome);
    void SetPlan(Plan plan);
    void TrimHistory();

    Plan plan_;
    std::vector<EntryEvaluation> rows_;
    report::PlanTable table_;
    std::vector<std::string> messages_;
    uint64_t moreMessages_ = 0;
    // What the rows were walked from, and the clock after the last of them.
    std::vector<QueueEntry> walked_;
    Planet walkedPlanet_;
    TimelineState walkState_;
    Plan checkpoint_;
    std::vector<std::pair<std::string, Plan>> undo_;
    std::vector<std::pair<std::string, Plan>> redo_;
};

std::string NameOf(int32_t bid, bool englishNames);
std::string CurrentVersionTag();

} // namespace korvelin::web
