// Item rows for queued factory and lab levels, the capacity labels, unknown
// BIDs and which optional labels each row has.

#include "FormFixture.h"

#include "rules/ItemCatalogue.h"
#include "ui/ItemDetails.h"
#include "ui/ItemRowTable.h"

#include <limits>

namespace korvelin::test {
namespace {

class ItemDetailsTest : public FormFixture {
  protected:
    // Queues the next level of an item as its button would, minus the view.
    void Queue(int32_t bid) { form->queue.AppendUpgrade(bid); }

    QString TimeOf(int32_t bid) { return FindItemRow(*form, bid)->TimeLabel->text(); }
    QString LevelOf(int32_t bid) { return FindItemRow(*form, bid)->LevelLabel->text(); }
};

struct TimeCase {
    int32_t bid;
    const char *before;
    const char *after;
};

TEST_F(ItemDetailsTest, RoboticsLevelHalvesEveryBuildTimeButEspionage)
{
    const TimeCase cases[] = {
        {1, "00:01:48", "00:00:54"},   // 108 s
        {2, "00:01:43", "00:00:51"},   // 103.68 s halved before truncation
        {108, "00:09:36", "00:04:48"}, // research rows too
        {106, "01:12:00", "01:12:00"}, // lab time
    };
    Queue(bid::kRoboticsFactory);
    RefreshItemRows(*form);
    for (const TimeCase &c : cases) {
        EXPECT_EQ(TimeOf(c.bid), QString::fromUtf8(c.after)) << c.bid;
    }
    EXPECT_EQ(LevelOf(bid::kRoboticsFactory), QStringLiteral("2"));
    EXPECT_EQ(LevelOf(1), QStringLiteral("1"));
}

TEST_F(ItemDetailsTest, NaniteLevelHalvesBuildTimesAgain)
{
    Queue(bid::kRoboticsFactory);
    Queue(bid::kNaniteFactory);
    RefreshItemRows(*form);
    EXPECT_EQ(TimeOf(1), QStringLiteral("00:00:27"));
    EXPECT_EQ(TimeOf(bid::kEspionage), QStringLiteral("01:12:00"));
}

TEST_F(ItemDetailsTest, ResearchLabChangesEspionageAndItsOwnRowOnly)
{
    Queue(bid::kResearchLab);
    RefreshItemRows(*form);
    EXPECT_EQ(TimeOf(bid::kEspionage), QStringLiteral("00:36:00")); // 1200 / (2 × 1000) hours
    EXPECT_EQ(LevelOf(bid::kResearchLab), QStringLiteral("2"));
    EXPECT_EQ(FindItemRow(*form, bid::kResearchLab)->MetalLabel->text(), QStringLiteral("400"));
    EXPECT_EQ(TimeOf(1), QStringLiteral("00:01:48"));
    EXPECT_EQ(TimeOf(108), QStringLiteral("00:09:36"));
}

TEST_F(ItemDetailsTest, EnergyAndCapacityUseTheLevelItself)
{
    struct Case {
        int32_t bid;
        int32_t level;
        const char *extra;
    };
    const Case cases[] = {
        {1, 2, "24"},       // trunc(10 × 2 × 1.21)
        {12, 3, "199"},     // trunc(50 × 3 × 1.331)
        {22, 1, "200k"},    // 2^1 × 50 + 100
        {22, 2, "300k"},    // 2^2 × 50 + 100
        {22, 3, "500k"},    // 2^3 × 50 + 100
        {24, 10, "51300k"}, // 2^10 × 50 + 100
    };
    for (const Case &c : cases) {
        ShowItemDetails(*form, c.bid, c.level);
        EXPECT_EQ(FindItemRow(*form, c.bid)->ExtraLabel->text(), QString::fromUtf8(c.extra)) << c.bid << " " << c.level;
        EXPECT_EQ(LevelOf(c.bid), QString::number(c.level));
    }
}

TEST_F(ItemDetailsTest, CapacityLabelsShowTheStoresAtTheEndOfTheQueue)
{
    Queue(bid::kMetalStorage);
    Queue(bid::kCrystalStorage);
    Queue(bid::kCrystalStorage);
    ShowItemDetails(*form, 1, 1);
    EXPECT_EQ(form->CapacityMetalLabel->text(), QStringLiteral("150000"));
    EXPECT_EQ(form->CapacityCrystalLabel->text(), QStringLiteral("200000"));
    EXPECT_EQ(form->CapacityDeuteriumLabel->text(), QStringLiteral("100000"));
}

TEST_F(ItemDetailsTest, UnknownBidIsReportedAndStillRefreshesCapacities)
{
    Queue(bid::kMetalStorage);
    const QString metalTime = TimeOf(1);
    ShowItemDetails(*form, 5, 1);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Unknown BID: 5"});
    EXPECT_EQ(form->CapacityMetalLabel->text(), QStringLiteral("150000"));
    EXPECT_EQ(TimeOf(1), metalTime);

    ShowItemDetails(*form, -7, 1);
    EXPECT_EQ(platform.messages.back(), "Unknown BID: -7");
}

TEST_F(ItemDetailsTest, ItemsWithoutARowOnlyRefreshCapacities)
{
    Queue(bid::kDeuteriumTank);
    for (const int32_t bid : {41, 42, 43, 123, 199}) {
        form->CapacityDeuteriumLabel->setText(QString());
        ShowItemDetails(*form, bid, 1);
        EXPECT_EQ(form->CapacityDeuteriumLabel->text(), QStringLiteral("150000")) << bid;
    }
    EXPECT_TRUE(platform.messages.empty());
}

// Levels far beyond the game's range give saturated figures, never a crash
// or a wrapped negative number.
TEST_F(ItemDetailsTest, HugeLevelsStayWellDefined)
{
    for (const ItemRow &row : form->ItemRows) {
        ShowItemDetails(*form, row.bid, std::numeric_limits<int32_t>::max());
        EXPECT_EQ(row.LevelLabel->text(), QStringLiteral("2147483647"));
        for (const Label *value : {row.MetalLabel, row.CrystalLabel, row.DeuteriumLabel, row.ExtraLabel}) {
            if (value) {
                EXPECT_FALSE(value->text().startsWith(QLatin1Char('-'))) << row.bid;
            }
        }
        EXPECT_FALSE(row.TimeLabel->text().isEmpty());
    }
    EXPECT_TRUE(platform.messages.empty());
}

struct RowShape {
    int32_t bid;
    int row; // 0-12 within its panel
    bool research;
    const char *extra; // "E", "C" or ""
    bool metal, crystal, deuterium;
};

const RowShape kRowShapes[] = {
    {1, 0, false, "E", true, true, false},  {2, 1, false, "E", true, true, false},
    {3, 2, false, "E", true, true, false},  {4, 3, false, "E", true, true, false},
    {12, 4, false, "E", true, true, true},  {14, 5, false, "", true, true, true},
    {21, 6, false, "", true, true, true},   {22, 7, false, "C", true, false, false},
    {23, 8, false, "C", true, true, false}, {24, 9, false, "C", true, true, false},
    {31, 10, false, "", true, true, true},  {44, 11, false, "", true, true, true},
    {15, 12, false, "", true, true, true},  {106, 0, true, "", true, true, true},
    {108, 1, true, "", false, true, true},  {109, 2, true, "", true, true, false},
    {110, 3, true, "", true, true, false},  {111, 4, true, "", true, false, false},
    {113, 5, true, "", false, true, true},  {114, 6, true, "", false, true, true},
    {115, 7, true, "", true, false, true},  {117, 8, true, "", true, true, true},
    {118, 9, true, "", true, true, true},   {120, 10, true, "", true, true, false},
    {121, 11, true, "", true, true, true},  {122, 12, true, "", true, true, true},
};

void ExpectLabel(const Label *label, bool present, QRect bounds, const char *what)
{
    if (!present) {
        EXPECT_EQ(label, nullptr) << what;
        return;
    }
    ASSERT_NE(label, nullptr) << what;
    EXPECT_EQ(label->geometry(), bounds) << what;
}

TEST_F(ItemDetailsTest, EachRowHasItsButtonAndExactlyItsOptionalLabels)
{
    ASSERT_EQ(std::size(kRowShapes), form->ItemRows.size());
    for (size_t i = 0; i < std::size(kRowShapes); ++i) {
        const RowShape &shape = kRowShapes[i];
        const ItemRow &row = form->ItemRows[i];
        SCOPED_TRACE(shape.bid);
        const int y = 16 + 32 * shape.row;
        QWidget *panel =
            shape.research ? static_cast<QWidget *>(form->ResearchPanel) : static_cast<QWidget *>(form->BuildingsPanel);
        ASSERT_EQ(row.bid, shape.bid);
        EXPECT_EQ(row.ItemButton->parentWidget(), panel);
        EXPECT_EQ(row.ItemButton->geometry(), QRect(8, y, 32, 32));
        EXPECT_EQ(Tag(*row.ItemButton), shape.bid);
        EXPECT_EQ(row.ItemButton->text(), QStringLiteral("Button1"));
        EXPECT_EQ(row.ItemButton->Bitmap().size(), QSize(32, 32));
        EXPECT_EQ(row.NameLabel->text(), QString::fromUtf8(Caption(ItemIndexOf(shape.bid))));
        EXPECT_EQ(row.NameLabel->geometry(), QRect(48, y, 161, 17));
        ExpectLabel(row.LevelLabel, true, QRect(264, y, 30, 15), "L");
        ExpectLabel(row.ExtraLabel, *shape.extra != '\0', QRect(360, y - 3, 85, 15), "extra");
        if (row.ExtraCaptionLabel) {
            EXPECT_EQ(row.ExtraCaptionLabel->text(), QString::fromUtf8(shape.extra));
        }
        ExpectLabel(row.MetalLabel, shape.metal, QRect(64, y + 13, 80, 15), "M");
        ExpectLabel(row.CrystalLabel, shape.crystal, QRect(168, y + 13, 80, 15), "K");
        ExpectLabel(row.DeuteriumLabel, shape.deuterium, QRect(264, y + 13, 73, 15), "D");
        ExpectLabel(row.TimeLabel, true, QRect(360, y + 13, 85, 15), "T");

        // Every label of the row, captions included, has the row colour; the
        // caption of each value sits just left of it.
        int labels = 0;
        for (QObject *child : panel->children()) {
            auto *label = qobject_cast<Label *>(child);
            if (!label || label->y() < y - 3 || label->y() > y + 13)
                continue;
            ++labels;
            EXPECT_EQ(TextColor(*label), ItemRowColor(shape.row)) << label->text().toStdString();
        }
        const int optional = (*shape.extra ? 1 : 0) + shape.metal + shape.crystal + shape.deuterium;
        EXPECT_EQ(labels, 1 + 2 * (2 + optional));
    }
}

TEST_F(ItemDetailsTest, RowColoursDependOnTheRowOnly)
{
    EXPECT_EQ(ItemRowColor(0), QColor(0, 0, 0));
    EXPECT_EQ(ItemRowColor(1), QColor(0, 128, 128));
    EXPECT_EQ(ItemRowColor(6), QColor(0, 255, 255));
    EXPECT_EQ(ItemRowColor(10), QColor(0, 255, 0));
    EXPECT_EQ(ItemRowColor(12), ResolveSystemColor(SystemColor::Background));
    EXPECT_EQ(TextColor(*form->ItemRows[14].NameLabel), TextColor(*form->ItemRows[1].NameLabel));
}

} // namespace
} // namespace korvelin::test
