#include "ui/TimelineChartWindow.h"

#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueFileIO.h"
#include "ui/RecentFolder.h"
#include "ui/TimelineAxes.h"
#include "ui/TimelineChartView.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvelin {

namespace {

// The shortest stretch of time the charts zoom to, in seconds: ten, or more
// where the clock has run so far that double precision steps coarser.
double ShortestRange(double end)
{
    return std::max(10.0, end * 1e-12);
}

// The plot's distance from the chart's edges when its axes need no more.
constexpr int kMargin = 6;

// The colours players know the resources by, alike in both charts.
const std::array<QColor, 3> kResourceColors = {QColor(0x80, 0x88, 0x90), QColor(0x1c, 0xa8, 0xdd),
                                               QColor(0x16, 0xa0, 0x85)};
const QColor kEnergyColor(0xf0, 0x8c, 0x00);
const std::array<const char *, 3> kResourceNames = {"Metal", "Crystal", "Deuterium"};

QLineSeries *AddLine(QChart *chart, const char *name, const QColor &color, qreal width = 2.0)
{
    auto *line = new QLineSeries(chart);
    line->setName(QString::fromUtf8(name));
    line->setPen(QPen(color, width));
    chart->addSeries(line);
    return line;
}

QCategoryAxis *AddAxis(QChart *chart, Qt::Alignment alignment, const QString &title)
{
    auto *axis = new QCategoryAxis(chart);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(title);
    chart->addAxis(axis, alignment);
    return axis;
}

QChart *MakeChart()
{
    auto *chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    // Above the plot, so it never covers a line.
    chart->legend()->setAlignment(Qt::AlignTop);
    return chart;
}

// Fits the value axis to what the lines hold over [from, to], from 0 or
// below, so that 0 always shows.
void FitValueAxis(QCategoryAxis &axis, std::initializer_list<const QList<QPointF> *> lines, double from, double to,
                  int height)
{
    double low = 0;
    double high = 0;
    for (const QList<QPointF> *points : lines) {
        double lineLow = 0;
        double lineHigh = 0;
        if (ValueRange(*points, from, to, lineLow, lineHigh)) {
            low = std::min(low, lineLow);
            high = std::max(high, lineHigh);
        }
    }
    // Headroom, so the highest point does not sit on the frame.
    high += (high - low) * 0.03;
    const std::vector<AxisTick> ticks = ValueTicks(low, high, std::max(2, (height - 90) / 36));
    ShowTicks(axis, low, high, ticks);
}

int ReducedColumns(const QWidget &view)
{
    return std::max(1000, view.width());
}

} // namespace

TimelineChartWindow::TimelineChartWindow(MainForm &form) : QWidget(form.window.get(), Qt::Window), form_(form)
{
    setWindowTitle(QStringLiteral("Korvelin \u2013 Timeline"));
    setWindowIcon(form.window->windowIcon());
    resize(900, 600);
    // Below this the axis titles and labels crowd the plots out.
    setMinimumSize(640, 480);
    BuildStockChart();
    BuildEconomyChart();
    ChartsPanel = new QWidget(this);
    auto *charts = new QVBoxLayout(ChartsPanel);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->setSpacing(0);
    charts->addWidget(StockView, 1);
    charts->addWidget(EconomyView, 1);
    BuildButtons();
    FollowPlan();
}

void TimelineChartWindow::BuildStockChart()
{
    stockChart_ = MakeChart();
    for (size_t r = 0; r < 3; ++r)
        stockLines_[r] = AddLine(stockChart_, kResourceNames[r], kResourceColors[r]);
    stockTimeAxis_ = AddAxis(stockChart_, Qt::AlignBottom, QString());
    stockAxis_ = AddAxis(stockChart_, Qt::AlignLeft, QStringLiteral("Stock"));
    for (QLineSeries *line : stockLines_) {
        line->attachAxis(stockTimeAxis_);
        line->attachAxis(stockAxis_);
    }
    StockView = new TimelineChartView(stockChart_, this);
}

void TimelineChartWindow::BuildEconomyChart()
{
    economyChart_ = MakeChart();
    for (size_t r = 0; r < 3; ++r)
        productionLines_[r] = AddLine(economyChart_, kResourceNames[r], kResourceColors[r]);
    energyLine_ = AddLine(economyChart_, "Energy balance", kEnergyColor);
    zeroEnergyLine_ = AddLine(economyChart_, "", kEnergyColor, 1.0);
    zeroEnergyLine_->setPen(QPen(kEnergyColor, 1.0, Qt::DashLine));
    for (QLegendMarker *marker : economyChart_->legend()->markers(zeroEnergyLine_))
        marker->setVisible(false);
    economyTimeAxis_ = AddAxis(economyChart_, Qt::AlignBottom, QString());
    productionAxis_ = AddAxis(economyChart_, Qt::AlignLeft, QStringLiteral("Production per hour"));
    energyAxis_ = AddAxis(economyChart_, Qt::AlignRight, QStringLiteral("Energy balance"));
    // Its own grid would cross the production grid; its colour ties the
    // labels to the line.
    energyAxis_->setGridLineVisible(false);
    energyAxis_->setLabelsColor(kEnergyColor.darker(120));
    energyAxis_->setTitleBrush(kEnergyColor.darker(120));
    for (QLineSeries *line : productionLines_) {
        line->attachAxis(economyTimeAxis_);
        line->attachAxis(productionAxis_);
    }
    for (QLineSeries *line : {energyLine_, zeroEnergyLine_}) {
        line->attachAxis(economyTimeAxis_);
        line->attachAxis(energyAxis_);
    }
    EconomyView = new TimelineChartView(economyChart_, this);
}

void TimelineChartWindow::BuildButtons()
{
    auto *hint =
        new QLabel(QStringLiteral("Drag across a chart to zoom in; double-click to see the whole plan."), this);
    ResetZoomButton = new QPushButton(QStringLiteral("Reset zoom"), this);
    SaveImageButton = new QPushButton(QStringLiteral("Save image\u2026"), this);
    SaveImageButton->setToolTip(QStringLiteral("Ctrl+S"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(ResetZoomButton);
    buttons->addWidget(SaveImageButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(ChartsPanel, 1);
    layout->addLayout(buttons);

    connect(ResetZoomButton, &QPushButton::clicked, this, &TimelineChartWindow::ResetZoom);
    connect(SaveImageButton, &QPushButton::clicked, this, &TimelineChartWindow::SaveImage);
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &TimelineChartWindow::SaveImage);
    for (TimelineChartView *view : {StockView, EconomyView}) {
        view->toolTipAt = [this, view](QPointF at) { return ToolTipAt(*view, at); };
        connect(view, &TimelineChartView::RangePicked, this, &TimelineChartWindow::ZoomTo);
        connect(view, &TimelineChartView::ResetRequested, this, &TimelineChartWindow::ResetZoom);
        connect(view, &TimelineChartView::Clicked, this, [this, view](QPointF at) { SelectEntry(*view, at); });
    }
    connect(stockChart_, &QChart::plotAreaChanged, this, [this](const QRectF &plot) { AlignPlotAreas(0, plot); });
    connect(economyChart_, &QChart::plotAreaChanged, this, [this](const QRectF &plot) { AlignPlotAreas(1, plot); });
}

void TimelineChartWindow::FollowPlan()
{
    connect(&form_.document, &PlanDocument::Changed, this, [this](const PlanChange &change) {
        // A loaded plan is another plan: the zoom of the old one means nothing there.
        if (change.kind == PlanChangeKind::Replaced)
            zoomed_ = false;
        ScheduleRedraw();
    });
    for (Edit *input : {form_.MaxTemperatureEdit, form_.SatelliteCountEdit})
        connect(input, &QLineEdit::textChanged, this, &TimelineChartWindow::ScheduleRedraw);
}

void TimelineChartWindow::Redraw()
{
    redrawPending_ = false;
    stale_ = false;
    const Planet planet = CurrentPlanet(form_);
    series_ = MapTimeline(WalkForChart(form_.queue, planet), planet.startStock);
    const double end = std::max(series_.EndTime(), ShortestRange(series_.EndTime()));
    if (zoomed_) {
        // The plan may have shrunk under the zoomed range.
        to_ = std::min(to_, end);
        from_ = std::max(0.0, std::min(from_, to_ - ShortestRange(end)));
        zoomed_ = from_ > 0 || to_ < end;
    }
    if (!zoomed_) {
        from_ = 0;
        to_ = end;
    }
    ShowRange();
    emit Redrawn();
}

void TimelineChartWindow::ScheduleRedraw()
{
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    if (redrawPending_)
        return;
    redrawPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (redrawPending_)
            Redraw();
    });
}

void TimelineChartWindow::ZoomTo(double from, double to)
{
    const double end = std::max(series_.EndTime(), ShortestRange(series_.EndTime()));
    const double shortest = ShortestRange(end);
    from = std::clamp(std::min(from, to), 0.0, end);
    to = std::clamp(std::max(from, to), 0.0, end);
    if (!(to - from >= shortest)) {
        const double middle = (from + to) / 2;
        from = std::clamp(middle - shortest / 2, 0.0, end - shortest);
        to = from + shortest;
    }
    from_ = from;
    to_ = to;
    zoomed_ = from > 0 || to < end;
    ShowRange();
}

void TimelineChartWindow::ResetZoom()
{
    ZoomTo(0, std::max(series_.EndTime(), ShortestRange(series_.EndTime())));
}

void TimelineChartWindow::ShowRange()
{
    // Each line gets its points in one call; a redraw per point would crawl.
    const int columns = ReducedColumns(*StockView);
    for (size_t r = 0; r < 3; ++r) {
        stockLines_[r]->replace(ReducePoints(series_.stock[r], from_, to_, columns));
        productionLines_[r]->replace(ReducePoints(series_.production[r], from_, to_, columns));
    }
    energyLine_->replace(ReducePoints(series_.energyBalance, from_, to_, columns));
    zeroEnergyLine_->replace(QList<QPointF>{QPointF(from_, 0), QPointF(to_, 0)});
    ShowAxes();
}

void TimelineChartWindow::ShowAxes()
{
    const QFontMetrics metrics(stockTimeAxis_->labelsFont());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("0d 00:00:00")) +
                           metrics.horizontalAdvance(QString::number(static_cast<int64_t>(to_ / 86400)));
    const int timeTicks = std::max(2, (StockView->width() - 150) / (labelWidth + 40));
    for (QCategoryAxis *axis : {stockTimeAxis_, economyTimeAxis_})
        ShowTicks(*axis, from_, to_, TimeTicks(from_, to_, timeTicks));
    FitValueAxis(*stockAxis_, {&series_.stock[0], &series_.stock[1], &series_.stock[2]}, from_, to_,
                 StockView->height());
    FitValueAxis(*productionAxis_, {&series_.production[0], &series_.production[1], &series_.production[2]}, from_, to_,
                 EconomyView->height());
    FitValueAxis(*energyAxis_, {&series_.energyBalance}, from_, to_, EconomyView->height());
}

// The two plots share the time axis, so they line up one above the other
// whatever width their value labels take. What the axes take beside the plot
// is measured when a chart lays itself out, with the margins of that layout.
void TimelineChartWindow::AlignPlotAreas(size_t chart, const QRectF &plot)
{
    const std::array<QChart *, 2> charts{stockChart_, economyChart_};
    const QMargins margins = charts[chart]->margins();
    axisSpace_[chart] = {plot.left() - margins.left(), charts[chart]->size().width() - plot.right() - margins.right()};
    const double left = std::max(axisSpace_[0].first, axisSpace_[1].first);
    const double right = std::max(axisSpace_[0].second, axisSpace_[1].second);
    for (size_t i = 0; i < 2; ++i) {
        const QMargins wanted(kMargin + static_cast<int>(std::lround(left - axisSpace_[i].first)), kMargin,
                              kMargin + static_cast<int>(std::lround(right - axisSpace_[i].second)), kMargin);
        if (wanted != charts[i]->margins())
            charts[i]->setMargins(wanted);
    }
}

void TimelineChartWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale_)
        Redraw();
}

void TimelineChartWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed rather than minimised: the next opening shows the whole plan anew.
    if (!event->spontaneous()) {
        stale_ = true;
        zoomed_ = false;
    }
}

void TimelineChartWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The layout has not sized the views yet; the tick counts follow them.
    QTimer::singleShot(0, this, [this] { ShowAxes(); });
}

void TimelineChartWindow::SaveImage()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save Timeline Image");
    request.initialFolder = InitialDialogFolder();
    // The last image's name again, so a series of pictures goes to one folder.
    request.fileName = lastImagePath_.isEmpty() ? QStringLiteral("timeline.png") : lastImagePath_;
    request.filter = QStringLiteral("PNG images (*.png)");
    request.save = true;
    const std::optional<QString> path = form_.platform.ShowFileDialog(request);
    if (!path)
        return;
    lastImagePath_ = *path;
    // Encoded whole first, then written as the queue files are, so that a
    // failed write leaves any earlier image as it was.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString failure;
    if (!writer.write(ChartsPanel->grab().toImage()))
        failure = writer.errorString();
    else if (const auto error =
                 WriteFileAtomically(*path, std::string_view(png.constData(), static_cast<size_t>(png.size()))))
        failure = QString::fromStdString(error->text);
    if (!failure.isEmpty())
        form_.platform.ShowErrorBox(QStringLiteral("The image could not be saved to ") +
                                    QDir::toNativeSeparators(*path) + QStringLiteral(":\n") + failure);
}

void ShowTimelineChart(MainForm &form)
{
    if (!form.ChartWindow)
        form.ChartWindow = new TimelineChartWindow(form);
    TimelineChartWindow &chart = *form.ChartWindow;
    chart.setWindowState(chart.windowState() & ~Qt::WindowMinimized);
    chart.show(); // redraws when it was closed
    chart.raise();
    chart.activateWindow();
}

} // namespace korvelin
