// The editor habits: undo and redo, the modified flag and the save-changes
// question, opening a file by path, shortcuts and the keyboard's start.

#include "BuildVersion.h"
#include "QueueFormFixture.h"

#include "toolkit/QtPlatform.h"
#include "ui/FileCommands.h"
#include "ui/ItemDetails.h"
#include "ui/QueueView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace korvelin::test {
namespace {

// Everything the plan decides on screen.
struct PlanOnScreen {
    QStringList lines, levels, summary;
    QString temperature;
    std::vector<bool> buttons;
    bool operator==(const PlanOnScreen &) const = default;
};

class EditorTest : public QueueFormFixture {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedCurrent = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(savedCurrent); }

    PlanOnScreen Shown(MainForm &f) const
    {
        PlanOnScreen shown;
        for (int i = 0; i < f.QueueList->LineCount(); ++i)
            shown.lines << f.QueueList->LineText(i);
        for (const ItemRow &row : f.ItemRows)
            shown.levels << row.LevelLabel->text();
        for (const Label *label : {f.StockMetalLabel, f.CapacityMetalLabel, f.CapacityCrystalLabel,
                                   f.ProductionMetalLabel, f.EnergyBalanceLabel})
            shown.summary << label->text();
        shown.temperature = f.MaxTemperatureEdit->text();
        for (const auto *button : {f.DelButton, f.UpButton, f.DownButton, f.CpButton})
            shown.buttons.push_back(button->isEnabled());
        return shown;
    }
    // The same plan typed in a fresh window and shown from line `position`
    // with the refresh functions every command uses.
    PlanOnScreen Reference(std::initializer_list<int32_t> bids, int32_t position, const QString &temperature)
    {
        RecordingPlatform quiet;
        const auto fresh = CreateMainForm(quiet);
        fresh->MaxTemperatureEdit->setText(temperature);
        for (const int32_t b : bids)
            FindItemRow(*fresh, b)->ItemButton->click();
        RefreshQueueView(*fresh, position);
        RefreshItemRows(*fresh);
        return Shown(*fresh);
    }
    QString WriteFile(const char *name, const std::string &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return path;
    }
    void Undo() { form->document.UndoStack().undo(); }
    void Redo() { form->document.UndoStack().redo(); }
    bool Modified() const { return form->document.IsModified(); }

    QTemporaryDir dir;
    QString savedCurrent;
};

const std::string kTwoLineFile = BuildQueueHeader() + "\r\nTemperature=-40\r\n##BUILD##\r\n4:1:999\r\n1:1:998\r\n";

TEST_F(EditorTest, UndoPutsBackACascadingDeleteAndRedoRemovesItAgain)
{
    Click({bid::kMetalMine, bid::kCrystalMine, bid::kMetalMine, bid::kSolarPlant, bid::kMetalMine});
    PickLine(0);
    form->DelButton->click();
    const PlanOnScreen afterDelete = Shown(*form);
    ASSERT_EQ(form->queue.Count(), 2);

    Undo();
    EXPECT_EQ(Shown(*form), Reference({1, 2, 1, 4, 1}, 0, QStringLiteral("0")));
    EXPECT_EQ(form->queue.At(4).order, 995); // every entry back with its own stamp
    Redo();
    EXPECT_EQ(Shown(*form), afterDelete);

    // Undo down to nothing: every append taken back, the buttons as at start.
    for (int i = 0; i < 6; ++i)
        Undo();
    EXPECT_TRUE(form->queue.Empty());
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{false, false, false, false, false}));
    EXPECT_EQ(FindItemRow(*form, bid::kMetalMine)->LevelLabel->text(), QStringLiteral("1"));
}

TEST_F(EditorTest, UndoOfOpenBringsBackThePlanAndTheTemperature)
{
    Click({bid::kMetalMine, bid::kMetalMine, bid::kCrystalMine});
    form->MaxTemperatureEdit->setText(QStringLiteral("35"));
    const PlanOnScreen before = Reference({1, 1, 2}, 0, QStringLiteral("35"));
    OpenQueueFilePath(*form, WriteFile("two.bql", kTwoLineFile));
    const PlanOnScreen opened = Shown(*form);
    EXPECT_EQ(opened.temperature, QStringLiteral("-40"));
    EXPECT_FALSE(Modified());

    Undo();
    EXPECT_EQ(Shown(*form), before);
    EXPECT_TRUE(Modified());
    Redo();
    EXPECT_EQ(Shown(*form), opened);
    EXPECT_FALSE(Modified());
}

TEST_F(EditorTest, ModifiedFollowsEditsSavesAndUndo)
{
    const auto caption = [&] { return ShownCaption(*form->window).section(QLatin1Char(' '), 0, 0); };
    EXPECT_FALSE(Modified());
    EXPECT_EQ(caption(), QStringLiteral("Korvelin"));
    Click(bid::kMetalMine);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(caption(), QStringLiteral("Korvelin*"));
    platform.AnswerNextFileDialog(dir.filePath(QStringLiteral("saved.bql")));
    SaveQueueFile(*form);
    EXPECT_FALSE(Modified());
    Undo();
    EXPECT_TRUE(Modified());
    Redo();
    EXPECT_FALSE(Modified()); // back at the saved plan
    form->MaxTemperatureEdit->setText(QStringLiteral("12"));
    EXPECT_TRUE(Modified());
    form->CalculateButton->click(); // playing is no change of the plan
    SaveQueueFileByTime(*form);
    EXPECT_FALSE(Modified());
}

struct CloseCase {
    const char *name;
    Answer answer;
    bool dialogPicksFile;
    bool closes;
    bool fileWritten;
};

class CloseQuestion : public EditorTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestion, DecidesWhetherTheWindowCloses)
{
    form->window->show();
    Click(bid::kMetalMine);
    const QString path = dir.filePath(QStringLiteral("plan.bql"));
    platform.questionAnswers.push_back(GetParam().answer);
    platform.AnswerNextFileDialog(GetParam().dialogPicksFile ? std::optional<QString>(path) : std::nullopt);

    EXPECT_EQ(form->window->close(), GetParam().closes);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, QStringLiteral("Save changes to the plan?"));
    EXPECT_EQ(QFile::exists(path), GetParam().fileWritten);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestion,
                         testing::Values(CloseCase{"SaveWritesAndCloses", Answer::Save, true, true, true},
                                         CloseCase{"CancelledSaveKeepsTheWindow", Answer::Save, false, false, false},
                                         CloseCase{"DiscardCloses", Answer::Discard, true, true, false},
                                         CloseCase{"CancelKeepsTheWindow", Answer::Cancel, true, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorTest, UnmodifiedPlanClosesAndOpensWithoutAQuestion)
{
    form->window->show();
    OpenQueueFilePath(*form, WriteFile("two.bql", kTwoLineFile));
    EXPECT_TRUE(form->window->close());
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(EditorTest, OpeningAPathActsAsOpen)
{
    OpenQueueFilePath(*form, WriteFile("two.bql", kTwoLineFile));
    EXPECT_EQ(form->queue.Count(), 2);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());

    // A missing file: the "Error" box, and the plan stays as it was.
    OpenQueueFilePath(*form, dir.filePath(QStringLiteral("missing.bql")));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(QStringLiteral("Runtime error 2: ")));
    EXPECT_EQ(form->queue.Count(), 2);
}

TEST_F(EditorTest, APipeIsRefusedBeforeItIsOpened)
{
    const QString pipe = dir.filePath(QStringLiteral("pipe.bql"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Click(bid::kMetalMine);
    OpenQueueFilePath(*form, pipe); // would wait for a writer if it were opened
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0], QStringLiteral("Runtime error 22: Not a regular file: ") + pipe);
    EXPECT_EQ(form->queue.Count(), 1);
}

TEST_F(EditorTest, ShortcutsClickTheirButtons)
{
    form->window->show();
    form->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->window.get()));
    EXPECT_TRUE(form->QueueList->hasFocus());
    EXPECT_FALSE(form->LanguageBox->isEditable());
    QWidget *window = form->window.get();

    QTest::keyClick(window, Qt::Key_F6); // Next is disabled: nothing happens
    EXPECT_TRUE(form->SummaryTimeEdit->text().isEmpty());
    Click({bid::kMetalMine, bid::kCrystalMine});
    form->QueueList->setFocus();
    QTest::keyClick(window, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(form->queue.At(0).bid, bid::kCrystalMine);
    QTest::keyClick(window, Qt::Key_F5);
    EXPECT_EQ(form->SummaryTimeEdit->text(), QStringLiteral("00:03:31"));
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->queue.At(0).bid, bid::kMetalMine);
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->queue.At(0).bid, bid::kCrystalMine);
    QTest::keyClick(window, Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(form->ResourcePanel->isVisible());

    // Delete and Ctrl+C act on the list only while it has the focus.
    form->QueueList->setFocus();
    QTest::keyClick(form->QueueList, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboardTexts.size(), 1);
    form->MaxTemperatureEdit->setFocus();
    QTest::keyClick(form->MaxTemperatureEdit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboardTexts.size(), 1);
    QTest::keyClick(window, Qt::Key_Delete);
    EXPECT_EQ(form->queue.Count(), 2);
    form->QueueList->setFocus();
    QTest::keyClick(form->QueueList, Qt::Key_Delete);
    EXPECT_EQ(form->queue.Count(), 1);
    EXPECT_EQ(form->DelButton->toolTip(), QStringLiteral("Delete the line and the later levels of its item (Del)"));
}

} // namespace
} // namespace korvelin::test
