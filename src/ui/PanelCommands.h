#pragma once
// The tab buttons, the support-fleet box and the web link of the About panel.

namespace korvelin {

struct MainForm;

void ShowBuildingsTab(MainForm &form);
void ShowResearchTab(MainForm &form);
void ShowResourceTab(MainForm &form);
void ShowAboutTab(MainForm &form);
void ToggleSupportFleet(MainForm &form);
void OpenWebPage(MainForm &form);

} // namespace korvelin
