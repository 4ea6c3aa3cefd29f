#include "ui/OptimizeCommand.h"

#include "optimize/OptimizeSummary.h"
#include "optimize/OrderSearch.h"
#include "plan/Plan.h"
#include "plan/QuestionTexts.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueCommands.h"
#include "ui/SearchWork.h"
#include "ui/WorkRunner.h"
#include "util/FormatDuration.h"

#include <vector>

namespace korvelin {

namespace {

bool AskToApply(MainForm &form, const OptimizeResult &result)
{
    QuestionRequest question;
    question.text = QString::fromStdString(
        ApplyOrderQuestion(result.beforeTotal, result.afterTotal, result.inputAdmissible, result.inputKeepsLimits));
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
    form.document.ReplacePlan(
        entries, std::nullopt,
        QString::fromUtf8(kApplyOrderDescription.data(), static_cast<qsizetype>(kApplyOrderDescription.size())));
    PlayAll(form);
}

} // namespace

void OptimizeQueue(MainForm &form)
{
    if (form.queue.Count() < 2)
        return;
    const std::vector<QueueEntry> entries(form.queue.Entries().begin(), form.queue.Entries().end());
    SearchWork<OptimizeResult> work(QString::fromStdString(SearchingText(SearchKind::Order)),
                                    [entries, planet = CurrentPlanet(form)](const OptimizeProgressCallback &progress) {
                                        return OptimizeOrder(entries, planet, OptimizeOptions{}, progress);
                                    });
    if (!RunWork(form, QStringLiteral("Optimize"), work))
        return;
    const OptimizeResult result = work.TakeResult();

    if (!result.found) {
        form.platform.ShowMessage("No admissible order: " + NoOrderReason(result, entries));
        return;
    }
    if (const std::string nothingBetter = OrderSearchNothingBetter(result.beforeTotal, result.afterTotal,
                                                                   result.inputAdmissible, result.provenOptimal);
        !nothingBetter.empty()) {
        form.platform.ShowMessage(nothingBetter);
        return;
    }
    if (AskToApply(form, result))
        ApplyOrder(form, result.order);
}

} // namespace korvelin
