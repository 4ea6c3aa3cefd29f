#include "plan/QuestionTexts.h"

#include "optimize/OptimizeSummary.h"
#include "util/FormatDuration.h"

namespace korvelin {

std::string SaveChangesQuestion()
{
    return "Save changes to the plan?";
}

std::string RestoreCopyQuestion()
{
    return "Korvelin did not close normally. Restore the unsaved plan?";
}

std::string ApplyOrderQuestion(int64_t beforeTotal, int64_t afterTotal, bool currentAdmissible, bool currentKeepsLimits)
{
    std::string text = !currentKeepsLimits ? "The current order breaks the technology tree or a store's limit. "
                       : currentAdmissible ? ""
                                           : "The current order needs deuterium where none is produced. ";
    text += "Total time: " + FormatDuration(beforeTotal) + " \u2192 " + FormatDuration(afterTotal) + " (" +
            ShorterPercentText(beforeTotal, afterTotal) + "% shorter). Apply the new order?";
    return text;
}

std::string ReplaceByGoalQuestion(const GoalAnswer &answer)
{
    std::string text =
        answer.currentReachesGoal
            ? "Total time: " + FormatDuration(answer.currentTotal) + " \u2192 " + FormatDuration(answer.total) + " (" +
                  ShorterPercentText(answer.currentTotal, answer.total) + "% shorter), " +
                  std::to_string(answer.added) + " upgrades added."
            : "Reach the goal in " + FormatDuration(answer.total) + " with " + std::to_string(answer.upgrades) +
                  " upgrades, " + std::to_string(answer.added) + " of them added.";
    if (!answer.addedList.empty())
        text += "\n\nAdded:\n" + answer.addedList + "\n\n";
    else
        text += " ";
    return text + "Replace the queue?";
}

std::string SearchingText(SearchKind kind)
{
    switch (kind) {
    case SearchKind::Order:
        return "Searching for an order that keeps the technology tree, the stores and every entry's deuterium…";
    case SearchKind::Goal:
        return "Searching for a plan that keeps the technology tree, the stores and every entry's deuterium…";
    case SearchKind::Grow:
        break;
    }
    return "Searching for the upgrades that leave the most production…";
}

std::string OrderSearchNothingBetter(int64_t beforeTotal, int64_t afterTotal, bool currentAdmissible,
                                     bool provenOptimal)
{
    if (!currentAdmissible || afterTotal < beforeTotal)
        return {};
    return provenOptimal ? "This order is already the shortest." : "No shorter order was found.";
}

std::string GoalSearchNothingBetter(const GoalAnswer &answer, bool currentAdmissible, bool provenOptimal)
{
    if (!answer.currentReachesGoal || !currentAdmissible || answer.total < answer.currentTotal)
        return {};
    return provenOptimal ? "The current queue is already the fastest way to the goal."
                         : "No faster way to the goal was found.";
}

} // namespace korvelin
