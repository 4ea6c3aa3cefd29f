#include "ui/QueueCommands.h"

#include "rules/ItemCatalogue.h"
#include "ui/ItemDetails.h"
#include "ui/MainForm.h"
#include "ui/QueueView.h"

namespace korvelin {

namespace {

int32_t CurrentLine(const MainForm &form)
{
    return form.QueueList->CurrentIndex();
}

} // namespace

void AppendUpgrade(MainForm &form, int32_t bid)
{
    if (ItemIndexOf(bid) == -1)
        return;
    form.queue.RaiseQueuedLevel(bid);
    if (form.queue.AppendEntry(bid, form.queue.QueuedLevel(bid)) == -1)
        return;
    RefreshQueueView(form, form.queue.Count() - 1);
    // An append only ever enables: a queue that had two lines keeps its
    // buttons as the file commands left them.
    form.DelButton->setEnabled(true);
    if (form.queue.Count() >= 2) {
        form.UpButton->setEnabled(true);
        form.DownButton->setEnabled(true);
        form.CpButton->setEnabled(true);
    }
    RefreshItemRows(form);
}

void RemoveCurrentEntry(MainForm &form)
{
    const int32_t current = CurrentLine(form);
    if (current < 0 || current >= form.queue.Count())
        return;
    form.queue.RemoveEntry(current);
    RefreshQueueView(form, current);
    if (form.queue.Count() < 1)
        form.DelButton->setEnabled(false);
    if (form.queue.Count() < 2) {
        form.UpButton->setEnabled(false);
        form.DownButton->setEnabled(false);
        form.CpButton->setEnabled(false);
    }
    RefreshItemRows(form);
}

void MoveCurrentUp(MainForm &form)
{
    const int32_t current = CurrentLine(form);
    if (current <= 0 || current >= form.queue.Count() || !form.queue.CanMoveUp(current))
        return;
    form.queue.SwapEntries(current, current - 1);
    RefreshQueueView(form, current - 1);
}

void MoveCurrentDown(MainForm &form)
{
    const int32_t current = CurrentLine(form);
    if (current < 0 || current >= form.queue.Count() - 1 || !form.queue.CanMoveDown(current))
        return;
    form.queue.SwapEntries(current, current + 1);
    RefreshQueueView(form, current + 1);
}

void PlayToLine(MainForm &form)
{
    const int32_t line = CurrentLine(form);
    // The panels share one place and their group boxes paint no background,
    // so the About panel is hidden too: left up, its text would show through.
    form.ResourcePanel->setVisible(true);
    form.BuildingsPanel->setVisible(false);
    form.ResearchPanel->setVisible(false);
    form.AboutPanel->setVisible(false);
    form.NextButton->setEnabled(true);
    WalkThrough(form, line);
}

void PlayAll(MainForm &form)
{
    form.NextButton->setEnabled(true);
    WalkAll(form);
}

void PlayNext(MainForm &form)
{
    WalkNext(form);
}

} // namespace korvelin
