#include "ui/StartupState.h"

#include "rules/ItemCatalogue.h"
#include "ui/ItemDetails.h"
#include "ui/MainForm.h"
#include "util/Version.h"

namespace korvelin {

void StartupState(MainForm &form)
{
    form.ResearchPanel->hide();
    form.ResourcePanel->hide();
    form.AboutPanel->hide();
    form.BuildingsPanel->show();

    form.window->setWindowTitle(form.window->windowTitle() + QStringLiteral(" v") +
                                QString::fromStdString(ReadFileVersion()));
    form.VersionLabel->setText(QString::fromStdString(ReadFileVersion()));

    // The queue is still empty here, so this only zeroes the queued levels.
    form.queue.Clear();
    for (const CatalogueItem &item : ItemCatalogue())
        ShowItemDetails(form, item.bid, 1);

    form.SupportTimePicker->SetTime(0, 0, 0);
    form.timeline.stock = form.document.StartPlanet().startStock;

    form.LanguageBox->SetItemText(0, QStringLiteral("English"));
    form.LanguageBox->setCurrentIndex(0);
    // The keyboard starts on the plan, where Delete, Alt+Up and Ctrl+C act.
    form.QueueList->setFocus();
}

} // namespace korvelin
