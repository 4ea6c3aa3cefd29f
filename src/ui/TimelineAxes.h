#pragma once
// The timeline chart's axis ticks: readable steps and their texts, the time
// in the program's duration texts and figures in short units.

#include <QString>

#include <vector>

class QCategoryAxis;

namespace korvelin {

struct AxisTick {
    double value = 0;
    QString text;
};

// Ticks over [from, to] seconds, at most about `maxTicks`: steps of whole
// seconds, minutes, hours or days, labelled "05:00:00", "1d 02:00:00".
std::vector<AxisTick> TimeTicks(double from, double to, int maxTicks);

// Ticks within [low, high] in steps of 1, 2 or 5 times a power of ten (never
// below 1: every figure is a whole number), at most about `maxTicks`. Large
// figures read in units: "250k", "1.5M".
std::vector<AxisTick> ValueTicks(double low, double high, int maxTicks);

// Shows [from, to] on the axis with one labelled grid line per tick.
void ShowTicks(QCategoryAxis &axis, double from, double to, const std::vector<AxisTick> &ticks);

} // namespace korvelin
