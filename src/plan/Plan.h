#pragma once
// The plan as one plain value and its edits. Each edit is a function from a
// plan to the next with the text that names it ("Delete Metal Mine (3)"),
// so the window's undo steps and the web page's history apply the same
// rules and show the same words. Edits that would change nothing, or leave
// the planet outside the supported ranges, give no plan.

#include "queue/BuildQueue.h"
#include "rules/Planet.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin {

// The entries in build order and the whole planet they start from, its
// temperature and satellites included, as numbers. The queue's start levels
// are always the planet's.
struct Plan {
    BuildQueue queue;
    Planet planet;

    static Plan Of(std::span<const QueueEntry> entries, const Planet &planet);
    std::vector<QueueEntry> Entries() const { return {queue.Entries().begin(), queue.Entries().end()}; }
    friend bool operator==(const Plan &a, const Plan &b)
    {
        return a.planet == b.planet && std::equal(a.queue.Entries().begin(), a.queue.Entries().end(),
                                                  b.queue.Entries().begin(), b.queue.Entries().end());
    }
};

// How the entries changed, so that a view refreshes only what it must.
enum class EditKind {
    Appended, // one entry at the end
    Removed,  // an entry and the later entries of its item
    Moved,    // two neighbouring entries exchanged
    Replaced, // anything else: the whole plan
};

struct PlanEdit {
    Plan plan;
    std::string description; // the undo step's name
    EditKind kind = EditKind::Replaced;
    int32_t position = 0;              // the line that ends current
    std::vector<RemovedEntry> removed; // for Removed: what left, by rising index
};

// The outcome of an edit the user may be refused: the edit, or the message.
struct EditOutcome {
    std::optional<PlanEdit> edit;
    std::string refusal; // empty when the edit is simply a no-op
};

// "Metal Mine (3)": how a description names an entry.
std::string EntryName(int32_t bid, int32_t level);

// The in-place forms, for a front end that keeps its own plan and its own
// way back (the window's undo steps keep only what they need). Each changes
// `plan` exactly as the value form below does and returns the edit's
// description, kind and position (its `plan` left empty); nothing when the
// edit changes nothing.
std::optional<PlanEdit> ApplyAppend(Plan &plan, int32_t bid);
std::optional<PlanEdit> ApplyDelete(Plan &plan, int32_t index);
std::optional<PlanEdit> ApplyMove(Plan &plan, int32_t index, int32_t neighbour);

// Appends the item's next level.
std::optional<PlanEdit> AppendUpgrade(const Plan &plan, int32_t bid);
// Deletes the entry and the later entries of its item at higher levels.
std::optional<PlanEdit> DeleteEntry(const Plan &plan, int32_t index);
// Exchanges the entry with its neighbour index ± 1, where the levels allow.
std::optional<PlanEdit> MoveEntry(const Plan &plan, int32_t index, int32_t neighbour);
// Entries 0 .. line are built: each item's start level rises by its entries
// among them, the stock becomes `stockAfter` (the walk's stock after that
// line) and those entries leave the plan.
EditOutcome BuiltUpToHere(const Plan &plan, int32_t line, const std::array<int64_t, 3> &stockAfter);
// A new planet. The entries of an item whose start level changed are
// renumbered start + 1, start + 2, … in order, so the plan keeps its shape.
EditOutcome ChangePlanet(const Plan &plan, const Planet &planet);
// New entries (a search's result or a file's) on the plan's planet, or on
// `planet` when given; the entries' levels stay as they are.
// The descriptions of the searches' answers.
inline constexpr std::string_view kApplyOrderDescription = "Apply Order";
inline constexpr std::string_view kPlanGoalDescription = "Plan Goal";
inline constexpr std::string_view kGrowPlanDescription = "Grow";
PlanEdit ReplaceEntries(const Plan &plan, std::span<const QueueEntry> entries, const std::optional<Planet> &planet,
                        std::string description);

} // namespace korvelin
