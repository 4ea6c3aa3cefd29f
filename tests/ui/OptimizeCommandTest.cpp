// "Optimize" in the window: the question, Apply with its undo, Cancel, a
// close request while it searches, and the messages when nothing is offered.

#include "QueueFormFixture.h"

namespace korvelin::test {
namespace {

using OptimizeCommandTest = QueueFormFixture;

std::vector<int32_t> Bids(const BuildQueue &queue)
{
    std::vector<int32_t> bids;
    for (const QueueEntry &entry : queue.Entries())
        bids.push_back(entry.bid);
    return bids;
}

TEST_F(OptimizeCommandTest, ApplyReplacesThePlanAndCalculates)
{
    Click({bid::kMetalStorage, bid::kMetalMine, bid::kMetalMine, bid::kSolarPlant, bid::kCrystalMine});
    EXPECT_TRUE(form->OptimizeButton->isEnabled());
    const std::vector<int32_t> before = Bids(form->queue);
    platform.questionAnswers.push_back(Answer::Yes);
    form->OptimizeButton->click();

    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              QString::fromUtf8("Total time: 3d 09:04:21 → 19:18:36 (76.2% shorter). Apply the new order?"));
    EXPECT_EQ(platform.questions[0].defaultAnswer, Answer::Yes);
    EXPECT_EQ(platform.workTitles, QStringList{QStringLiteral("Optimize")});
    EXPECT_NE(Bids(form->queue), before);
    EXPECT_EQ(form->queue.At(0).order, 999);
    EXPECT_EQ(form->SummaryTimeEdit->text(), QStringLiteral("19:18:36"));
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("3"));

    form->document.UndoStack().undo();
    EXPECT_EQ(Bids(form->queue), before);
}

// Research before its lab: the question says why the current order cannot stand.
TEST_F(OptimizeCommandTest, OrderThatBreaksTheTreeIsMended)
{
    Click({113, bid::kResearchLab, bid::kDeuteriumSynthesizer});
    platform.questionAnswers.push_back(Answer::Yes);
    form->OptimizeButton->click();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.questions[0].text.startsWith(
        QStringLiteral("The current order breaks the technology tree or a store's limit. Total time: ")));
    EXPECT_EQ(Bids(form->queue), (std::vector<int32_t>{bid::kDeuteriumSynthesizer, bid::kResearchLab, 113}));
}

TEST_F(OptimizeCommandTest, NoAndCancelLeaveThePlan)
{
    // More entries than the complete search takes: the search would run its
    // whole time budget unless Cancel stops it.
    for (int round = 0; round < 3; ++round)
        Click({bid::kMetalStorage, bid::kMetalMine, bid::kSolarPlant, bid::kCrystalMine, bid::kMetalMine});
    const std::vector<int32_t> before = Bids(form->queue);
    platform.cancelWorkAfterPolls = 0; // Cancel at once: the best found so far is offered
    platform.questionAnswers.push_back(Answer::No);
    form->OptimizeButton->click();
    ASSERT_EQ(platform.workPercents.size(), 1u);
    EXPECT_LT(platform.workPercents[0], 50); // stopped by Cancel, not by its budget
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(Bids(form->queue), before);
    EXPECT_FALSE(form->NextButton->isEnabled());
}

// Closing the window while the search runs cancels it and goes on with the
// usual close: the unsaved-changes question, and the window closes or stays
// as answered. Nothing of the search is offered.
TEST_F(OptimizeCommandTest, CloseRequestCancelsTheSearchAndCloses)
{
    for (const Answer answer : {Answer::Cancel, Answer::Discard}) {
        SCOPED_TRACE(static_cast<int>(answer));
        platform.questions.clear();
        platform.workPercents.clear();
        if (form->queue.Count() == 0) {
            for (int round = 0; round < 3; ++round)
                Click({bid::kMetalStorage, bid::kMetalMine, bid::kSolarPlant, bid::kCrystalMine, bid::kMetalMine});
        }
        const std::vector<int32_t> before = Bids(form->queue);
        form->window->show();
        platform.questionAnswers.push_back(answer);
        platform.whileWorking = [this] { EXPECT_FALSE(form->window->close()); };
        form->OptimizeButton->click();

        ASSERT_EQ(platform.workPercents.size(), 1u);
        EXPECT_LT(platform.workPercents[0], 50);
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].text, QStringLiteral("Save changes to the plan?"));
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(Bids(form->queue), before);
        EXPECT_EQ(form->window->isVisible(), answer == Answer::Cancel);
        EXPECT_EQ(form->RunningWork, nullptr);
    }
}

struct NothingOffered {
    const char *name;
    std::vector<int32_t> bids;
    std::string message;
};

class OptimizeOffersNothing : public QueueFormFixture, public testing::WithParamInterface<NothingOffered> {};

TEST_P(OptimizeOffersNothing, SaysWhy)
{
    for (const int32_t b : GetParam().bids)
        Click(b);
    form->OptimizeButton->click();
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(platform.messages, std::vector<std::string>{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptimizeOffersNothing,
    testing::Values(NothingOffered{"AlreadyShortest", {1, 1}, "This order is already the shortest."},
                    NothingOffered{"NoDeuteriumEver",
                                   {31, 1},
                                   "No admissible order: entry 1 (Research Lab level 1) can never get deuterium"},
                    NothingOffered{"MissingPrerequisite",
                                   {106, 1},
                                   "No admissible order: Espionage 1 needs Research Lab 3: add it, or raise the "
                                   "planet's start level"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvelin::test
