// The window right after start-up: panels, caption, button states, the
// language box, the summary block and the figures of every item row.

#include "FormFixture.h"
#include "toolkit/QtPlatform.h"

#include "rules/ItemCatalogue.h"

namespace korvelin::test {
namespace {

using StartupStateTest = FormFixture;

TEST_F(StartupStateTest, ShowsTheBuildingsPanelAndTheVersionInTheCaption)
{
    EXPECT_TRUE(form->BuildingsPanel->isVisibleTo(form->MainGroup));
    EXPECT_FALSE(form->ResearchPanel->isVisibleTo(form->MainGroup));
    EXPECT_FALSE(form->ResourcePanel->isVisibleTo(form->MainGroup));
    EXPECT_FALSE(form->AboutPanel->isVisibleTo(form->MainGroup));
    EXPECT_EQ(ShownCaption(*form->window), QStringLiteral("Korvelin (www.example.org) v" KORVELIN_TEST_VERSION));
    EXPECT_EQ(form->VersionLabel->text(), QStringLiteral(KORVELIN_TEST_VERSION));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupStateTest, QueueIsEmptyAndItsButtonsAreDisabled)
{
    EXPECT_EQ(form->QueueList->LineCount(), 0);
    EXPECT_TRUE(form->QueueList->isEnabled());
    for (QWidget *button : {static_cast<QWidget *>(form->UpButton), static_cast<QWidget *>(form->DownButton),
                            static_cast<QWidget *>(form->DelButton), static_cast<QWidget *>(form->CpButton),
                            static_cast<QWidget *>(form->NextButton)})
        EXPECT_FALSE(button->isEnabled()) << ControlText(*button).toStdString();
    for (QWidget *enabled :
         {static_cast<QWidget *>(form->SaveButton), static_cast<QWidget *>(form->OpenButton),
          static_cast<QWidget *>(form->CalculateButton), static_cast<QWidget *>(form->SaveByTimeButton)})
        EXPECT_TRUE(enabled->isEnabled()) << ControlText(*enabled).toStdString();
    EXPECT_FALSE(form->SupportFleetCheck->isChecked());
    EXPECT_FALSE(form->SupportFleetGroup->isEnabled());
    EXPECT_FALSE(form->NeedCurrentGroup->isEnabled());
    EXPECT_FALSE(form->SummaryNeedGroup->isEnabled());
    EXPECT_EQ(form->SupportTimePicker->time(), QTime(0, 0, 0));
}

TEST_F(StartupStateTest, ModelStartsFromNothing)
{
    for (const CatalogueItem &item : ItemCatalogue())
        EXPECT_EQ(form->queue.QueuedLevel(item.bid), 0) << item.bid;
    EXPECT_EQ(form->timeline.stock, (std::array<int64_t, 3>{500, 500, 0}));
    EXPECT_EQ(form->timeline.total, 0);
}

TEST_F(StartupStateTest, LanguageBoxHoldsEnglishAlone)
{
    EXPECT_EQ(form->LanguageBox->count(), 1);
    EXPECT_EQ(form->LanguageBox->currentIndex(), 0);
    EXPECT_EQ(form->LanguageBox->currentText(), QStringLiteral("English"));

    // Typing or choosing in the box changes nothing else.
    const QString caption = form->window->windowTitle();
    form->LanguageBox->setEditText(QStringLiteral("Deutsch"));
    form->LanguageBox->setCurrentIndex(-1);
    EXPECT_EQ(form->window->windowTitle(), caption);
    EXPECT_EQ(form->ItemRows[0].NameLabel->text(), QStringLiteral("Metal Mine"));
    EXPECT_EQ(form->LanguageBox->count(), 1);
}

TEST_F(StartupStateTest, SummaryBlockShowsLevelZeroCapacitiesAndConstructionTexts)
{
    const std::pair<Label *, const char *> cases[] = {
        {form->StockMetalLabel, "500"},           {form->StockCrystalLabel, "500"},
        {form->StockDeuteriumLabel, "0"},         {form->EnergyBalanceLabel, "0"},
        {form->CapacityMetalLabel, "100000"},     {form->CapacityCrystalLabel, "100000"},
        {form->CapacityDeuteriumLabel, "100000"}, {form->ProductionFactorLabel, "0"},
        {form->ProductionMetalLabel, "20"},       {form->ProductionCrystalLabel, "10"},
        {form->ProductionDeuteriumLabel, "0"},    {form->EnergyProductionLabel, "0"},
    };
    for (const auto &[label, text] : cases)
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
}

struct RowFigures {
    int32_t bid;
    const char *extra;                       // "" when the row has no "E" or "C"
    const char *metal, *crystal, *deuterium; // "" when the row has no such label
    const char *time;
};

// Level-1 figures with every factory at level 0.
const RowFigures kStartFigures[] = {
    {1, "11", "60", "15", "", "00:01:48"},
    {2, "11", "48", "24", "", "00:01:43"},
    {3, "22", "225", "75", "", "00:07:12"},
    {4, "22", "75", "30", "", "00:02:31"},
    {12, "55", "900", "360", "180", "00:30:14"},
    {22, "200k", "2000", "", "", "00:48:00"},
    {23, "200k", "2000", "1000", "", "01:12:00"},
    {106, "", "200", "1000", "200", "01:12:00"},
    {108, "", "", "400", "600", "00:09:36"},
    {111, "", "1000", "", "", "00:24:00"},
    {15, "", "1000000", "500000", "100000", "25d 00:00:00"},
};

void ExpectFigure(const Label *label, const char *text, const char *what)
{
    if (*text == '\0') {
        EXPECT_EQ(label, nullptr) << what;
    } else {
        ASSERT_NE(label, nullptr) << what;
        EXPECT_EQ(label->text(), QString::fromUtf8(text)) << what;
    }
}

TEST_F(StartupStateTest, ItemRowsShowTheFirstLevel)
{
    for (const RowFigures &figures : kStartFigures) {
        SCOPED_TRACE(figures.bid);
        const ItemRow *row = FindItemRow(*form, figures.bid);
        ASSERT_NE(row, nullptr);
        ExpectFigure(row->ExtraLabel, figures.extra, "extra");
        ExpectFigure(row->MetalLabel, figures.metal, "metal");
        ExpectFigure(row->CrystalLabel, figures.crystal, "crystal");
        ExpectFigure(row->DeuteriumLabel, figures.deuterium, "deuterium");
        ExpectFigure(row->TimeLabel, figures.time, "time");
    }
    for (const ItemRow &row : form->ItemRows)
        EXPECT_EQ(row.LevelLabel->text(), QStringLiteral("1")) << row.bid;
}

TEST_F(StartupStateTest, ToolTipsAreBoundToTheAboutLabels)
{
    EXPECT_EQ(form->ToolTips->TextOf(form->ContactLabel), QStringLiteral("Mark in first Message \"Korvelin\""));
    EXPECT_EQ(form->ToolTips->TextOf(form->VersionLabel), QStringLiteral("Click for check new version"));
    EXPECT_TRUE(form->ToolTips->TextOf(form->WebLabel).isEmpty());
    EXPECT_TRUE(form->window->testAttribute(Qt::WA_AlwaysShowToolTips));
}

} // namespace
} // namespace korvelin::test
