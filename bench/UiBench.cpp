// The queue handlers on real, offscreen widgets: "Calculate" on long queues
// and one item-button click at the end of a long queue; the timeline chart
// opening on a long queue and following one more click; the plan table alike.

#include "RealisticQueue.h"

#include "toolkit/Platform.h"
#include "toolkit/Window.h"
#include "ui/ItemDetails.h"
#include "ui/MainForm.h"
#include "ui/PlanTableModel.h"
#include "ui/PlanTableWindow.h"
#include "ui/QueueView.h"
#include "ui/TimelineChartView.h"
#include "ui/TimelineChartWindow.h"

#include <QApplication>
#include <QEvent>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <thread>

namespace korvelin {
namespace {

class QuietPlatform : public Platform {
  public:
    void ShowMessage(std::string_view) override { ++messages; }
    void ShowNotice(const QString &) override {}
    void ShowErrorBox(const QString &) override {}
    std::optional<QString> ShowFileDialog(const FileDialogRequest &) override { return std::nullopt; }
    void SetClipboardText(const QString &) override {}
    void OpenUrl(const QString &) override {}
    Answer AskQuestion(const QuestionRequest &request) override { return request.escapeAnswer; }
    std::optional<std::vector<int64_t>> AskNumbers(const NumbersRequest &) override { return std::nullopt; }
    void WaitForWork(const QString &, BackgroundWork &work) override
    {
        while (!work.Finished())
            std::this_thread::yield();
    }
    int64_t messages = 0;
};

struct Window {
    QuietPlatform platform;
    std::unique_ptr<MainForm> form;

    explicit Window(int32_t entries) : form(CreateMainForm(platform))
    {
        form->window->show();
        form->MaxTemperatureEdit->setText(QStringLiteral("40"));
        form->queue = bench::RealisticQueue(entries);
        RefreshQueueView(*form, 0);
        RefreshItemRows(*form);
        // As a loaded file leaves them.
        for (QPushButton *button : {form->DelButton, form->UpButton, form->DownButton, form->CpButton})
            button->setEnabled(true);
        QCoreApplication::processEvents();
    }
};

void Calculate(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        window.form->CalculateButton->click();
        // The repaint the click causes belongs to what the user waits for.
        QCoreApplication::processEvents();
    }
    if (window.platform.messages != 0)
        state.SkipWithError("the plan raised a message box");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Calculate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void ItemButtonAtEnd(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    PushButton *button = FindItemRow(*window.form, bid::kEspionage)->ItemButton;
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.form->DelButton->click(); // the new last line is current
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ItemButtonAtEnd)->Arg(10000)->Unit(benchmark::kMillisecond);

// Del on the first line renumbers every line after it.
void DelFirstLine(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        window.form->queue.Clear();
        window.form->queue = bench::RealisticQueue(static_cast<int32_t>(state.range(0)));
        window.form->queue.AppendEntry(bid::kEspionage, 1);
        window.form->queue.SwapEntries(0, window.form->queue.Count() - 1);
        RefreshQueueView(*window.form, 0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.form->DelButton->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DelFirstLine)->Arg(10000)->Unit(benchmark::kMillisecond);

// Counts the paints of the chart views, so a measurement lasts until the
// user sees the charts rather than until the first pass of the event loop.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(watched);
        return false;
    }
    std::set<QObject *> painted;
};

void ProcessUntilChartsPainted(TimelineChartWindow &chart)
{
    PaintCounter counter;
    for (QWidget *viewport : {chart.StockView->viewport(), chart.EconomyView->viewport()})
        viewport->installEventFilter(&counter);
    for (int pass = 0; pass < 100 && counter.painted.size() < 2; ++pass)
        QCoreApplication::processEvents();
    for (QWidget *viewport : {chart.StockView->viewport(), chart.EconomyView->viewport()})
        viewport->removeEventFilter(&counter);
}

// From the click on "Chart" until both charts are painted, the window made anew.
void OpenChart(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    window.form->ChartButton->setEnabled(true);
    for (auto _ : state) {
        window.form->ChartButton->click();
        ProcessUntilChartsPainted(*window.form->ChartWindow);
        state.PauseTiming();
        delete window.form->ChartWindow;
        window.form->ChartWindow = nullptr;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenChart)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);

// With the chart open: one more item click, until the list and both charts
// show it.
void ChartFollowsItemClick(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    window.form->ChartButton->setEnabled(true);
    window.form->ChartButton->click();
    TimelineChartWindow &chart = *window.form->ChartWindow;
    ProcessUntilChartsPainted(chart);
    PushButton *button = FindItemRow(*window.form, bid::kEspionage)->ItemButton;
    for (auto _ : state) {
        button->click();
        ProcessUntilChartsPainted(chart);
        state.PauseTiming();
        window.form->DelButton->click();
        ProcessUntilChartsPainted(chart);
        state.ResumeTiming();
    }
    if (chart.Series().entries.size() != static_cast<size_t>(state.range(0)))
        state.SkipWithError("the chart did not follow the plan");
}
BENCHMARK(ChartFollowsItemClick)->Arg(10000)->Unit(benchmark::kMillisecond);

void ProcessUntilTablePainted(PlanTableWindow &table)
{
    PaintCounter counter;
    table.TableView->viewport()->installEventFilter(&counter);
    for (int pass = 0; pass < 100 && counter.painted.empty(); ++pass)
        QCoreApplication::processEvents();
    table.TableView->viewport()->removeEventFilter(&counter);
}

// From the click on "Table" until the rows are painted, the window made anew.
void OpenTable(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    window.form->TableButton->setEnabled(true);
    for (auto _ : state) {
        window.form->TableButton->click();
        ProcessUntilTablePainted(*window.form->TableWindow);
        state.PauseTiming();
        delete window.form->TableWindow;
        window.form->TableWindow = nullptr;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenTable)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);

// With the table open: one more item click, until the list and the table show it.
void TableFollowsItemClick(benchmark::State &state)
{
    Window window(static_cast<int32_t>(state.range(0)));
    window.form->TableButton->setEnabled(true);
    window.form->TableButton->click();
    PlanTableWindow &table = *window.form->TableWindow;
    ProcessUntilTablePainted(table);
    PushButton *button = FindItemRow(*window.form, bid::kEspionage)->ItemButton;
    for (auto _ : state) {
        button->click();
        ProcessUntilTablePainted(table);
        state.PauseTiming();
        window.form->DelButton->click();
        ProcessUntilTablePainted(table);
        state.ResumeTiming();
    }
    if (table.Model->rowCount() != static_cast<int>(state.range(0)))
        state.SkipWithError("the table did not follow the plan");
}
BENCHMARK(TableFollowsItemClick)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvelin

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    korvelin::ApplyDesktopLook(application);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
