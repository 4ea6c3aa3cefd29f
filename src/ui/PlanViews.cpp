#include "ui/PlanViews.h"

#include "ui/ItemDetails.h"
#include "ui/MainForm.h"
#include "ui/QueueView.h"

namespace korvelin {

namespace {

void ShowChange(MainForm &form, const PlanChange &change)
{
    switch (change.kind) {
    case PlanChangeKind::Appended:
    case PlanChangeKind::Removed:
    case PlanChangeKind::Restored:
        RefreshQueueView(form, change.position);
        SetQueueButtonStates(form);
        RefreshItemRows(form);
        break;
    case PlanChangeKind::Moved:
        // The queued levels did not change, so the item rows (and the
        // capacities they write) stay as they are.
        RefreshQueueView(form, change.position);
        break;
    case PlanChangeKind::Replaced:
        // As a load: the rows first, then the list from its first line.
        RefreshItemRows(form);
        RefreshQueueView(form, change.position);
        SetQueueButtonStates(form);
        // Stepping through the timeline starts again only from "Calculate".
        form.NextButton->setEnabled(false);
        break;
    }
}

} // namespace

void SetQueueButtonStates(MainForm &form)
{
    const int32_t count = form.queue.Count();
    const std::pair<QPushButton *, bool> states[] = {{form.DelButton, count >= 1},      {form.UpButton, count >= 2},
                                                     {form.DownButton, count >= 2},     {form.CpButton, count >= 2},
                                                     {form.OptimizeButton, count >= 2}, {form.ChartButton, count >= 1}};
    for (const auto &[button, enabled] : states) {
        // A disabled button passes the focus on down the tab chain; the plan
        // is where the keyboard belongs.
        if (!enabled && button->hasFocus())
            form.QueueList->setFocus();
        button->setEnabled(enabled);
    }
}

void FollowPlan(MainForm &form)
{
    PlanDocument &document = form.document;
    QWidget *window = form.window.get();
    QObject::connect(&document, &PlanDocument::Changed, window,
                     [&form](const PlanChange &change) { ShowChange(form, change); });
    QObject::connect(&document, &PlanDocument::TemperatureTextReplaced, form.MaxTemperatureEdit, &QLineEdit::setText);
    QObject::connect(form.MaxTemperatureEdit, &QLineEdit::textChanged, &document, &PlanDocument::SetTemperatureText);
    QObject::connect(&document, &PlanDocument::SatellitesTextReplaced, form.SatelliteCountEdit, &QLineEdit::setText);
    QObject::connect(form.SatelliteCountEdit, &QLineEdit::textChanged, &document, &PlanDocument::SetSatellitesText);
    // A new start is shown as start-up shows the first one: the summary block
    // at position 0 holds the start stock until the next walk.
    QObject::connect(&document, &PlanDocument::PlanetChanged, window,
                     [&form] { form.timeline.stock = form.document.StartPlanet().startStock; });
    QObject::connect(&document, &PlanDocument::ModifiedChanged, window, &QWidget::setWindowModified);
}

} // namespace korvelin
