#include "ui/OptimizeCommand.h"

#include "optimize/OptimizeSummary.h"
#include "optimize/OrderSearch.h"
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

// The search on a worker thread, as the progress box sees it. Everything the
// search reads is copied in, so the plan may change meanwhile.
class OrderSearchWork : public BackgroundWork {
  public:
    OrderSearchWork(std::vector<QueueEntry> entries, Planet planet)
    {
        future_ = QtConcurrent::run([this, entries = std::move(entries), planet] {
            return OptimizeOrder(entries, planet, OptimizeOptions{}, [this](const OptimizeProgress &progress) {
                best_.store(progress.bestTotal);
                percent_.store(progress.permilleUsed / 10);
                return !cancelled_.load();
            });
        });
    }
    ~OrderSearchWork() override
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
            return QStringLiteral("Searching for an order every entry gets its deuterium in…");
        return QStringLiteral("Best total so far: ") + QString::fromStdString(FormatDuration(best));
    }
    void Cancel() override { cancelled_.store(true); }
    OptimizeResult Result() { return future_.result(); }

  private:
    std::atomic<bool> cancelled_{false};
    std::atomic<int64_t> best_{-1};
    std::atomic<int> percent_{0};
    QFuture<OptimizeResult> future_;
};

QString Duration(int64_t seconds)
{
    return QString::fromStdString(FormatDuration(seconds));
}

bool AskToApply(MainForm &form, const OptimizeResult &result)
{
    QuestionRequest question;
    question.text = QStringLiteral("Total time: %1 \u2192 %2 (%3% shorter). Apply the new order?")
                        .arg(Duration(result.beforeTotal), Duration(result.afterTotal),
                             QString::fromStdString(ShorterPercentText(result.beforeTotal, result.afterTotal)));
    // The current total then counts no wait for deuterium that never comes.
    if (!result.inputAdmissible)
        question.text.prepend(QStringLiteral("The current order needs deuterium where none is produced. "));
    question.buttons = {Answer::Yes, Answer::No};
    question.defaultAnswer = Answer::Yes;
    question.escapeAnswer = Answer::No;
    return form.platform.AskQuestion(question) == Answer::Yes;
}

// As a load replaces the plan, then "Calculate", so the summary shows the
// new total.
void ApplyOrder(MainForm &form, const std::vector<QueueEntry> &order)
{
    std::vector<LoadedEntry> entries;
    entries.reserve(order.size());
    for (const QueueEntry &entry : order)
        entries.push_back({entry.bid, entry.level});
    form.document.ReplacePlan(entries, std::nullopt, std::nullopt, std::nullopt, QStringLiteral("Apply Order"));
    PlayAll(form);
}

} // namespace

void OptimizeQueue(MainForm &form)
{
    if (form.queue.Count() < 2)
        return;
    const std::vector<QueueEntry> entries(form.queue.Entries().begin(), form.queue.Entries().end());
    OrderSearchWork work(entries, CurrentPlanet(form));
    form.platform.WaitForWork(QStringLiteral("Optimize"), work);
    const OptimizeResult result = work.Result();

    if (!result.found) {
        form.platform.ShowMessage("No admissible order: " + NoOrderReason(result, entries));
        return;
    }
    const bool better = !result.inputAdmissible || result.afterTotal < result.beforeTotal;
    if (!better) {
        // Only a complete search can say that nothing shorter exists.
        form.platform.ShowMessage(result.provenOptimal ? "This order is already the shortest."
                                                       : "No shorter order was found.");
        return;
    }
    if (AskToApply(form, result))
        ApplyOrder(form, result.order);
}

} // namespace korvelin
