#include "ui/TimelineChartView.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

namespace korvelin {

namespace {

// Less movement than this between press and release is a click.
constexpr int kDragThreshold = 4;

} // namespace

TimelineChartView::TimelineChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    // Replacing a line's points leaves pieces of the old line on screen when
    // only the changed items are repainted.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // Hover tips follow the mouse without a button held.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    band_->hide();
}

QPointF TimelineChartView::ToChart(QPointF viewPosition) const
{
    return chart()->mapFromScene(mapToScene(viewPosition.toPoint()));
}

QPointF TimelineChartView::FromChart(QPointF chartPosition) const
{
    return mapFromScene(chart()->mapToScene(chartPosition));
}

QRect TimelineChartView::BandBetween(int fromX, int toX) const
{
    // The band spans the plot's height; only time is zoomed.
    const QRectF plot = chart()->plotArea();
    const QPointF top = FromChart(plot.topLeft());
    const QPointF bottom = FromChart(plot.bottomRight());
    const int left = std::clamp(std::min(fromX, toX), static_cast<int>(top.x()), static_cast<int>(bottom.x()));
    const int right = std::clamp(std::max(fromX, toX), static_cast<int>(top.x()), static_cast<int>(bottom.x()));
    return QRect(QPoint(left, static_cast<int>(top.y())), QPoint(right, static_cast<int>(bottom.y())));
}

void TimelineChartView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !chart()->plotArea().contains(ToChart(at))) {
        QChartView::mousePressEvent(event);
        return;
    }
    QToolTip::hideText();
    pressed_ = true;
    pressedAt_ = at;
    event->accept();
}

void TimelineChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed_) {
        ShowToolTip(event);
        QChartView::mouseMoveEvent(event);
        return;
    }
    const int x = event->position().toPoint().x();
    if (std::abs(x - pressedAt_.x()) >= kDragThreshold) {
        band_->setGeometry(BandBetween(pressedAt_.x(), x));
        band_->show();
    }
    event->accept();
}

void TimelineChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pressed_ || event->button() != Qt::LeftButton) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    const bool dragged = band_->isVisible();
    band_->hide();
    event->accept();
    if (!dragged) {
        emit Clicked(event->position());
        return;
    }
    const QRect band = BandBetween(pressedAt_.x(), event->position().toPoint().x());
    if (band.width() < kDragThreshold)
        return;
    const double from = chart()->mapToValue(ToChart(band.topLeft())).x();
    const double to = chart()->mapToValue(ToChart(band.topRight())).x();
    emit RangePicked(from, to);
}

void TimelineChartView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        band_->hide();
        emit ResetRequested();
        event->accept();
        return;
    }
    QChartView::mouseDoubleClickEvent(event);
}

void TimelineChartView::ShowToolTip(QMouseEvent *event)
{
    const QString text = toolTipAt ? toolTipAt(event->position()) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const QPoint at = event->position().toPoint();
    // The tip stays while the mouse stays near the point.
    QToolTip::showText(event->globalPosition().toPoint(), text, viewport(), QRect(at - QPoint(6, 6), QSize(12, 12)));
}

} // namespace korvelin
