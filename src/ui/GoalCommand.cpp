#include "ui/GoalCommand.h"

#include "optimize/OptimizeSummary.h"
#include "plan/Plan.h"
#include "plan/QuestionTexts.h"
#include "ui/GoalDialog.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueCommands.h"
#include "ui/SearchWork.h"
#include "ui/WorkRunner.h"
#include "util/FormatDuration.h"

#include <vector>

namespace korvelin {

namespace {

// A queue that breaks the tree or a store is no plan to compare with.
GoalAnswer AnswerOf(const GoalResult &result)
{
    return {result.currentReachesGoal && result.currentKeepsLimits,
            result.currentTotal,
            result.total,
            static_cast<int64_t>(result.plan.size()),
            result.added,
            AddedUpgradeList(result)};
}

// As a load replaces the plan, then "Calculate", so the summary shows the
// new total.
void ReplaceQueue(MainForm &form, const std::vector<QueueEntry> &plan)
{
    std::vector<LoadedEntry> entries;
    entries.reserve(plan.size());
    for (const QueueEntry &entry : plan)
        entries.push_back({entry.bid, entry.level});
    form.document.ReplacePlan(
        entries, std::nullopt,
        QString::fromUtf8(kPlanGoalDescription.data(), static_cast<qsizetype>(kPlanGoalDescription.size())));
    PlayAll(form);
}

} // namespace

void PlanToGoal(MainForm &form, std::span<const GoalTarget> goal, const OptimizeOptions &options)
{
    const std::vector<QueueEntry> current(form.queue.Entries().begin(), form.queue.Entries().end());
    SearchWork<GoalResult> work(QString::fromStdString(SearchingText(SearchKind::Goal)),
                                [planet = CurrentPlanet(form), goal = std::vector<GoalTarget>(goal.begin(), goal.end()),
                                 current, options](const OptimizeProgressCallback &progress) {
                                    return PlanGoal(planet, goal, options, progress, current);
                                });
    // A close request during the search cancels it and closes as usual.
    if (!RunWork(form, QStringLiteral("Goal"), work))
        return;
    const GoalResult result = work.TakeResult();

    if (!result.found) {
        form.platform.ShowMessage("No admissible plan: " + NoPlanReason(result));
        return;
    }
    if (const std::string nothingBetter =
            GoalSearchNothingBetter(AnswerOf(result), result.currentAdmissible, result.provenOptimal);
        !nothingBetter.empty()) {
        form.platform.ShowMessage(nothingBetter);
        return;
    }
    QuestionRequest question;
    question.text = QString::fromStdString(ReplaceByGoalQuestion(AnswerOf(result)));
    question.buttons = {Answer::Yes, Answer::No};
    question.defaultAnswer = Answer::Yes;
    question.escapeAnswer = Answer::No;
    if (form.platform.AskQuestion(question) == Answer::Yes)
        ReplaceQueue(form, result.plan);
}

void PlanGoalFromDialog(MainForm &form)
{
    if (const std::optional<std::vector<GoalTarget>> goal = AskForGoal(form))
        PlanToGoal(form, *goal);
}

} // namespace korvelin
