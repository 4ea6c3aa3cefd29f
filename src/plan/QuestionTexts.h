#pragma once
// The questions a front end asks about the plan, worded once. Durations are
// the core's own formatted text; each front end only adds its buttons.

#include <cstdint>
#include <string>

namespace korvelin {

// Before Open, New or closing with unsaved changes.
std::string SaveChangesQuestion();
// At start-up, when a run that did not close left a copy of its plan.
std::string RestoreCopyQuestion();
// After the order search: "Total time: A → B (x% shorter). Apply the new
// order?", led by a warning when the current order breaks the technology tree
// or a store, or never gets its deuterium (its total then counts no wait for
// it).
std::string ApplyOrderQuestion(int64_t beforeTotal, int64_t afterTotal, bool currentAdmissible,
                               bool currentKeepsLimits);
// After the goal search: the saving against the current queue when that
// queue already reaches the goal, else the plan's own figures.
struct GoalAnswer {
    bool currentReachesGoal = false;
    int64_t currentTotal = 0;
    int64_t total = 0;
    int64_t upgrades = 0;
    int64_t added = 0;
    // The added upgrades with their reasons, one a line (AddedUpgradeList);
    // listed before the question when there are any.
    std::string addedList;
};
std::string ReplaceByGoalQuestion(const GoalAnswer &answer);

// What to tell instead of asking when a search's answer is not worth
// offering; empty when it is, and the question follows. Only a complete
// search can say that nothing shorter exists. The order search's answer is
// worth offering when it is shorter or the current order never gets its
// deuterium.
// The progress box's line while a search has no answer yet.
enum class SearchKind { Order, Goal, Grow };
std::string SearchingText(SearchKind kind);

std::string OrderSearchNothingBetter(int64_t beforeTotal, int64_t afterTotal, bool currentAdmissible,
                                     bool provenOptimal);
// The goal planner's, when the current queue does not reach the goal, never
// gets its deuterium, or takes longer.
std::string GoalSearchNothingBetter(const GoalAnswer &answer, bool currentAdmissible, bool provenOptimal);

} // namespace korvelin
