// Which entry lies under the mouse in either chart, for the hover tips and
// for picking a line with a click.

#include "ui/TimelineChartWindow.h"

#include "ui/MainForm.h"
#include "ui/TimelineChartView.h"

#include <QChart>
#include <QLineSeries>

#include <array>
#include <cmath>
#include <utility>

namespace korvelin {

namespace {

// How close, in pixels, the mouse must come to a point to pick it.
constexpr double kNear = 8.0;

} // namespace

void TimelineChartWindow::SelectEntry(const TimelineChartView &view, QPointF viewPosition)
{
    const int32_t entry = EntryNear(view, viewPosition);
    if (entry < 0)
        return;
    // As a click on the line does.
    form_.QueueList->clearSelection();
    form_.QueueList->SetSelected(entry, true);
}

int32_t TimelineChartWindow::EntryNear(const TimelineChartView &view, QPointF viewPosition) const
{
    const QPointF at = view.ToChart(viewPosition);
    if (!view.chart()->plotArea().adjusted(-kNear, -kNear, kNear, kNear).contains(at))
        return -1;
    return &view == StockView ? EntryNearStock(at) : EntryNearEconomy(at);
}

QString TimelineChartWindow::ToolTipAt(const TimelineChartView &view, QPointF viewPosition) const
{
    const int32_t entry = EntryNear(view, viewPosition);
    return entry < 0 ? QString() : EntryToolTip(series_.entries[static_cast<size_t>(entry)]);
}

int32_t TimelineChartWindow::EntryNearStock(QPointF at) const
{
    const double from = stockChart_->mapToValue(at - QPointF(kNear, 0), stockLines_[0]).x();
    const double to = stockChart_->mapToValue(at + QPointF(kNear, 0), stockLines_[0]).x();
    int32_t nearest = -1;
    double nearestDistance = kNear * kNear;
    const auto count = static_cast<int32_t>(series_.entries.size());
    for (int32_t i = FirstEntryEndingFrom(series_, from); i < count; ++i) {
        const EntryEvaluation &entry = series_.entries[static_cast<size_t>(i)];
        if (static_cast<double>(entry.total) > to)
            break;
        for (size_t r = 0; r < 3; ++r) {
            const QPointF point = stockChart_->mapToPosition(
                QPointF(static_cast<double>(entry.total), static_cast<double>(entry.stockAfter[r])), stockLines_[r]);
            const QPointF offset = point - at;
            const double distance = QPointF::dotProduct(offset, offset);
            if (distance <= nearestDistance) {
                nearest = i;
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

int32_t TimelineChartWindow::EntryNearEconomy(QPointF at) const
{
    // Each entry's values hold over its step; the mouse is near one where it
    // is near that stretch of a line.
    const double seconds = economyChart_->mapToValue(at, productionLines_[0]).x();
    int32_t nearest = -1;
    double nearestDistance = kNear;
    const auto count = static_cast<int32_t>(series_.entries.size());
    for (int32_t i = FirstEntryEndingFrom(series_, seconds); i < count; ++i) {
        const EntryEvaluation &entry = series_.entries[static_cast<size_t>(i)];
        if (EntryStart(series_, i) > seconds)
            break;
        const std::array<std::pair<double, QLineSeries *>, 4> values{{
            {static_cast<double>(entry.economy.metalPerHour), productionLines_[0]},
            {static_cast<double>(entry.economy.crystalPerHour), productionLines_[1]},
            {static_cast<double>(entry.economy.deuteriumPerHour), productionLines_[2]},
            {static_cast<double>(entry.economy.energyBalance), energyLine_},
        }};
        for (const auto &[value, line] : values) {
            const double distance = std::abs(economyChart_->mapToPosition(QPointF(seconds, value), line).y() - at.y());
            if (distance <= nearestDistance) {
                nearest = i;
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

} // namespace korvelin
