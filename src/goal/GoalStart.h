#pragma once

#include "goal/GoalProblem.h"

namespace korvelin::goal {

// The items of the entries; −1 stands for an entry of an item the problem
// does not hold, which no plan may contain.
Plan PlanOf(const GoalProblem &problem, std::span<const QueueEntry> entries);

// The goal's levels in a plain order: by problem item, each item's levels
// after the levels it needs. It keeps the tree, not yet the other limits.
Plan PlainOrder(const GoalProblem &problem);

// The plan with a store level inserted just before each entry whose price
// passes its store, and a synthesizer level before an entry that would get
// no deuterium; empty when an entry cannot stand even so.
Plan WithLimitsKept(const GoalProblem &problem, const Plan &plan);

struct Construction {
    Plan plan;
    int64_t total = -1;      // −1 when no admissible plan was found
    int64_t plainTotal = -1; // the plain order with its stores, −1 without one
    OptimizeResult own;      // the order search over the goal's own entries
    uint64_t evaluations = 0;
    uint64_t tried = 0;
};

// Where the improvement search starts: the best of the plain order and of
// the best order of the goal's own entries, each with the stores and
// synthesizer levels it needs; when the latter is not admissible, the same
// with a few synthesizer and solar plant levels added, which is what brings
// deuterium where there is none.
Construction ConstructStart(const GoalProblem &problem, const OptimizeOptions &options,
                            const OptimizeProgressCallback &progress);

} // namespace korvelin::goal
