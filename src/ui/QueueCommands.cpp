#include "ui/QueueCommands.h"

#include "rules/ItemCatalogue.h"
#include "ui/MainForm.h"
#include "ui/QueueWalks.h"

namespace korvelin {

namespace {

int32_t CurrentLine(const MainForm &form)
{
    return form.QueueList->CurrentIndex();
}

} // namespace

void AppendUpgrade(MainForm &form, int32_t bid)
{
    form.document.AppendUpgrade(bid);
}

void RemoveCurrentEntry(MainForm &form)
{
    form.document.RemoveEntry(CurrentLine(form));
}

// Whether the line may move is the core edit's rule; a refused move pushes
// no step.
void MoveCurrentUp(MainForm &form)
{
    const int32_t current = CurrentLine(form);
    form.document.MoveEntry(current, current - 1);
}

void MoveCurrentDown(MainForm &form)
{
    const int32_t current = CurrentLine(form);
    form.document.MoveEntry(current, current + 1);
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
