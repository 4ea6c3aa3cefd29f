// The queue commands through the wired buttons and the list's double click.

#include "QueueFormFixture.h"
#include "RecordingMessageSink.h"

#include "queue/Timeline.h"
#include "ui/QueueCommands.h"
#include "util/FormatDuration.h"

#include <QTest>

#include <functional>
#include <string>

namespace korvelin::test {
namespace {

const QString kMetalMine = QString::fromUtf8("Рудник по добыче металла");
const QString kCrystalMine = QString::fromUtf8("Рудник по добыче кристалла");

QString Line(int number, const QString &name, int level)
{
    return QString::number(number) + QStringLiteral(". ") + name + QStringLiteral(" (") + QString::number(level) +
           QLatin1Char(')');
}

QString Duration(int64_t seconds)
{
    return QString::fromStdString(FormatDuration(seconds));
}

// The fields an evaluation should leave, in NeedFields() order.
QStringList FieldsOf(const EntryEvaluation &e)
{
    return {QString::number(e.costs[0]), QString::number(e.costs[1]), QString::number(e.costs[2]), Duration(e.waits[0]),
            Duration(e.waits[1]),        Duration(e.waits[2]),        Duration(e.buildTime),       Duration(e.total)};
}

class QueueCommandsTest : public QueueFormFixture {
  protected:
    // The engine's own walk of the window's queue, to compare the window with.
    std::vector<EntryEvaluation> EngineWalk()
    {
        std::vector<EntryEvaluation> results;
        TimelineState state;
        RecordingMessageSink ignored;
        WalkQueue(
            form->queue, kDefaultStartStock, state, [] { return PlanetInputs{}; }, ignored,
            [&](const EntryEvaluation &e) { results.push_back(e); });
        return results;
    }
    void DoubleClickLine(int line)
    {
        form->window->show();
        QWidget *viewport = form->QueueList->viewport();
        const QPoint point = form->QueueList->visualItemRect(form->QueueList->item(line)).center();
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
    }
};

TEST_F(QueueCommandsTest, ItemButtonAppendsNextLevel)
{
    Click(bid::kMetalMine);
    EXPECT_EQ(Lines(), QStringList{Line(1, kMetalMine, 1)});
    EXPECT_EQ(SelectedLines(), std::vector<int>{0});
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("2"));
    Click(bid::kMetalMine);
    EXPECT_EQ(Lines(), (QStringList{Line(1, kMetalMine, 1), Line(2, kMetalMine, 2)}));
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
    EXPECT_EQ(Current(), 1);
    // The summary stands at the new entry's place: one mine level before it.
    EXPECT_EQ(Summary()[8], QStringLiteral("53"));
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("3"));
}

TEST_F(QueueCommandsTest, ButtonStatesFollowEachCommand)
{
    struct Step {
        const char *name;
        std::function<void()> command;
        std::vector<bool> states; // Del, ^, _, Cp, Next
    };
    const Step steps[] = {
        {"Start", [] {}, {false, false, false, false, false}},
        {"FirstAppend", [&] { Click(bid::kMetalMine); }, {true, false, false, false, false}},
        {"SecondAppend", [&] { Click(bid::kCrystalMine); }, {true, true, true, true, false}},
        {"Calculate", [&] { form->CalculateButton->click(); }, {true, true, true, true, true}},
        {"MoveUp", [&] { form->UpButton->click(); }, {true, true, true, true, true}},
        {"DelToOne", [&] { form->DelButton->click(); }, {true, false, false, false, true}},
        {"DelToNone", [&] { form->DelButton->click(); }, {false, false, false, false, true}},
        {"DelOnEmpty", [&] { RemoveCurrentEntry(*form); }, {false, false, false, false, true}},
        {"BuildTab", [&] { form->BuildTab->click(); }, {false, false, false, false, false}},
        {"AppendAgain", [&] { Click(bid::kSolarPlant); }, {true, false, false, false, false}},
        {"DoubleClick", [&] { DoubleClickLine(0); }, {true, false, false, false, true}},
    };
    for (const Step &step : steps) {
        step.command();
        EXPECT_EQ(ButtonStates(), step.states) << step.name;
    }
}

TEST_F(QueueCommandsTest, DelRemovesHigherLevelsOfTheItemToo)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kMetalMine});
    PickLine(0);
    form->DelButton->click();
    EXPECT_EQ(Lines(), QStringList{Line(1, kCrystalMine, 1)});
    EXPECT_EQ(SelectedLines(), std::vector<int>{0});
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(FindItemRow(*form, bid::kCrystalMine)->LevelLabel->text(), QStringLiteral("2"));
    // The undo step is named by the core's edit, as the web page names it.
    EXPECT_EQ(form->document.UndoStack().undoText(), QStringLiteral("Delete Metal Mine (1)"));
    form->document.UndoStack().undo();
    EXPECT_EQ(Lines(), (QStringList{Line(1, kMetalMine, 1), Line(2, kCrystalMine, 1), Line(3, kMetalMine, 2)}));
    EXPECT_EQ(form->document.UndoStack().undoText(), QStringLiteral("Add Metal Mine (2)"));
}

TEST_F(QueueCommandsTest, DelOnLastLineLeavesNewLastLineCurrent)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kSolarPlant});
    PickLine(2);
    form->DelButton->click();
    EXPECT_EQ(Lines().size(), 2);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
}

TEST_F(QueueCommandsTest, DelRemovesOnlyTheCurrentLineOfSeveralSelected)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kSolarPlant});
    form->QueueList->SetSelected(0, true);
    form->QueueList->SetSelected(2, true); // current
    form->DelButton->click();
    EXPECT_EQ(Lines(), (QStringList{Line(1, kMetalMine, 1), Line(2, kCrystalMine, 1)}));
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
}

struct MoveCase {
    const char *name;
    std::vector<int32_t> bids;
    int line;
    bool up;
    std::vector<int32_t> after;
    int current;
};

class QueueMoveTest : public QueueFormFixture, public testing::WithParamInterface<MoveCase> {};

TEST_P(QueueMoveTest, MovesKeepLevelsRising)
{
    const MoveCase &c = GetParam();
    for (const int32_t b : c.bids)
        Click(b);
    PickLine(c.line);
    const int steps = form->document.UndoStack().count();
    (c.up ? form->UpButton : form->DownButton)->click();
    std::vector<int32_t> after;
    for (const QueueEntry &entry : form->queue.Entries())
        after.push_back(entry.bid);
    EXPECT_EQ(after, c.after);
    // A refused move leaves no step behind.
    EXPECT_EQ(form->document.UndoStack().count(), steps + (after == c.bids ? 0 : 1));
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(SelectedLines(), std::vector<int>{c.current});
    EXPECT_EQ(Lines()[c.current].mid(0, 3), QString::number(c.current + 1) + QStringLiteral(". "));
}

INSTANTIATE_TEST_SUITE_P(Moves, QueueMoveTest,
                         testing::Values(MoveCase{"UpPastOtherItem", {1, 2}, 1, true, {2, 1}, 0},
                                         MoveCase{"DownPastOtherItem", {1, 2}, 0, false, {2, 1}, 1},
                                         MoveCase{"UpPastLowerLevelRefused", {1, 1}, 1, true, {1, 1}, 1},
                                         MoveCase{"DownPastHigherLevelRefused", {1, 1}, 0, false, {1, 1}, 0},
                                         MoveCase{"UpOnFirstLine", {1, 2}, 0, true, {1, 2}, 0},
                                         MoveCase{"DownOnLastLine", {1, 2}, 1, false, {1, 2}, 1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(QueueCommandsTest, DoubleClickPlaysToLineThenNextPlaysOneMore)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kCrystalMine, bid::kSolarPlant, bid::kCrystalMine, bid::kMetalMine});
    const std::vector<EntryEvaluation> expected = EngineWalk();
    ASSERT_EQ(expected.size(), 6u);

    DoubleClickLine(3);
    EXPECT_TRUE(form->ResourcePanel->isVisibleTo(form->MainGroup));
    EXPECT_FALSE(form->BuildingsPanel->isVisibleTo(form->MainGroup));
    EXPECT_FALSE(form->ResearchPanel->isVisibleTo(form->MainGroup));
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(SelectedLines(), std::vector<int>{3});
    EXPECT_EQ(NeedFields(), FieldsOf(expected[3]));
    EXPECT_EQ(Summary()[0], QString::number(expected[3].stockAfter[0]));

    for (const int line : {4, 5}) {
        form->NextButton->click();
        EXPECT_EQ(Current(), line);
        EXPECT_EQ(SelectedLines(), std::vector<int>{line});
        EXPECT_EQ(NeedFields(), FieldsOf(expected[static_cast<size_t>(line)]));
        EXPECT_EQ(Summary()[1], QString::number(expected[static_cast<size_t>(line)].stockAfter[1]));
    }
    const QStringList before = NeedFields() + Summary();
    form->NextButton->click();
    EXPECT_EQ(NeedFields() + Summary(), before);
    EXPECT_EQ(Current(), 5);
    EXPECT_EQ(SelectedLines(), std::vector<int>{5});
}

// From the About panel too, only the resource panel stays up; the About
// panel's text used to show through it.
TEST_F(QueueCommandsTest, DoubleClickLeavesOnlyResourcePanelVisible)
{
    Click(bid::kMetalMine);
    for (GradientButton *tab : {form->BuildTab, form->ResearchTab, form->AboutTab}) {
        tab->click();
        DoubleClickLine(0);
        EXPECT_TRUE(form->ResourcePanel->isVisibleTo(form->MainGroup));
        for (const QWidget *panel : {form->BuildingsPanel, form->ResearchPanel, form->AboutPanel})
            EXPECT_FALSE(panel->isVisibleTo(form->MainGroup));
    }
}

TEST_F(QueueCommandsTest, CalculateLeavesLastLineCurrentWithoutSelection)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kCrystalMine});
    form->CalculateButton->click();
    EXPECT_EQ(Current(), 2);
    EXPECT_TRUE(SelectedLines().empty());
    EXPECT_EQ(NeedFields(), FieldsOf(EngineWalk()[2]));

    const QStringList before = NeedFields();
    form->NextButton->click(); // nothing after the last line
    EXPECT_EQ(NeedFields(), before);
    EXPECT_EQ(Current(), 2);
}

TEST_F(QueueCommandsTest, AppendAfterCalculateNeedsNewWalk)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kCrystalMine});
    form->CalculateButton->click();
    const QStringList walked = NeedFields();
    Click(bid::kSolarPlant);
    EXPECT_EQ(Lines().size(), 4);
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(SelectedLines(), std::vector<int>{3});
    form->NextButton->click();
    EXPECT_EQ(NeedFields(), walked);
    EXPECT_EQ(Current(), 3);
}

TEST_F(QueueCommandsTest, CalculateOnEmptyQueueOnlyResets)
{
    form->NeedMetalEdit->setText(QStringLiteral("60"));
    form->SummaryTimeEdit->setText(QStringLiteral("00:01:48"));
    form->timeline.stock = {1, 2, 3};
    form->CalculateButton->click();
    EXPECT_EQ(NeedFields(), QStringList(8, QString()));
    EXPECT_EQ(Summary(), Texts({"500", "500", "0", "0", "100000", "100000", "100000", "100", "20", "10", "0", "0"}));
    EXPECT_EQ(Current(), -1);
}

// Metal mine 1, metal mine 2, solar plant 1, metal storage 1 at the default
// inputs, worked by hand:
//   0: 60/15/0 at 20/10 per hour, built in 108 s; stock 441/485.
//   1: 90/22/0 at 53/10, built in 161 s, total 269; stock 353/463.
//   2: 75/30/0 at 92/10 (no power yet: factor 100), built in 151 s, total
//      420; stock 353 - 75 + round(3.86) = 282, 463 - 30 + 0 = 433.
//   3: 2000/0/0. Solar 22 against 24 used: factor 100 - round(9.09) = 91,
//      metal trunc(0.91 × 72.6) + 20 = 86 per hour. Metal wait
//      trunc(1718 × 3600 / 86 = 71916.28) + 1 = 71917 s = 19:58:37, build
//      time 2000 × 3600 / 2500 = 2880 s = 00:48:00, total 72337 s = 20:05:37.
//      Stock 282 - 2000 + round(1718.02) = 0 metal, 433 + round(199.77) = 633
//      crystal.
TEST_F(QueueCommandsTest, CalculateThroughButtonsMatchesHandWorkedFigures)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kSolarPlant, bid::kMetalStorage});
    form->CalculateButton->click();
    EXPECT_EQ(NeedFields(), Texts({"2000", "0", "0", "19:58:37", "00:00:00", "00:00:00", "00:48:00", "20:05:37"}));
    EXPECT_EQ(Summary(), Texts({"0", "633", "0", "-2", "100000", "100000", "100000", "91", "86", "10", "0", "22"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(QueueCommandsTest, MessageBoxStandsOverTheStateOfItsMoment)
{
    // The robotics factory costs deuterium and no synthesizer stands before it.
    Click({bid::kMetalMine, bid::kRoboticsFactory});
    struct Seen {
        int current;
        std::vector<int> selected;
        QStringList need;
        QStringList stock;
    };
    std::vector<Seen> seen;
    platform.onMessage = [&] { seen.push_back({Current(), SelectedLines(), NeedFields(), Summary().mid(0, 3)}); };

    form->CalculateButton->click();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Build is Corrupted - FixItPlz"});
    EXPECT_EQ(seen[0].current, 1);
    EXPECT_EQ(seen[0].selected, std::vector<int>{1});
    EXPECT_EQ(seen[0].need, Texts({"60", "15", "0", "00:00:00", "00:00:00", "00:00:00", "00:01:48", "00:01:48"}));
    EXPECT_EQ(seen[0].stock, Texts({"441", "485", "0"}));
    EXPECT_EQ(NeedFields()[2], QStringLiteral("200"));
    EXPECT_EQ(Summary()[2], QStringLiteral("-200"));

    // Every walk that reaches the entry shows the box again, Next included.
    form->CalculateButton->click();
    DoubleClickLine(0);
    form->NextButton->click();
    EXPECT_EQ(platform.messages.size(), 3u);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].current, 1);
    EXPECT_EQ(seen[2].need[0], QStringLiteral("60"));
}

TEST_F(QueueCommandsTest, LevelsBeyondSixtyFourBitCostsStaySound)
{
    for (int i = 0; i < 50; ++i)
        Click(bid::kNaniteFactory);
    form->CalculateButton->click();
    EXPECT_EQ(Lines().size(), 50);
    EXPECT_EQ(NeedFields()[0], QStringLiteral("9223372036854775807"));
    // Deuterium without a synthesizer at each entry: nine boxes, then one
    // that counts the rest.
    ASSERT_EQ(platform.messages.size(), 10u);
    EXPECT_EQ(platform.messages[8], "Build is Corrupted - FixItPlz");
    EXPECT_EQ(platform.messages[9], "And 41 more entries: Build is Corrupted - FixItPlz");
}

} // namespace
} // namespace korvelin::test
