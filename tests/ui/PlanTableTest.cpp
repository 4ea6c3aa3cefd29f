// The plan table window: its rows against the engine's walk, the marks, the
// item names, the selection both ways, following the plan, and the CSV export
// against korvelin-report.

#include "QueueFormFixture.h"

#include "RunReport.h"
#include "ui/FileCommands.h"
#include "ui/ItemNames.h"
#include "ui/PlanTableModel.h"
#include "ui/PlanTableWindow.h"
#include "ui/QueueView.h"
#include "util/FormatDuration.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

namespace korvelin::test {
namespace {

// Mines, power, a synthesizer, then research that costs deuterium.
const int32_t kPlan[] = {1, 1, 4, 2, 1, 4, 3, 2, 31, 3, 1, 4, 113, 1, 2};

class PlanTableTest : public QueueFormFixture {
  protected:
    // The choice is remembered between runs; every test starts with it off.
    void SetUp() override { SetEnglishItemNames(*form, false); }
    void TearDown() override { SetEnglishItemNames(*form, false); }

    PlanTableWindow &Open()
    {
        form->TableButton->click();
        QCoreApplication::processEvents();
        return *form->TableWindow;
    }
    static QString Cell(const PlanTableWindow &table, int row, int column, int role = Qt::DisplayRole)
    {
        return table.Model->index(row, column).data(role).toString();
    }
    static QByteArray ReadBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    QTemporaryDir dir;
};

TEST_F(PlanTableTest, RowsAreTheWalkAndTheCsvIsTheReportsByteForByte)
{
    for (const int32_t b : kPlan)
        Click(b);
    form->MaxTemperatureEdit->setText(QStringLiteral("40"));
    form->SatelliteCountEdit->setText(QStringLiteral("3"));
    PlanTableWindow &table = Open();

    std::vector<EntryEvaluation> walk;
    TimelineState state;
    RecordingPlatform quiet;
    WalkQueue(
        form->queue, kDefaultStartStock, state,
        [] {
            return PlanetInputs{40, 3};
        },
        quiet, [&walk](const EntryEvaluation &e) { walk.push_back(e); });
    ASSERT_EQ(table.Model->rowCount(), static_cast<int>(std::size(kPlan)));
    for (size_t i = 0; i < walk.size(); ++i) {
        const int row = static_cast<int>(i);
        SCOPED_TRACE(row);
        EXPECT_EQ(table.Model->Rows()[i].total, walk[i].total);
        EXPECT_EQ(table.Model->Rows()[i].stockAfter, walk[i].stockAfter);
        EXPECT_EQ(Cell(table, row, PlanTableModel::StartColumn).toStdString(),
                  FormatDuration(i == 0 ? 0 : walk[i - 1].total));
        EXPECT_EQ(Cell(table, row, PlanTableModel::EndColumn).toStdString(), FormatDuration(walk[i].total));
        EXPECT_EQ(Cell(table, row, PlanTableModel::StepColumn).toStdString(), FormatDuration(walk[i].step));
    }
    // korvelin-report's total for this plan, and its steps shared out by
    // their longest wait.
    EXPECT_EQ(table.SummaryLabel->text().toStdString(),
              "Total 1d 07:22:00; waiting on metal 7%, crystal 0%, deuterium 90%; 0 marked rows");
    const QDateTime startsAt(QDate(2030, 1, 31), QTime(22, 0));
    table.StartsAtEdit->setDateTime(startsAt);
    EXPECT_EQ(Cell(table, 5, PlanTableModel::EndDateColumn),
              QLocale().toString(startsAt.addSecs(walk[5].total), QLocale::ShortFormat));
    EXPECT_TRUE(platform.messages.empty());

    const QString csv = dir.filePath(QStringLiteral("plan.csv"));
    const QString bql = dir.filePath(QStringLiteral("plan.bql"));
    platform.AnswerNextFileDialog(csv);
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    QTest::keyClick(&table, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].title, QStringLiteral("Save Plan Table"));
    platform.AnswerNextFileDialog(bql);
    SaveQueueFile(*form);
    std::ostringstream out;
    std::ostringstream err;
    const std::string bqlPath = bql.toStdString();
    const std::vector<std::string_view> args{"--satellites", "3", "--format", "csv", bqlPath};
    ASSERT_EQ(report::RunReport(args, out, err), 0) << err.str();
    EXPECT_EQ(ReadBytes(csv).toStdString(), out.str());
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
}

TEST_F(PlanTableTest, MarkedRowsSayWhyAndAFailedSaveShowsTheErrorBox)
{
    // Espionage before any synthesizer or lab: deuterium that never comes
    // and a requirement not met; then mines that outgrow one power plant:
    // energy short.
    Click({106, 1, 1, 1, 4, 1, 2, 2});
    PlanTableWindow &table = Open();
    EXPECT_EQ(Cell(table, 0, PlanTableModel::ItemColumn, Qt::ToolTipRole).toStdString(),
              "Costs 200 deuterium, but deuterium production is 0 per hour: Build is Corrupted - FixItPlz\n"
              "needs Research Lab 3");
    int marked = 1;
    for (int row = 1; row < table.Model->rowCount(); ++row) {
        const EconomyFigures &economy = table.Model->Rows()[static_cast<size_t>(row)].economy;
        const QString tip = Cell(table, row, PlanTableModel::LevelColumn, Qt::ToolTipRole);
        if (economy.productionFactor >= 100) {
            EXPECT_EQ(tip, QString()) << row;
            continue;
        }
        ++marked;
        EXPECT_EQ(tip, QStringLiteral("Energy short by %1: mines run at %2%")
                           .arg(-economy.energyBalance)
                           .arg(economy.productionFactor));
    }
    ASSERT_GE(marked, 2);
    EXPECT_TRUE(table.SummaryLabel->text().endsWith(QStringLiteral("; %1 marked rows").arg(marked)));
    EXPECT_TRUE(platform.messages.empty()); // "Calculate" would have shown one

    platform.AnswerNextFileDialog(dir.filePath(QStringLiteral("missing/plan.csv")));
    table.SaveCsvButton->click();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(QStringLiteral("The table could not be saved to ")));
}

TEST_F(PlanTableTest, EnglishNamesInTheListAndTheTableButNotOnTheClipboard)
{
    Click({1, 1});
    form->queue.AppendEntry(41, 1); // the moon base has no button
    RefreshQueueView(*form, 0);
    PlanTableWindow &table = Open();
    form->CpButton->setEnabled(true);
    form->CpButton->click();
    const QString russianLine = Lines()[0];

    table.EnglishNamesCheck->click();
    EXPECT_TRUE(form->englishItemNames);
    EXPECT_TRUE(LoadEnglishItemNames());
    EXPECT_EQ(Lines(), Texts({"1. Metal Mine (1)", "2. Metal Mine (2)", "3. Moon Base (1)"}));
    EXPECT_EQ(Cell(table, 2, PlanTableModel::ItemColumn), QStringLiteral("Moon Base"));
    form->CpButton->click();
    ASSERT_EQ(platform.clipboardTexts.size(), 2);
    EXPECT_EQ(platform.clipboardTexts[0], platform.clipboardTexts[1]);

    // The queue list's menu holds the same choice, last, after a separator.
    const QList<QAction *> entries = form->QueueMenu->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries.back(), form->EnglishNamesAction);
    EXPECT_TRUE(entries[entries.size() - 2]->isSeparator());
    EXPECT_TRUE(form->EnglishNamesAction->isChecked());
    form->EnglishNamesAction->trigger();
    EXPECT_FALSE(form->englishItemNames);
    EXPECT_FALSE(table.EnglishNamesCheck->isChecked());
    EXPECT_EQ(Lines()[0], russianLine);
    EXPECT_EQ(Cell(table, 0, PlanTableModel::ItemColumn), ItemName(1, false));
}

TEST_F(PlanTableTest, SelectionFollowsBothWays)
{
    Click({1, 1, 4, 2, 1});
    PlanTableWindow &table = Open();
    PickLine(3);
    EXPECT_EQ(table.TableView->currentIndex().row(), 3);
    EXPECT_TRUE(table.TableView->selectionModel()->isRowSelected(3));

    const QRect cell = table.TableView->visualRect(table.Model->index(1, PlanTableModel::ItemColumn));
    QTest::mouseClick(table.TableView->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
    EXPECT_EQ(Current(), 1);
}

TEST_F(PlanTableTest, ABurstOfChangesUpdatesOnceAndAClosedWindowNotAtAll)
{
    EXPECT_FALSE(form->TableButton->isEnabled());
    Click(1);
    EXPECT_TRUE(form->TableButton->isEnabled());
    PlanTableWindow &table = Open();
    QSignalSpy updated(&table, &PlanTableWindow::Updated);
    Click({1, 2, 4});
    form->MaxTemperatureEdit->setText(QStringLiteral("60"));
    form->SatelliteCountEdit->setText(QStringLiteral("5"));
    EXPECT_EQ(updated.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(updated.count(), 1);
    EXPECT_EQ(table.Model->rowCount(), 4);
    EXPECT_EQ(table.Model->Rows().back().inputs.maxTemperature, 60);

    table.close();
    form->DelButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(updated.count(), 1);
    form->TableButton->click();
    EXPECT_EQ(updated.count(), 2);
    EXPECT_EQ(table.Model->rowCount(), 3);
}

} // namespace
} // namespace korvelin::test
