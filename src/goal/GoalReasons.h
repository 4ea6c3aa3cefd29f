#pragma once

#include "goal/GoalProblem.h"

namespace korvelin::goal {

// The plan without the store levels it can do without: each dropped where the
// plan stays admissible and no longer; `total` follows.
Plan WithoutIdleStores(const GoalProblem &problem, const Plan &plan, int64_t &total);

// Why each entry of an admissible plan is there.
std::vector<GoalEntryReason> ReasonsOf(const GoalProblem &problem, const Plan &plan);

} // namespace korvelin::goal
