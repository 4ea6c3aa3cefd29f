#include "ui/FormBuilders.h"

namespace korvelin {

namespace {

void BuildSupportFleetGroup(MainForm &form)
{
    GroupBox *group = MakeGroup(form.ResourcePanel, "Support Flot", 112, 16, 337, 49);
    form.SupportFleetGroup = group;
    group->setEnabled(false);
    form.SupportTimePicker = new TimePicker(group);
    form.SupportTimePicker->setGeometry(8, 16, 73, 22);
    SetBackgroundColor(*form.SupportTimePicker, ResolveSystemColor(SystemColor::Window));
    MakeLabel(group, "M", 88, 20, 13, 16);
    form.SupportMetalEdit = MakeEdit(group, "", 104, 16, 65);
    MakeLabel(group, "K", 174, 20, 13, 16);
    form.SupportCrystalEdit = MakeEdit(group, "", 190, 16, 60);
    MakeLabel(group, "D", 256, 20, 13, 16);
    form.SupportDeuteriumEdit = MakeEdit(group, "", 272, 16, 57);
}

// Display fields: the group is disabled for good, so nobody types into them.
void BuildNeedCurrentGroup(MainForm &form)
{
    GroupBox *group = MakeGroup(form.ResourcePanel, "Need for current", 8, 72, 441, 73);
    form.NeedCurrentGroup = group;
    group->setEnabled(false);
    form.BuildTimeEdit = MakeEdit(group, "", 8, 16, 113);
    MakeLabel(group, "M", 128, 20, 13, 16);
    form.NeedMetalEdit = MakeEdit(group, "", 144, 16, 89);
    MakeLabel(group, "K", 238, 20, 13, 16);
    form.NeedCrystalEdit = MakeEdit(group, "", 254, 16, 83);
    MakeLabel(group, "D", 344, 20, 13, 16);
    form.NeedDeuteriumEdit = MakeEdit(group, "", 360, 16, 73);
    form.SpareTimeEdit = MakeEdit(group, "", 8, 40, 113);
    form.WaitMetalEdit = MakeEdit(group, "", 144, 40, 89);
    form.WaitCrystalEdit = MakeEdit(group, "", 254, 40, 83);
    form.WaitDeuteriumEdit = MakeEdit(group, "", 360, 40, 73);
}

void BuildSummaryNeedGroup(MainForm &form)
{
    GroupBox *group = MakeGroup(form.ResourcePanel, "Summary Need", 8, 152, 441, 49);
    form.SummaryNeedGroup = group;
    group->setEnabled(false);
    form.SummaryTimeEdit = MakeEdit(group, "", 8, 16, 97);
    MakeLabel(group, "M", 112, 20, 13, 16);
    form.SummaryMetalEdit = MakeEdit(group, "", 128, 16, 97);
    MakeLabel(group, "K", 230, 20, 13, 16);
    form.SummaryCrystalEdit = MakeEdit(group, "", 246, 16, 83);
    MakeLabel(group, "D", 336, 20, 13, 16);
    form.SummaryDeuteriumEdit = MakeEdit(group, "", 352, 16, 81);
}

} // namespace

void BuildResourcePanel(MainForm &form)
{
    GroupBox *panel = form.ResourcePanel;
    form.SupportFleetCheck = new CheckBox(panel, QStringLiteral("Support Flot"));
    form.SupportFleetCheck->setGeometry(8, 32, 97, kDefaultCheckHeight);
    BuildSupportFleetGroup(form);
    BuildNeedCurrentGroup(form);
    BuildSummaryNeedGroup(form);
    form.NextButton = MakeGradientButton(panel, "Next", 8, 208, 97, 41);
    form.NextButton->setEnabled(false);
    form.CalculateButton = MakeGradientButton(panel, "Calculate", 112, 208, 97, 41);
    MakeLabel(panel, "Max Temperature", 232, 208, 144, 17);
    form.MaxTemperatureEdit = MakeEdit(panel, "0", 384, 208, 52);
    form.MaxTemperatureEdit->SetDigitsOnly();
    MakeLabel(panel, "Solar Satellite Count", 232, 236, 144, 17);
    form.SatelliteCountEdit = MakeEdit(panel, "0", 384, 232, 52);
    form.SaveByTimeButton = MakeGradientButton(panel, "SaveByTime", 8, 256, 97, 41);
    form.OptimizeButton = MakeGradientButton(panel, "Optimize", 112, 256, 97, 41);
    form.OptimizeButton->setEnabled(false);
    form.ChartButton = MakeGradientButton(panel, "Chart", 216, 256, 97, 41);
    form.ChartButton->setEnabled(false);
    form.PlanetButton = MakeGradientButton(panel, "Planet\u2026", 320, 256, 97, 41);
    form.TableButton = MakeGradientButton(panel, "Table", 112, 304, 97, 41);
    form.TableButton->setEnabled(false);
    form.GoalButton = MakeGradientButton(panel, "Goal\u2026", 8, 304, 97, 41);
}

} // namespace korvelin
