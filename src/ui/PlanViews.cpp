#include "ui/PlanViews.h"

#include "plan/InputRanges.h"
#include "ui/ItemDetails.h"
#include "ui/MainForm.h"
#include "ui/QueueView.h"
#include "util/ParseInt.h"

#include <QSignalBlocker>

#include <utility>

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
                                                     {form.OptimizeButton, count >= 2}, {form.ChartButton, count >= 1},
                                                     {form.TableButton, count >= 1}};
    for (const auto &[button, enabled] : states) {
        // A disabled button passes the focus on down the tab chain; the plan
        // is where the keyboard belongs.
        if (!enabled && button->hasFocus())
            form.QueueList->setFocus();
        button->setEnabled(enabled);
    }
}

namespace {

// The typed text's number goes into the plan while it is in range; past the
// range the edit goes back to the plan's number and the notice line says why,
// so a number is never wrapped or cut into another one behind the user's back.
void FollowTypedNumber(MainForm &form, Edit *edit, std::string_view field, const InputRange &range,
                       int32_t PlanetInputs::*input, void (PlanDocument::*set)(int32_t))
{
    QObject::connect(edit, &QLineEdit::textChanged, &form.document,
                     [&form, edit, field, range, input, set](const QString &text) {
                         const CheckedNumber checked = ReadTextInRange(field, range, text.toStdString());
                         if (checked.error) {
                             form.platform.ShowNotice(QString::fromStdString(*checked.error));
                             const QSignalBlocker quiet(edit);
                             edit->setText(QString::number(form.document.StartPlanet().inputs.*input));
                             return;
                         }
                         (form.document.*set)(ParseInt(text.toStdString()));
                     });
}

// An undo step's temperature and satellites, in edits that show another
// number; an edit that shows the plan's number keeps its text as typed.
void ShowInputs(MainForm &form)
{
    const PlanetInputs &inputs = form.document.StartPlanet().inputs;
    for (const auto &[edit, value] : {std::pair{form.MaxTemperatureEdit, inputs.maxTemperature},
                                      std::pair{form.SatelliteCountEdit, inputs.satellites}}) {
        if (ParseInt(edit->text().toStdString()) != value)
            edit->setText(QString::number(value));
    }
}

} // namespace

void FollowPlan(MainForm &form)
{
    PlanDocument &document = form.document;
    QWidget *window = form.window.get();
    QObject::connect(&document, &PlanDocument::Changed, window,
                     [&form](const PlanChange &change) { ShowChange(form, change); });
    QObject::connect(&document, &PlanDocument::InputsReplaced, window, [&form] { ShowInputs(form); });
    FollowTypedNumber(form, form.MaxTemperatureEdit, kTemperatureField, kTemperatureRange,
                      &PlanetInputs::maxTemperature, &PlanDocument::SetMaxTemperature);
    FollowTypedNumber(form, form.SatelliteCountEdit, kSatellitesField, kSatellitesRange, &PlanetInputs::satellites,
                      &PlanDocument::SetSatellites);
    // A new start is shown as start-up shows the first one: the summary block
    // at position 0 holds the start stock until the next walk.
    QObject::connect(&document, &PlanDocument::PlanetChanged, window,
                     [&form] { form.timeline.stock = form.document.StartPlanet().startStock; });
    QObject::connect(&document, &PlanDocument::ModifiedChanged, window, &QWidget::setWindowModified);
}

} // namespace korvelin
