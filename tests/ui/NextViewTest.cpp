// The Next view beside the plan table and Grow…: the ranking follows the
// selected line, Add and Grow are one undo step each, a bad ratio is refused.

#include "QueueFormFixture.h"

#include "report/PaybackWriter.h"
#include "ui/NextView.h"
#include "ui/PlanTableWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>

namespace korvelin::test {
namespace {

class NextViewTest : public QueueFormFixture {
  protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Korvelin"), QStringLiteral("Korvelin")).remove(QStringLiteral("tradeRatio"));
    }
    NextView &OpenNext()
    {
        ShowPlanTable(*form);
        return *form->TableWindow->Next;
    }
};

TEST_F(NextViewTest, RanksAfterTheSelectedLineAndAddsAsOneUndoStep)
{
    Click({bid::kMetalMine, bid::kSolarPlant});
    NextView &next = OpenNext();
    EXPECT_EQ(next.RatioEdit->text(), QStringLiteral("3:2:1"));
    // Line 1 selected: after the metal mine, before the solar plant.
    form->TableWindow->TableView->selectRow(0);
    EXPECT_EQ(next.AtLabel->text(), QStringLiteral("after line 1"));
    ASSERT_FALSE(next.Rows().empty());
    EXPECT_EQ(next.Rows(), advice::RankPaybacks(form->queue, 1, {}, {3, 2, 1}));
    EXPECT_EQ(next.RankingTable->rowCount(), static_cast<int>(next.Rows().size()));
    EXPECT_EQ(next.RankingTable->item(0, 9)->text(),
              QString::fromStdString(report::PaybackDuration(next.Rows().front())));

    // The first row at line 1 is the metal mine's level 2; added after line
    // 1 it comes before the solar plant.
    const advice::PaybackRow first = next.Rows().front();
    next.RankingTable->selectRow(0);
    ASSERT_TRUE(next.AddButton->isEnabled());
    next.AddButton->click();
    ASSERT_EQ(form->queue.Count(), 3 + first.solarLevels);
    EXPECT_EQ(form->queue.At(1 + first.solarLevels).bid, first.bid);
    EXPECT_EQ(form->queue.At(1 + first.solarLevels).level, first.level);
    EXPECT_EQ(form->queue.At(form->queue.Count() - 1).bid, bid::kSolarPlant);
    EXPECT_EQ(form->queue.At(form->queue.Count() - 1).level, 1 + first.solarLevels + (first.bid == 4 ? 1 : 0));
    form->document.UndoStack().undo();
    EXPECT_EQ(form->queue.Count(), 2);
}

TEST_F(NextViewTest, BadRatioIsRefusedAndAGoodOneKept)
{
    NextView &next = OpenNext();
    next.RatioEdit->setText(QStringLiteral("3:2"));
    emit next.RatioEdit->editingFinished();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Trade ratio must be three whole numbers A:B:C, each from 1 to 1000, not 3:2");
    EXPECT_EQ(next.RatioEdit->text(), QStringLiteral("3:2:1"));
    next.RatioEdit->setText(QStringLiteral("1:1:1"));
    emit next.RatioEdit->editingFinished();
    EXPECT_EQ(LoadTradeRatio(), (advice::TradeRatio{1, 1, 1}));
    EXPECT_EQ(next.Rows(), advice::RankPaybacks(form->queue, 0, {}, {1, 1, 1}));
}

TEST_F(NextViewTest, GrowAsksForTheDaysThenWhetherToApply)
{
    Click(bid::kMetalMine);
    OptimizeOptions budget;
    budget.timeLimit = std::chrono::milliseconds(0);
    budget.maxEvaluations = 20'000;
    platform.numbersAnswers.push_back({2});
    platform.questionAnswers.push_back(Answer::Yes);
    GrowPlan(*form, budget);
    ASSERT_EQ(platform.numberForms.size(), 1u);
    EXPECT_EQ(platform.numberForms[0].fields[0].maximum, 3650);
    EXPECT_EQ(platform.workTitles, QStringList{QStringLiteral("Grow")});
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.questions[0].text.startsWith(QStringLiteral("Append ")))
        << platform.questions[0].text.toStdString();
    EXPECT_GT(form->queue.Count(), 1);
    EXPECT_EQ(form->queue.At(0).bid, bid::kMetalMine);
    form->document.UndoStack().undo();
    EXPECT_EQ(form->queue.Count(), 1);

    // Cancelled at the days: nothing happens.
    GrowPlan(*form, budget);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(form->queue.Count(), 1);
}

} // namespace
} // namespace korvelin::test
