#pragma once

#include "goal/GoalProblem.h"

namespace korvelin::goal {

struct GoalExactOutcome {
    bool complete = false; // every plan was either played or bounded out
    Plan best;             // empty when no plan beat `incumbentTotal`
    int64_t bestTotal = -1;
    uint64_t plansPlayed = 0;
};

// Depth-first branch and bound over plans: at each position any item with an
// entry left, economy items included. A prefix is dropped only when
// GoalProblem::RemainingExceeds shows that no plan through it can beat the
// best known; a plan ends with the entry that completes the goal, since
// entries after it only add time. Only strictly better plans than
// `incumbentTotal` (−1 for none) are returned.
GoalExactOutcome SearchGoalExactly(const GoalProblem &problem, optimize::SearchBudget &budget, int64_t incumbentTotal);

} // namespace korvelin::goal
