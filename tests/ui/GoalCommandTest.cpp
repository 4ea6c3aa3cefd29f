// "Goal…" in the window: the dialog's prefill, the two questions, Replace
// with its undo, and No.

#include "QueueFormFixture.h"

#include "ui/GoalCommand.h"
#include "ui/GoalDialog.h"

#include <QSpinBox>

namespace korvelin::test {
namespace {

using GoalCommandTest = QueueFormFixture;

OptimizeOptions EvaluationBudget()
{
    OptimizeOptions options;
    options.timeLimit = std::chrono::milliseconds(0);
    options.maxEvaluations = 3'000'000;
    return options;
}

std::vector<int32_t> Bids(const BuildQueue &queue)
{
    std::vector<int32_t> bids;
    for (const QueueEntry &entry : queue.Entries())
        bids.push_back(entry.bid);
    return bids;
}

TEST_F(GoalCommandTest, DialogAsksForWhatTheQueueReaches)
{
    Click({bid::kDeuteriumSynthesizer, bid::kRoboticsFactory, bid::kDeuteriumSynthesizer});
    EXPECT_TRUE(form->GoalButton->isEnabled());
    EXPECT_EQ(form->GoalButton->text(), QString::fromUtf8("Goal\u2026"));
    EXPECT_EQ(form->GoalButton->geometry(), QRect(8, 304, 97, 41));
    const GoalDialog dialog(*form, form->window.get());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Goal"));
    EXPECT_EQ(dialog.LevelBox(bid::kDeuteriumSynthesizer)->value(), 2);
    EXPECT_EQ(dialog.LevelBox(bid::kRoboticsFactory)->value(), 1);
    // The highest level whose figures stay sound, as the tools take it.
    EXPECT_EQ(dialog.LevelBox(bid::kEspionage)->maximum(), 40);
    EXPECT_EQ(dialog.LevelBox(41), nullptr); // no row, no box
    EXPECT_TRUE(dialog.PlanButton()->isDefault());
    const std::vector<GoalTarget> goal = dialog.Goal();
    EXPECT_EQ(goal.size(), 26u);
    EXPECT_EQ(goal[2], (GoalTarget{bid::kDeuteriumSynthesizer, 2}));
}

TEST_F(GoalCommandTest, ReplaceIsOneUndoStepAndCalculates)
{
    Click({bid::kDeuteriumSynthesizer, bid::kRoboticsFactory});
    const std::vector<GoalTarget> goal{{bid::kRoboticsFactory, 1}};
    platform.questionAnswers.push_back(Answer::Yes);
    PlanToGoal(*form, goal, EvaluationBudget());

    EXPECT_EQ(platform.workTitles, QStringList{QStringLiteral("Goal")});
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              QString::fromUtf8("Total time: 14:24:21 → 07:49:57 (45.6% shorter), 8 upgrades added.\n\nAdded:\n"
                                "Metal Mine 1–4: pays for itself\nCrystal Mine 1: pays for itself\n"
                                "Deuterium Synthesizer 1–3: pays for itself\n\nReplace the queue?"));
    EXPECT_EQ(platform.questions[0].defaultAnswer, Answer::Yes);
    EXPECT_EQ(form->queue.Count(), 9);
    EXPECT_EQ(form->SummaryTimeEdit->text(), QStringLiteral("07:49:57"));
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("5"));

    form->document.UndoStack().undo();
    EXPECT_EQ(Bids(form->queue), (std::vector<int32_t>{bid::kDeuteriumSynthesizer, bid::kRoboticsFactory}));
}

TEST_F(GoalCommandTest, GoalBeyondTheQueueAsksTheOtherQuestion)
{
    Click(bid::kMetalStorage);
    platform.questionAnswers.push_back(Answer::No);
    const std::vector<GoalTarget> goal{{bid::kRoboticsFactory, 1}};
    PlanToGoal(*form, goal, EvaluationBudget());
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              QString::fromUtf8("Reach the goal in 07:49:57 with 9 upgrades, 8 of them added.\n\nAdded:\n"
                                "Metal Mine 1–4: pays for itself\nCrystal Mine 1: pays for itself\n"
                                "Deuterium Synthesizer 1–3: pays for itself\n\nReplace the queue?"));
    EXPECT_EQ(Bids(form->queue), std::vector<int32_t>{bid::kMetalStorage});
}

TEST_F(GoalCommandTest, QueueThatBreaksTheTreeIsNoPlanToKeep)
{
    // Shipyard 1 alone is quick, but it needs Robotics Factory 2 first.
    Click(21);
    platform.questionAnswers.push_back(Answer::No);
    const std::vector<GoalTarget> goal{{21, 1}};
    PlanToGoal(*form, goal, EvaluationBudget());
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text.left(18), QStringLiteral("Reach the goal in "));
    EXPECT_TRUE(platform.questions[0].text.contains(QStringLiteral("Robotics Factory 1\u20132: required by Shipyard")));
}

TEST_F(GoalCommandTest, SaysWhenNothingIsFasterOrPossible)
{
    Click({bid::kMetalMine, bid::kMetalMine});
    const std::vector<GoalTarget> mines{{bid::kMetalMine, 2}};
    PlanToGoal(*form, mines, EvaluationBudget());
    EXPECT_TRUE(platform.questions.empty());
    form->MaxTemperatureEdit->setText(QStringLiteral("700"));
    const std::vector<GoalTarget> espionage{{bid::kEspionage, 1}};
    PlanToGoal(*form, espionage, EvaluationBudget());
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"The current queue is already the fastest way to the goal.",
                                        // Espionage needs Research Lab 3, which costs deuterium.
                                        "No admissible plan: Research Lab level 1 can never get deuterium"}));
}

} // namespace
} // namespace korvelin::test
