// The tab buttons, the support-fleet box and the About panel's links, driven
// through the wired controls.

#include "FormFixture.h"

#include "ui/PanelCommands.h"

#include <QTest>

namespace korvelin::test {
namespace {

class PanelCommandsTest : public FormFixture {
  protected:
    std::vector<GroupBox *> VisiblePanels()
    {
        std::vector<GroupBox *> visible;
        for (GroupBox *panel : {form->BuildingsPanel, form->ResearchPanel, form->ResourcePanel, form->AboutPanel}) {
            if (panel->isVisibleTo(form->MainGroup))
                visible.push_back(panel);
        }
        return visible;
    }
};

struct TabCase {
    const char *name;
    GradientButton *MainForm::*tab;
    GroupBox *MainForm::*panel;
    bool disablesNext;
};

const TabCase kTabs[] = {
    {"Build", &MainForm::BuildTab, &MainForm::BuildingsPanel, true},
    {"Reseach", &MainForm::ResearchTab, &MainForm::ResearchPanel, false},
    {"Resurce", &MainForm::ResourceTab, &MainForm::ResourcePanel, false},
    {"About", &MainForm::AboutTab, &MainForm::AboutPanel, false},
};

TEST_F(PanelCommandsTest, EachTabShowsItsPanelAloneFromEveryPanel)
{
    for (const TabCase &from : kTabs) {
        for (const TabCase &to : kTabs) {
            (form.get()->*from.tab)->click();
            form->NextButton->setEnabled(true);
            (form.get()->*to.tab)->click();
            EXPECT_EQ(VisiblePanels(), std::vector<GroupBox *>{form.get()->*to.panel}) << from.name << " → " << to.name;
            EXPECT_EQ(form->NextButton->isEnabled(), !to.disablesNext) << from.name << " → " << to.name;
        }
    }
}

TEST_F(PanelCommandsTest, SupportFleetBoxTogglesItsGroup)
{
    QTest::mouseClick(form->SupportFleetCheck, Qt::LeftButton);
    EXPECT_TRUE(form->SupportFleetCheck->isChecked());
    EXPECT_TRUE(form->SupportFleetGroup->isEnabled());
    EXPECT_TRUE(form->SupportMetalEdit->isEnabled());
    QTest::mouseClick(form->SupportFleetCheck, Qt::LeftButton);
    EXPECT_FALSE(form->SupportFleetCheck->isChecked());
    EXPECT_FALSE(form->SupportFleetGroup->isEnabled());
    EXPECT_FALSE(form->SupportMetalEdit->isEnabled());
}

TEST_F(PanelCommandsTest, WebLabelOpensTheAddressOncePerClick)
{
    QTest::mouseClick(form->WebLabel, Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls, QStringList{QStringLiteral("http://www.example.org")});
    QTest::mouseClick(form->WebLabel, Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls.size(), 2);
    QTest::mouseClick(form->WebLabel, Qt::RightButton);
    EXPECT_EQ(platform.openedUrls.size(), 2);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PanelCommandsTest, OtherAboutLabelsIgnoreClicks)
{
    for (QObject *child : form->AboutPanel->children()) {
        auto *label = qobject_cast<Label *>(child);
        if (label && label != form->WebLabel)
            QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PanelCommandsTest, ContactBalloonShowsOnHoverAndHidesOnLeave)
{
    form->window->show();
    ShowAboutTab(*form);
    const QPoint inside(5, 5);
    QHelpEvent hover(QEvent::ToolTip, inside, form->ContactLabel->mapToGlobal(inside));
    QCoreApplication::sendEvent(form->ContactLabel, &hover);
    EXPECT_TRUE(form->ToolTips->IsShowing());
    EXPECT_EQ(form->ToolTips->ShowingText(), QStringLiteral("Mark in first Message \"Korvelin\""));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form->ContactLabel, &leave);
    EXPECT_FALSE(form->ToolTips->IsShowing());
}

} // namespace
} // namespace korvelin::test
