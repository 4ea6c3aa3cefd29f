#pragma once
// The goal planner: the fastest plan from the planet as it stands to target
// levels of some items. A plan holds each goal item's entries up to its
// target, every level the goal needs through the technology tree, and may add
// entries of the economy items (mines, power plants, factories) and of the
// stores anywhere, beyond their targets too; its cost is the walk's total.
// Every entry starts with its requirements reached, no price passes its store
// where the stock before the entry does not cover it, and, as in the order
// search, no entry costs deuterium where none is produced. Small goals get a complete search that proves its answer;
// every goal gets an anytime improvement search from the best order of the goal's own entries. Standard C++ only: a
// window runs it on a worker thread.

#include "optimize/OrderSearch.h"
#include "rules/Planet.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvelin {

struct GoalTarget {
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const GoalTarget &, const GoalTarget &) = default;
};

// Why a plan holds an entry: the goal's own level, a level the tree needs
// before `bid` (an item of the goal or of its prerequisites), a store level
// the entry `bid` (`level`) needs to be paid, or an economy level that makes
// the plan faster.
struct GoalEntryReason {
    enum class Kind { Goal, Required, Store, Economy };
    Kind kind = Kind::Goal;
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const GoalEntryReason &, const GoalEntryReason &) = default;
};

struct GoalResult {
    // An admissible plan exists and `plan` holds the best one found.
    bool found = false;
    std::vector<QueueEntry> plan;
    std::vector<GoalEntryReason> reasons; // one per entry of `plan`
    int64_t total = 0;
    int32_t added = 0; // entries that are not the goal's own levels
    bool provenOptimal = false;
    bool stopped = false; // the budget ran out or the callback cancelled
    uint64_t plansTried = 0;
    uint64_t evaluations = 0;
    // The best order of the goal's own entries that the construction found;
    // -1 when none is admissible.
    int64_t ownOrderTotal = -1;
    // Where the improvement started: that order, made admissible by a few
    // synthesizer and solar plant levels where it is not; −1 without one.
    int64_t startTotal = -1;
    // The goal's levels and prerequisites in a plain order (each item's
    // levels after what it needs, each store level just before the first
    // entry that needs it); the answer is never longer. −1 without one.
    int64_t plainTotal = -1;

    // The current queue given to PlanGoal (none is an empty one), as the
    // walk plays it, whether every entry there gets its deuterium and keeps
    // the limits below, and whether it reaches every target.
    int64_t currentTotal = 0;
    bool currentAdmissible = false;
    bool currentReachesGoal = false;
    // Whether every entry there starts with its requirements reached and
    // pays no price past its store that the stock before it does not cover.
    bool currentKeepsLimits = true;

    // Without a plan: a goal entry that never gets deuterium. `blockedProven`
    // tells that no plan at all gives it some.
    QueueEntry blockedEntry;
    bool blockedProven = false;
};

// The goal in catalogue order, one target per item (a later target for the
// same item replaces an earlier one), BIDs outside the catalogue left out.
std::vector<GoalTarget> NormalizeGoal(std::span<const GoalTarget> goal);

// The goal's time budget, evaluation budget, seed, progress and cancellation
// work as the order search's do; `exactLimit` is the largest number of goal
// entries that gets the complete search. `current`, when it is a plan that
// reaches the goal admissibly (the queue as it stands), is a start too, so the
// answer is never worse than it.
GoalResult PlanGoal(const Planet &planet, std::span<const GoalTarget> goal, const OptimizeOptions &options,
                    const OptimizeProgressCallback &progress = {}, std::span<const QueueEntry> current = {});

// The goal widened by the technology tree: every level its items need,
// recursively, each at least its start level, in catalogue order.
std::vector<GoalTarget> GoalWithRequirements(const Planet &planet, std::span<const GoalTarget> goal);

// "for the goal", "required by Ion", "a store for Metal Mine (22)", "pays for itself".
std::string GoalReasonText(const GoalEntryReason &reason);
// "Research Lab (3): required by Espionage": a plan's line with its reason.
std::string GoalEntryLine(const QueueEntry &entry, const GoalEntryReason &reason);
// The entries that are not the goal's own, one line per run of levels of an
// item with the same reason: "Research Lab 1–3: required by Espionage".
std::vector<std::string> AddedUpgradeLines(const GoalResult &result);
// The same lines as one text, a newline between them, as the goal question lists them.
std::string AddedUpgradeList(const GoalResult &result);

// "Metal Mine 4, Robotics Factory 1", in catalogue order.
std::string GoalText(std::span<const GoalTarget> goal);

// Why no plan exists: "Espionage level 1 can never get deuterium".
std::string NoPlanReason(const GoalResult &result);

} // namespace korvelin
