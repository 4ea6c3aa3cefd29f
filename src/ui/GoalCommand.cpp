#include "ui/GoalCommand.h"

#include "optimize/OptimizeSummary.h"
#include "ui/GoalDialog.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueCommands.h"
#include "util/FormatDuration.h"

#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <vector>

namespace korvelin {

namespace {

// The planner on a worker thread, as the progress box sees it. Everything it
// reads is copied in.
class GoalSearchWork : public BackgroundWork {
  public:
    GoalSearchWork(Planet planet, std::vector<GoalTarget> goal, std::vector<QueueEntry> current,
                   OptimizeOptions options)
    {
        future_ = QtConcurrent::run([this, planet, goal = std::move(goal), current = std::move(current), options] {
            const auto progress = [this](const OptimizeProgress &progress) {
                best_.store(progress.bestTotal);
                percent_.store(progress.permilleUsed / 10);
                return !cancelled_.load();
            };
            return PlanGoal(planet, goal, options, progress, current);
        });
    }
    ~GoalSearchWork() override
    {
        cancelled_.store(true);
        future_.waitForFinished();
    }

    bool Finished() const override { return future_.isFinished(); }
    int Percent() const override { return percent_.load(); }
    QString Status() const override
    {
        const int64_t best = best_.load();
        if (best < 0)
            return QStringLiteral("Searching for a plan every entry gets its deuterium in…");
        return QStringLiteral("Best total so far: ") + QString::fromStdString(FormatDuration(best));
    }
    void Cancel() override { cancelled_.store(true); }
    GoalResult Result() { return future_.result(); }

  private:
    std::atomic<bool> cancelled_{false};
    std::atomic<int64_t> best_{-1};
    std::atomic<int> percent_{0};
    QFuture<GoalResult> future_;
};

QString Duration(int64_t seconds)
{
    return QString::fromStdString(FormatDuration(seconds));
}

QString QuestionText(const GoalResult &result)
{
    if (result.currentReachesGoal) {
        return QStringLiteral("Total time: %1 \u2192 %2 (%3% shorter), %4 upgrades added. Replace the queue?")
            .arg(Duration(result.currentTotal), Duration(result.total),
                 QString::fromStdString(ShorterPercentText(result.currentTotal, result.total)))
            .arg(result.added);
    }
    return QStringLiteral("Reach the goal in %1 with %2 upgrades, %3 of them added. Replace the queue?")
        .arg(Duration(result.total))
        .arg(result.plan.size())
        .arg(result.added);
}

// As a load replaces the plan, then "Calculate", so the summary shows the
// new total.
void ReplaceQueue(MainForm &form, const std::vector<QueueEntry> &plan)
{
    std::vector<LoadedEntry> entries;
    entries.reserve(plan.size());
    for (const QueueEntry &entry : plan)
        entries.push_back({entry.bid, entry.level});
    form.document.ReplacePlan(entries, std::nullopt, std::nullopt, std::nullopt, QStringLiteral("Plan Goal"));
    PlayAll(form);
}

} // namespace

void PlanToGoal(MainForm &form, std::span<const GoalTarget> goal, const OptimizeOptions &options)
{
    const std::vector<QueueEntry> current(form.queue.Entries().begin(), form.queue.Entries().end());
    GoalSearchWork work(CurrentPlanet(form), std::vector<GoalTarget>(goal.begin(), goal.end()), current, options);
    form.platform.WaitForWork(QStringLiteral("Goal"), work);
    const GoalResult result = work.Result();

    if (!result.found) {
        form.platform.ShowMessage("No admissible plan: " + NoPlanReason(result));
        return;
    }
    const bool shorter = !result.currentReachesGoal || !result.currentAdmissible || result.total < result.currentTotal;
    if (!shorter) {
        // Only a complete search can say that nothing shorter exists.
        form.platform.ShowMessage(result.provenOptimal ? "The current queue is already the fastest way to the goal."
                                                       : "No faster way to the goal was found.");
        return;
    }
    QuestionRequest question;
    question.text = QuestionText(result);
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
