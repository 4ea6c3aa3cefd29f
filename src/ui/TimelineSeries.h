#pragma once
// The timeline chart's figures: the walk "Calculate" makes, turned into the
// points of the chart's lines, with no pixels involved. Time runs in seconds
// of the simulated clock.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace korvelin {

struct TimelineSeries {
    std::vector<EntryEvaluation> entries; // in queue order
    // Metal, crystal, deuterium at time 0, then after each entry at its end.
    std::array<QList<QPointF>, 3> stock;
    // Each entry's production per hour (metal, crystal, deuterium) and energy
    // balance, held from the start to the end of its step; neighbours with
    // one value share a stretch.
    std::array<QList<QPointF>, 3> production;
    QList<QPointF> energyBalance;

    // Seconds from the start to the end of the last entry; 0 for no entries.
    double EndTime() const;
};

// Plays the whole queue with these inputs. The chart redraws on every change
// and must never stand in the user's way, so the timeline's messages are
// dropped here; "Calculate" still shows them.
std::vector<EntryEvaluation> WalkForChart(const BuildQueue &queue, const Planet &planet);

// The stock series start at `startStock`, at time 0.
TimelineSeries MapTimeline(std::vector<EntryEvaluation> entries, const std::array<int64_t, 3> &startStock);

// The points of `points` (ordered by time) that draw alike over [from, to]
// split into `columns` equal columns: the first, lowest, highest and last
// point of each column, plus the neighbours just outside the range so the
// line reaches both edges. Peaks stay visible however many points a column
// holds.
QList<QPointF> ReducePoints(const QList<QPointF> &points, double from, double to, int columns);

// Lowest and highest value the line through `points` takes over [from, to].
// False when the line does not reach into the range.
bool ValueRange(const QList<QPointF> &points, double from, double to, double &low, double &high);

// When entry `index` starts: where the one before it ended. That is its end
// less its step, unless the clock stopped at its largest value.
double EntryStart(const TimelineSeries &series, int32_t index);

// The index of the first entry that ends at `seconds` or later, or the entry
// count when none does.
int32_t FirstEntryEndingFrom(const TimelineSeries &series, double seconds);

// What hovering over an entry's point tells: its line, item, level, waits,
// build time and end time.
QString EntryToolTip(const EntryEvaluation &entry);

} // namespace korvelin
