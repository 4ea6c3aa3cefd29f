// The queue list and summary block: what RefreshQueueView shows for a
// position, and that the list stays line for line with the queue however it
// was edited.

#include "QueueFormFixture.h"

#include "ui/QueueCommands.h"
#include "ui/QueueView.h"

#include <algorithm>
#include <random>

namespace korvelin::test {
namespace {

class QueueViewTest : public QueueFormFixture {
  protected:
    QStringList ExpectedLines() const
    {
        QStringList lines;
        for (int32_t i = 0; i < form->queue.Count(); ++i) {
            const QueueEntry &entry = form->queue.At(i);
            lines.append(QString::number(i + 1) + QStringLiteral(". ") +
                         QString::fromUtf8(FullName(ItemIndexOf(entry.bid))) + QStringLiteral(" (") +
                         QString::number(entry.level) + QLatin1Char(')'));
        }
        return lines;
    }
};

// No level at all: the planet of the first entry.
const char *const kNothingBuilt[] = {"500", "500", "0", "0", "100000", "100000", "100000", "100", "20", "10", "0", "0"};
// Metal mine 2, crystal mine 1, solar plant 1, metal storage 1: 22 produced
// against 35 used gives the factor 100 - round(59.09) = 41.
const char *const kAllFive[] = {"500", "500", "0", "-13", "150000", "100000", "100000", "41", "49", "19", "0", "22"};

struct RefreshCase {
    const char *name;
    int32_t position;
    int selected;
    const char *const *summary;
};

class RefreshQueueViewTest : public QueueViewTest, public testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshQueueViewTest, SummaryForPositionSelectionClamped)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kSolarPlant, bid::kCrystalMine, bid::kMetalStorage});
    RefreshQueueView(*form, GetParam().position);
    QStringList summary;
    for (int i = 0; i < 12; ++i)
        summary.append(QString::fromUtf8(GetParam().summary[i]));
    EXPECT_EQ(Summary(), summary);
    EXPECT_EQ(Current(), GetParam().selected);
    EXPECT_EQ(SelectedLines(), std::vector<int>{GetParam().selected});
}

INSTANTIATE_TEST_SUITE_P(Positions, RefreshQueueViewTest,
                         testing::Values(RefreshCase{"BeforeTheStart", -1, 0, kNothingBuilt},
                                         RefreshCase{"Start", 0, 0, kNothingBuilt},
                                         RefreshCase{"JustPastTheEnd", 5, 4, kAllFive},
                                         RefreshCase{"FarPastTheEnd", 1000, 4, kAllFive}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(QueueViewTest, EmptyQueueSelectsNothingButShowsPosition)
{
    RefreshQueueView(*form, 3);
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Current(), -1);
    EXPECT_TRUE(SelectedLines().empty());
    EXPECT_EQ(Summary()[8], QStringLiteral("20"));
}

TEST_F(QueueViewTest, LineShowsPositionNameAndLevel)
{
    Click({bid::kCrystalMine, bid::kMetalMine, bid::kMetalMine});
    EXPECT_EQ(Lines()[2], QString::fromUtf8("3. Рудник по добыче металла (2)"));
}

TEST_F(QueueViewTest, RefreshLeavesOneLineSelected)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kSolarPlant});
    form->QueueList->SetSelected(0, true);
    form->QueueList->SetSelected(1, true);
    RefreshQueueView(*form, 2);
    EXPECT_EQ(SelectedLines(), std::vector<int>{2});
}

TEST_F(QueueViewTest, ListRewrittenElsewhereIsRebuilt)
{
    Click({bid::kMetalMine, bid::kCrystalMine});
    form->QueueList->Clear();
    RefreshQueueView(*form, 0);
    EXPECT_EQ(Lines(), ExpectedLines());
    form->QueueList->AppendLine(QStringLiteral("stray"));
    RefreshQueueView(*form, 0);
    EXPECT_EQ(Lines(), ExpectedLines());
}

// Two queues built by as many edits once shared a revision, so the list kept
// showing the queue that had been replaced.
TEST_F(QueueViewTest, QueueAssignedOverAnotherIsShown)
{
    const auto queueOf = [](int32_t bid) {
        BuildQueue queue;
        queue.AppendEntry(bid, 1);
        queue.AppendEntry(bid, 2);
        return queue;
    };
    form->queue = queueOf(bid::kMetalMine);
    RefreshQueueView(*form, 0);
    form->queue = queueOf(bid::kSolarPlant);
    RefreshQueueView(*form, 0);
    EXPECT_EQ(Lines(), ExpectedLines());
}

// Long random edit sequences through the handlers, crossing the size at which
// the list is rewritten whole instead of line by line.
TEST_F(QueueViewTest, RandomEditsKeepListLineForLine)
{
    const int32_t bids[] = {bid::kMetalMine, bid::kCrystalMine, bid::kSolarPlant, bid::kMetalStorage, bid::kEspionage};
    std::mt19937 random(7);
    int maxLines = 0;
    for (int step = 0; step < 1500; ++step) {
        const int lines = form->QueueList->LineCount();
        const uint32_t action = random() % 10;
        if (action < 5 || lines == 0) {
            Click(bids[random() % std::size(bids)]);
        } else {
            PickLine(static_cast<int>(random() % static_cast<uint32_t>(lines)));
            if (action == 5)
                form->DelButton->click();
            else if (action == 6)
                form->UpButton->click();
            else if (action == 7)
                form->DownButton->click();
            else if (action == 8)
                RefreshQueueView(*form, static_cast<int32_t>(random() % 200) - 20);
            else {
                // An edit made outside the handlers, as a file load makes.
                form->queue.SwapEntries(0, lines - 1);
                RefreshQueueView(*form, 0);
            }
        }
        maxLines = std::max(maxLines, form->QueueList->LineCount());
        ASSERT_EQ(Lines(), ExpectedLines()) << "step " << step;
        ASSERT_EQ(SelectedLines(), std::vector<int>{Current()}) << "step " << step;
    }
    EXPECT_GT(maxLines, 64); // long enough for whole rewrites
}

} // namespace
} // namespace korvelin::test
