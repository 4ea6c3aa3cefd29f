// The planet in the window: the "Planet…" form with its renumbering and undo,
// "Built up to here" from the queue's context menu, and a file that carries
// the planet.

#include "QueueFormFixture.h"

#include "storage/QueueFile.h"
#include "ui/FileCommands.h"
#include "ui/PlanetCommands.h"

#include <QMenu>
#include <QTemporaryDir>

namespace korvelin::test {
namespace {

using PlanetCommandsTest = QueueFormFixture;

std::vector<int32_t> Levels(const BuildQueue &queue)
{
    std::vector<int32_t> levels;
    for (const QueueEntry &entry : queue.Entries())
        levels.push_back(entry.level);
    return levels;
}

// The form's answer with the metal mine at `metalMine`, the rest as shown.
std::vector<int64_t> Answer(const NumbersRequest &request, int64_t metalMine, int64_t speed)
{
    std::vector<int64_t> values;
    for (const NumberField &field : request.fields)
        values.push_back(field.value);
    values.front() = metalMine; // the first row of the buildings panel
    values.back() = speed;
    return values;
}

TEST_F(PlanetCommandsTest, PlanetFormRenumbersAsOneUndoStep)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kMetalMine});
    form->document.MarkSaved();
    // The first run only shows the form; the second answers it.
    form->PlanetButton->click();
    ASSERT_EQ(platform.numberForms.size(), 1u);
    const NumbersRequest &request = platform.numberForms[0];
    EXPECT_EQ(request.title, QStringLiteral("Planet"));
    ASSERT_EQ(request.fields.size(), 26u + 3u + 2u);
    EXPECT_EQ(request.fields[0].caption, QStringLiteral("Metal Mine"));
    EXPECT_EQ(request.fields[26].value, 500);
    EXPECT_EQ(Levels(form->queue), (std::vector<int32_t>{1, 1, 2}));

    platform.numbersAnswers.push_back(Answer(request, 20, 2));
    form->PlanetButton->click();
    EXPECT_EQ(Levels(form->queue), (std::vector<int32_t>{21, 1, 22}));
    EXPECT_EQ(form->document.StartPlanet().inputs.economySpeed, 2);
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("23"));
    EXPECT_TRUE(form->document.IsModified());

    form->document.UndoStack().undo();
    EXPECT_EQ(Levels(form->queue), (std::vector<int32_t>{1, 1, 2}));
    EXPECT_TRUE(form->document.StartPlanet().StartsFromNothing());
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("3"));
    EXPECT_FALSE(form->document.IsModified());
}

TEST_F(PlanetCommandsTest, RulesAreAChoiceOfTheFormAndOneUndoStep)
{
    Click(bid::kMetalMine);
    form->PlanetButton->click();
    ASSERT_EQ(platform.numberForms.size(), 1u);
    const NumbersRequest request = platform.numberForms[0];
    const NumberField &rules = request.fields[29];
    EXPECT_EQ(rules.caption, QStringLiteral("Rules"));
    EXPECT_EQ(rules.choices, (std::vector<QString>{QStringLiteral("classic"), QStringLiteral("game")}));
    EXPECT_EQ(rules.value, 0);

    std::vector<int64_t> answer = Answer(request, 0, 1);
    answer[29] = 1;
    platform.numbersAnswers.push_back(answer);
    const int steps = form->document.UndoStack().count();
    form->PlanetButton->click();
    EXPECT_EQ(form->document.StartPlanet().inputs.rules, GameRules::Game);
    EXPECT_EQ(form->document.UndoStack().count(), steps + 1);
    form->document.UndoStack().undo();
    EXPECT_EQ(form->document.StartPlanet().inputs.rules, GameRules::Classic);
}

TEST_F(PlanetCommandsTest, BuiltUpToHereMovesThePlanetOn)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kCrystalMine});
    // korvelin-report's stock after the second line of this plan.
    const std::array<int64_t, 3> stock{353, 463, 0};
    form->QueueList->SetCurrentIndex(1);
    form->QueueMenu->aboutToShow();
    ASSERT_TRUE(form->BuiltUpToHereAction->isEnabled());
    form->BuiltUpToHereAction->trigger();

    const Planet &planet = form->document.StartPlanet();
    EXPECT_EQ(planet.StartLevel(bid::kMetalMine), 2);
    EXPECT_EQ(planet.startStock, stock);
    ASSERT_EQ(form->queue.Count(), 1);
    EXPECT_EQ(form->queue.At(0).bid, bid::kCrystalMine);
    EXPECT_EQ(form->QueueList->LineCount(), 1);
    // The summary block shows the new start until the next walk.
    EXPECT_EQ(form->timeline.stock, stock);

    form->document.UndoStack().undo();
    EXPECT_EQ(form->queue.Count(), 3);
    EXPECT_TRUE(form->document.StartPlanet().StartsFromNothing());
}

// A level past its item's sound figures is refused with a message, not cut:
// the form's answer changes nothing.
TEST_F(PlanetCommandsTest, PlanetFormRefusesALevelPastItsRange)
{
    Click(bid::kMetalMine);
    form->PlanetButton->click();
    ASSERT_EQ(platform.numberForms.size(), 1u);
    EXPECT_EQ(platform.numberForms[0].fields[0].maximum, 76);
    EXPECT_EQ(platform.numberForms[0].fields[26].maximum, 1'000'000'000'000'000);
    platform.numbersAnswers.push_back(Answer(platform.numberForms[0], 111, 1));
    const int steps = form->document.UndoStack().count();
    form->PlanetButton->click();
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Start level of Metal Mine must be a whole number from 0 to 76 "
                                       "(higher levels overflow the figures), not 111"});
    EXPECT_TRUE(form->document.StartPlanet().StartsFromNothing());
    EXPECT_EQ(Levels(form->queue), (std::vector<int32_t>{1}));
    EXPECT_EQ(form->document.UndoStack().count(), steps);
}

TEST_F(PlanetCommandsTest, BuiltUpToHereRefusesAPlanetPastTheRanges)
{
    form->queue.AppendEntry(bid::kMetalMine, 90);
    form->queue.AppendEntry(bid::kCrystalMine, 1);
    form->QueueList->SetCurrentIndex(0);
    BuildUpToHere(*form, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    // Metal Mine 90 costs more than the walk can wait for: its stock after
    // is nonsense, and no planet takes it.
    EXPECT_EQ(platform.messages[0].rfind("Built up to here would leave the planet out of range. Start stock of metal "
                                         "must be a whole number from 0 to 1000000000000000, not -",
                                         0),
              0u)
        << platform.messages[0];
    EXPECT_EQ(form->queue.Count(), 2);
    EXPECT_TRUE(form->document.StartPlanet().StartsFromNothing());
}

TEST_F(PlanetCommandsTest, SaveAndOpenCarryThePlanet)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("planet.bql"));
    Planet planet;
    planet.SetStartLevel(bid::kMetalMine, 20);
    planet.startStock = {120000, 80000, 15000};
    form->document.ChangePlanet(planet);
    Click(bid::kMetalMine);
    form->SatelliteCountEdit->setText(QStringLiteral("4"));
    ASSERT_TRUE(WriteQueueFile(*form, path));

    auto other = CreateMainForm(platform);
    ASSERT_TRUE(ReadQueueFile(*other, path));
    EXPECT_EQ(other->document.StartPlanet().StartLevel(bid::kMetalMine), 20);
    EXPECT_EQ(other->document.StartPlanet().startStock, planet.startStock);
    EXPECT_EQ(other->SatelliteCountEdit->text(), QStringLiteral("4"));
    EXPECT_EQ(other->queue.At(0).level, 21);
    // Undo of Open goes back to the planet before it.
    other->document.UndoStack().undo();
    EXPECT_TRUE(other->document.StartPlanet().StartsFromNothing());
    EXPECT_EQ(other->SatelliteCountEdit->text(), QStringLiteral("0"));
}

} // namespace
} // namespace korvelin::test
