#pragma once

#include "goal/GoalProblem.h"

namespace korvelin::goal {

// The items of the entries; −1 stands for an entry of an item the problem
// does not hold, which no plan may contain.
Plan PlanOf(const GoalProblem &problem, std::span<const QueueEntry> entries);

struct Construction {
    Plan plan;
    int64_t total = -1; // −1 when no admissible plan was found
    OptimizeResult own; // the order search over the goal's own entries
    uint64_t evaluations = 0;
    uint64_t tried = 0;
};

// Where the improvement search starts: the best order of the goal's own
// entries; when none is admissible, the same with a few synthesizer and solar
// plant levels added, which is what brings deuterium where there is none.
Construction ConstructStart(const GoalProblem &problem, const OptimizeOptions &options,
                            const OptimizeProgressCallback &progress);

} // namespace korvelin::goal
