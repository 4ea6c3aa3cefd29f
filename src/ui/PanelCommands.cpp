#include "ui/PanelCommands.h"

#include "ui/MainForm.h"
#include "ui/Maker.h"

namespace korvelin {

void ShowBuildingsTab(MainForm &form)
{
    form.ResourcePanel->hide();
    form.BuildingsPanel->show();
    // Stepping on with "Next" starts again from a new walk.
    form.NextButton->setEnabled(false);
    form.ResearchPanel->hide();
    form.AboutPanel->hide();
}

void ShowResearchTab(MainForm &form)
{
    form.ResearchPanel->show();
    form.BuildingsPanel->hide();
    form.ResourcePanel->hide();
    form.AboutPanel->hide();
}

void ShowResourceTab(MainForm &form)
{
    form.ResourcePanel->show();
    form.BuildingsPanel->hide();
    form.ResearchPanel->hide();
    form.AboutPanel->hide();
}

void ShowAboutTab(MainForm &form)
{
    form.ResearchPanel->hide();
    form.BuildingsPanel->hide();
    form.ResourcePanel->hide();
    form.AboutPanel->show();
}

void ToggleSupportFleet(MainForm &form)
{
    // Follows the group, not the check mark.
    form.SupportFleetGroup->setEnabled(!form.SupportFleetGroup->isEnabled());
}

void OpenWebPage(MainForm &form)
{
    form.platform.OpenUrl(QString::fromUtf8(kWebUrl));
}

} // namespace korvelin
