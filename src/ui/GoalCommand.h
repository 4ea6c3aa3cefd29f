#pragma once
// "Goal…": asks for target levels, plans the fastest way there off the UI
// thread, then offers the plan in place of the queue.

#include "goal/GoalPlanner.h"

#include <span>

namespace korvelin {

struct MainForm;

// The button: the dialog, then PlanToGoal.
void PlanGoalFromDialog(MainForm &form);

// Plans for `goal` from the plan's planet behind the progress box, asks
// whether to replace the queue and, on Yes, replaces it as one undo step and
// calculates. The window searches with the default budget; tests pass an
// evaluation budget.
void PlanToGoal(MainForm &form, std::span<const GoalTarget> goal, const OptimizeOptions &options = {});

} // namespace korvelin
