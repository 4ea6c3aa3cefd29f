// The timeline chart window: its points against the engine's walk, the hover
// text, picking and zooming with the mouse, following the plan, and saving.

#include "QueueFormFixture.h"

#include "ui/TimelineAxes.h"
#include "ui/TimelineChartView.h"
#include "ui/TimelineChartWindow.h"
#include "util/FormatDuration.h"

#include <QCategoryAxis>
#include <QChart>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace korvelin::test {
namespace {

// Mines, power, a synthesizer, then research that costs deuterium.
const int32_t kPlan[] = {1, 1, 4, 2, 1, 4, 3, 2, 31, 3, 1, 4, 113, 1, 2};

class TimelineChartTest : public QueueFormFixture {
  protected:
    TimelineChartWindow &Open()
    {
        form->ChartButton->click();
        QCoreApplication::processEvents();
        return *form->ChartWindow;
    }
    void ClickPlan()
    {
        for (const int32_t b : kPlan)
            Click(b);
    }
    static QCategoryAxis &TimeAxis(const TimelineChartView &view)
    {
        return *static_cast<QCategoryAxis *>(view.chart()->axes(Qt::Horizontal).front());
    }
    // Where the stock point of an entry lies in the upper view.
    QPoint StockPoint(const TimelineChartWindow &chart, size_t entry, size_t resource) const
    {
        const EntryEvaluation &e = chart.Series().entries[entry];
        QChart *c = chart.StockView->chart();
        const QPointF at = c->mapToPosition(QPointF(double(e.total), double(e.stockAfter[resource])),
                                            c->series()[static_cast<qsizetype>(resource)]);
        return chart.StockView->FromChart(at).toPoint();
    }
};

// The value a step line holds at `seconds`, strictly inside one stretch.
double HeldAt(const QList<QPointF> &line, double seconds)
{
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (line[i].x() < seconds && seconds < line[i + 1].x() && line[i].y() == line[i + 1].y())
            return line[i].y();
    }
    return NAN;
}

TEST_F(TimelineChartTest, PointsAreTheEnginesWalkWithTheInputsAsTyped)
{
    ClickPlan();
    form->MaxTemperatureEdit->setText(QStringLiteral("40"));
    form->SatelliteCountEdit->setText(QStringLiteral("3"));
    const TimelineChartWindow &chart = Open();

    std::vector<EntryEvaluation> walk;
    TimelineState state;
    RecordingPlatform quiet;
    WalkQueue(
        form->queue, kDefaultStartStock, state,
        [] {
            return PlanetInputs{40, 3};
        },
        quiet, [&walk](const EntryEvaluation &e) { walk.push_back(e); });
    const TimelineSeries &series = chart.Series();
    ASSERT_EQ(series.entries.size(), std::size(kPlan));
    for (size_t r = 0; r < 3; ++r) {
        ASSERT_EQ(series.stock[r].size(), qsizetype(std::size(kPlan) + 1));
        EXPECT_EQ(series.stock[r][0], QPointF(0, r == 2 ? 0 : 500));
    }
    for (size_t i = 0; i < walk.size(); ++i) {
        const EntryEvaluation &e = walk[i];
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_EQ(series.entries[i].total, e.total);
        const double middle = double(e.total) - double(e.step) / 2;
        const std::array<int64_t, 3> perHour{e.economy.metalPerHour, e.economy.crystalPerHour,
                                             e.economy.deuteriumPerHour};
        for (size_t r = 0; r < 3; ++r) {
            EXPECT_EQ(series.stock[r][qsizetype(i + 1)], QPointF(double(e.total), double(e.stockAfter[r])));
            if (e.step > 0) {
                EXPECT_EQ(HeldAt(series.production[r], middle), double(perHour[r]));
            }
        }
        if (e.step > 0) {
            EXPECT_EQ(HeldAt(series.energyBalance, middle), double(e.economy.energyBalance));
        }
    }
    // The walk "Calculate" makes, and a deuterium price before any
    // synthesizer raised no box from the chart.
    form->CalculateButton->click();
    EXPECT_EQ(form->SummaryTimeEdit->text().toStdString(), FormatDuration(walk.back().total));
    EXPECT_EQ(platform.messages.size(), 0u);
}

TEST_F(TimelineChartTest, AnEntryThatCalculateRefusesStillDrawsWithoutABox)
{
    Click(106); // espionage costs deuterium and nothing produces it yet
    const TimelineChartWindow &chart = Open();
    EXPECT_EQ(chart.Series().entries.size(), 1u);
    EXPECT_TRUE(platform.messages.empty());
    form->CalculateButton->click();
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(TimelineChartTest, HoverNamesTheEntryAndAClickSelectsItsLine)
{
    Click({1, 1, 4, 2});
    TimelineChartWindow &chart = Open();
    const QString expected = QStringLiteral("2. ") + QString::fromUtf8(FullName(ItemIndexOf(1))) +
                             QStringLiteral(" (2)\nWaits: M 00:00:00, K 00:00:00, D 00:00:00\n"
                                            "Build time: 00:02:41\nEnds at: 00:04:29");
    const QPoint point = StockPoint(chart, 1, 1);
    EXPECT_EQ(chart.ToolTipAt(*chart.StockView, point + QPoint(3, -3)), expected);
    EXPECT_EQ(chart.ToolTipAt(*chart.StockView, point + QPoint(0, 60)), QString());

    PickLine(3);
    QTest::mouseClick(chart.StockView->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
    EXPECT_EQ(Current(), 1);
}

TEST_F(TimelineChartTest, ABurstOfChangesRedrawsOnceAndAClosedWindowNotAtAll)
{
    Click(1);
    TimelineChartWindow &chart = Open();
    QSignalSpy redrawn(&chart, &TimelineChartWindow::Redrawn);
    Click({1, 2, 4});
    form->MaxTemperatureEdit->setText(QStringLiteral("60"));
    form->SatelliteCountEdit->setText(QStringLiteral("5"));
    EXPECT_EQ(redrawn.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(redrawn.count(), 1);
    EXPECT_EQ(chart.Series().entries.size(), 4u);
    EXPECT_EQ(chart.Series().entries.back().inputs.maxTemperature, 60);

    chart.close();
    form->DelButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(redrawn.count(), 1);
    form->ChartButton->click();
    EXPECT_EQ(redrawn.count(), 2);
    EXPECT_EQ(chart.Series().entries.size(), 3u);
}

TEST_F(TimelineChartTest, AClockThatStopsAtItsLargestValueStillRunsForward)
{
    // Levels far beyond any plan: the clock and the stock saturate.
    for (const auto &[b, level] : {std::pair{1, 1}, {31, 3000}, {2, 1}, {15, 100000}, {1, 2}})
        form->queue.AppendEntry(b, level);
    ShowTimelineChart(*form);
    TimelineChartWindow &chart = *form->ChartWindow;
    for (const QList<QPointF> *line :
         {&chart.Series().production[0], &chart.Series().energyBalance, &chart.Series().stock[0]}) {
        for (qsizetype i = 1; i < line->size(); ++i)
            EXPECT_LE((*line)[i - 1].x(), (*line)[i].x()) << i;
    }
    const double end = chart.Series().EndTime();
    EXPECT_GT(end, 1e18);
    chart.ZoomTo(end - 1, end);
    EXPECT_LT(chart.ShownFrom(), chart.ShownTo());
}

TEST_F(TimelineChartTest, ChartButtonNeedsAnEntry)
{
    EXPECT_FALSE(form->ChartButton->isEnabled());
    Click(1);
    EXPECT_TRUE(form->ChartButton->isEnabled());
    form->DelButton->click();
    EXPECT_FALSE(form->ChartButton->isEnabled());
}

TEST_F(TimelineChartTest, DraggingZoomsBothChartsAndDoubleClickShowsTheWholePlan)
{
    ClickPlan();
    TimelineChartWindow &chart = Open();
    const double end = chart.Series().EndTime();
    QWidget *viewport = chart.EconomyView->viewport();
    const QRectF plot = chart.EconomyView->chart()->plotArea();
    const int y = int(plot.center().y());
    const int from = int(plot.left() + plot.width() / 4);
    const int to = int(plot.left() + plot.width() / 2);
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(from, y));
    QTest::mouseMove(viewport, QPoint(to, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(to, y));
    EXPECT_NEAR(chart.ShownFrom(), end / 4, end / 50);
    EXPECT_NEAR(chart.ShownTo(), end / 2, end / 50);
    for (const TimelineChartView *view : {chart.StockView, chart.EconomyView}) {
        EXPECT_EQ(TimeAxis(*view).min(), chart.ShownFrom());
        EXPECT_EQ(TimeAxis(*view).max(), chart.ShownTo());
    }
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(from, y));
    EXPECT_EQ(chart.ShownFrom(), 0);
    EXPECT_EQ(chart.ShownTo(), end);
}

TEST_F(TimelineChartTest, SaveWritesAPngThatLoadsAndAFailureSaysSo)
{
    Click({1, 1, 4});
    TimelineChartWindow &chart = Open();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plan.png"));
    platform.AnswerNextFileDialog(path);
    chart.SaveImageButton->click();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_TRUE(platform.fileDialogs[0].save);
    const QImage image(path);
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), chart.ChartsPanel->size() * chart.devicePixelRatio());
    EXPECT_TRUE(platform.errorBoxes.isEmpty());

    // Ctrl+S in the chart window asks again, starting from the last name.
    chart.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    QTest::keyClick(&chart, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_EQ(platform.fileDialogs[1].fileName, path);

    const QString nowhere = folder.filePath(QStringLiteral("missing/plan.png"));
    platform.AnswerNextFileDialog(nowhere);
    chart.SaveImageButton->click();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    ASSERT_EQ(platform.fileDialogs.size(), 3u);
    EXPECT_TRUE(platform.errorBoxes[0].contains(QStringLiteral("missing")));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

struct TicksCase {
    const char *name;
    double from;
    double to;
    int maxTicks;
    std::vector<const char *> texts;
};

const TicksCase kTimeTicks[] = {
    {"HalfHours", 0, 5400, 4, {"00:00:00", "00:30:00", "01:00:00", "01:30:00"}},
    {"HalfDays", 3600, 2.6 * 86400, 6, {"12:00:00", "1d 00:00:00", "1d 12:00:00", "2d 00:00:00", "2d 12:00:00"}},
    {"ManyDays", 0, 2.1e6, 3, {"00:00:00", "10d 00:00:00", "20d 00:00:00"}},
};

TEST(TimelineAxesTest, TimeTicksFallOnReadableDurations)
{
    for (const TicksCase &c : kTimeTicks) {
        std::vector<std::string> texts;
        for (const AxisTick &tick : TimeTicks(c.from, c.to, c.maxTicks))
            texts.push_back(tick.text.toStdString());
        EXPECT_EQ(texts, std::vector<std::string>(c.texts.begin(), c.texts.end())) << c.name;
    }
    // Too narrow for double precision to step through: few ticks, no hang.
    EXPECT_LE(TimeTicks(8.0e18, 8.0e18 + 4096, 10).size(), 10u);
}

TEST(TimelineAxesTest, ValueTicksWidenToWholeStepsAndShortenLargeFigures)
{
    double low = -30;
    double high = 1.3e6;
    std::vector<std::string> texts;
    for (const AxisTick &tick : ValueTicks(low, high, 4))
        texts.push_back(tick.text.toStdString());
    EXPECT_EQ(low, -500000);
    EXPECT_EQ(high, 1.5e6);
    EXPECT_EQ(texts, (std::vector<std::string>{"-0.5M", "0", "0.5M", "1M", "1.5M"}));
}

TEST(TimelineSeriesTest, ReducingKeepsEveryPeakAndTheEdges)
{
    QList<QPointF> zigzag;
    for (int i = 0; i < 100000; ++i)
        zigzag.append(QPointF(i, i == 4321 ? 1e9 : (i == 77777 ? -1e9 : i % 7)));
    const QList<QPointF> reduced = ReducePoints(zigzag, 1000, 90000, 500);
    EXPECT_LE(reduced.size(), 4 * 500 + 8);
    double low = 0;
    double high = 0;
    ASSERT_TRUE(ValueRange(reduced, 1000, 90000, low, high));
    EXPECT_EQ(low, -1e9);
    EXPECT_EQ(high, 1e9);
    EXPECT_EQ(reduced.front(), zigzag[999]);
    EXPECT_EQ(reduced.back(), zigzag[90001]);
    // Few points: all of them, with the neighbours of the range.
    EXPECT_EQ(ReducePoints(zigzag.mid(0, 50), 10, 20, 500), zigzag.mid(9, 13));
}

} // namespace
} // namespace korvelin::test
