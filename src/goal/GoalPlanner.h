#pragma once
// The goal planner: the fastest plan from the planet as it stands to target
// levels of some items. A plan holds each goal item's entries up to its
// target and may add entries of the economy items (mines, power plants,
// factories) anywhere, beyond their targets too; its cost is the walk's total
// and, as in the order search, no entry may cost deuterium where none is
// produced. Small goals get a complete search that proves its answer; every
// goal gets an anytime improvement search from the best order of the goal's
// own entries. Standard C++ only: a window runs it on a worker thread.

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

struct GoalResult {
    // An admissible plan exists and `plan` holds the best one found.
    bool found = false;
    std::vector<QueueEntry> plan;
    int64_t total = 0;
    int32_t added = 0; // economy entries beyond the goal's own
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

    // The current queue given to PlanGoal (none is an empty one), as the
    // walk plays it, whether every entry there gets its deuterium, and
    // whether it reaches every target.
    int64_t currentTotal = 0;
    bool currentAdmissible = false;
    bool currentReachesGoal = false;

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

// "Metal Mine 4, Robotics Factory 1", in catalogue order.
std::string GoalText(std::span<const GoalTarget> goal);

// Why no plan exists: "Espionage level 1 can never get deuterium".
std::string NoPlanReason(const GoalResult &result);

} // namespace korvelin
