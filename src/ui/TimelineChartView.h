#pragma once

#include <QChartView>

#include <functional>

class QRubberBand;

namespace korvelin {

// One chart of the timeline window. Dragging across the plot picks a time
// range, a click without dragging picks a point, a double click asks for the
// whole plan again, and hovering shows what `toolTipAt` says of the spot.
class TimelineChartView : public QChartView {
    Q_OBJECT
  public:
    TimelineChartView(QChart *chart, QWidget *parent);

    // The tip for a position in the view, or empty for none.
    std::function<QString(QPointF)> toolTipAt;

    // Where a position in the view lies in the chart's own coordinates.
    QPointF ToChart(QPointF viewPosition) const;
    QPointF FromChart(QPointF chartPosition) const;

  signals:
    void RangePicked(double fromX, double toX); // in plot coordinates
    void Clicked(QPointF viewPosition);
    void ResetRequested();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    void ShowToolTip(QMouseEvent *event);
    QRect BandBetween(int fromX, int toX) const;

    QRubberBand *band_ = nullptr;
    QPoint pressedAt_;
    bool pressed_ = false;
};

} // namespace korvelin
