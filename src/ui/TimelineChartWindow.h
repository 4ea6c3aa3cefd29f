#pragma once
// The timeline chart: a window of its own that plots the walk "Calculate"
// would make now. The upper chart shows the stock of each resource over the
// simulated time, the lower one each entry's production per hour and energy
// balance. While open it follows the plan and the planet inputs, redrawing at
// most once per pass of the event loop.

#include "ui/TimelineSeries.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <utility>

class QCategoryAxis;
class QChart;
class QLineSeries;
class QPushButton;

namespace korvelin {

struct MainForm;
class TimelineChartView;

class TimelineChartWindow : public QWidget {
    Q_OBJECT
  public:
    // A top-level window owned by the form's window; not shown yet.
    explicit TimelineChartWindow(MainForm &form);

    TimelineChartView *StockView = nullptr;
    TimelineChartView *EconomyView = nullptr;
    QWidget *ChartsPanel = nullptr; // both views: what "Save image…" writes
    QPushButton *ResetZoomButton = nullptr;
    QPushButton *SaveImageButton = nullptr;

    // What the charts show, from the last redraw.
    const TimelineSeries &Series() const { return series_; }
    double ShownFrom() const { return from_; }
    double ShownTo() const { return to_; }

    // Walks the queue with the planet inputs as typed now and shows the result.
    void Redraw();
    // A redraw on the next pass of the event loop, however often asked before
    // then; none while the window is closed, which redraws when it opens.
    void ScheduleRedraw();
    // Both charts show [from, to] seconds of the plan.
    void ZoomTo(double from, double to);
    void ResetZoom();
    // Asks for a file name and writes both charts there as a PNG.
    void SaveImage();

    // The entry whose point lies near a position in one of the views, or -1.
    int32_t EntryNear(const TimelineChartView &view, QPointF viewPosition) const;
    QString ToolTipAt(const TimelineChartView &view, QPointF viewPosition) const;

  signals:
    void Redrawn();

  protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void BuildStockChart();
    void BuildEconomyChart();
    void BuildButtons();
    void FollowPlan();
    void ShowRange();
    void ShowAxes();
    void AlignPlotAreas(size_t chart, const QRectF &plot);
    void ApplyMargins();
    void SelectEntry(const TimelineChartView &view, QPointF viewPosition);
    int32_t EntryNearStock(QPointF chartPosition) const;
    int32_t EntryNearEconomy(QPointF chartPosition) const;

    MainForm &form_;
    TimelineSeries series_;
    double from_ = 0;
    double to_ = 1;
    bool zoomed_ = false;
    bool stale_ = true;
    bool redrawPending_ = false;
    QString lastImagePath_;

    QChart *stockChart_ = nullptr;
    QChart *economyChart_ = nullptr;
    QCategoryAxis *stockTimeAxis_ = nullptr;
    QCategoryAxis *stockAxis_ = nullptr;
    QCategoryAxis *economyTimeAxis_ = nullptr;
    QCategoryAxis *productionAxis_ = nullptr;
    QCategoryAxis *energyAxis_ = nullptr;
    std::array<QLineSeries *, 3> stockLines_{};
    std::array<QLineSeries *, 3> productionLines_{};
    QLineSeries *energyLine_ = nullptr;
    QLineSeries *zeroEnergyLine_ = nullptr;
    // What each chart's axes take left and right of its plot.
    std::array<std::pair<double, double>, 2> axisSpace_{};
    // How far the last time label reaches right of the plot.
    double timeLabelOverhang_ = 0;
};

// "Chart": opens the timeline window showing the whole plan, or raises it
// when it is open.
void ShowTimelineChart(MainForm &form);

} // namespace korvelin
