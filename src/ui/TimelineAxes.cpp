#include "ui/TimelineAxes.h"

#include "util/FormatDuration.h"

#include <QCategoryAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace korvelin {

namespace {

// Beyond any clock total, and below 2^63 so the conversion stays defined.
constexpr double kLargestTime = 9.0e18;
// A few more than asked are harmless; a runaway loop over a range that
// double precision cannot step through is not.
constexpr int64_t kTickLimit = 200;

// 1, 2 or 5 times a power of ten, the smallest not below `atLeast`.
double NiceStep(double atLeast)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(atLeast)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= atLeast)
            return factor * magnitude;
    }
    return 10.0 * magnitude;
}

double TimeStep(double atLeast)
{
    static constexpr std::array<double, 21> kSteps = {1,     2,     5,     10,    15,     30,     60,
                                                      120,   300,   600,   900,   1800,   3600,   7200,
                                                      10800, 21600, 43200, 86400, 172800, 432000, 864000};
    for (const double step : kSteps) {
        if (step >= atLeast)
            return step;
    }
    return 86400.0 * NiceStep(atLeast / 86400.0);
}

// The multiples of `step` within [from, to].
template <typename Label> std::vector<AxisTick> TicksEvery(double step, double from, double to, Label label)
{
    std::vector<AxisTick> ticks;
    const double first = std::ceil(from / step);
    for (int64_t n = 0; n < kTickLimit; ++n) {
        const double value = (first + static_cast<double>(n)) * step;
        if (value > to)
            break;
        if (ticks.empty() || value > ticks.back().value)
            ticks.push_back({value, label(value)});
    }
    return ticks;
}

QString TimeText(double seconds)
{
    return QString::fromStdString(
        FormatDuration(static_cast<int64_t>(std::clamp(seconds, -kLargestTime, kLargestTime))));
}

// Figures from 100,000 on read in thousands, millions, ... so the labels stay
// short however far a plan grows.
QString ValueText(double value, double unit, int decimals)
{
    static constexpr std::array<const char *, 7> kSuffixes = {"", "k", "M", "G", "T", "P", "E"};
    const auto power = static_cast<size_t>(std::lround(std::log10(unit) / 3.0));
    QString text = QString::number(value / unit, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (value == 0 || text == QStringLiteral("-0"))
        return QStringLiteral("0");
    return text + QLatin1String(kSuffixes[std::min(power, kSuffixes.size() - 1)]);
}

} // namespace

std::vector<AxisTick> TimeTicks(double from, double to, int maxTicks)
{
    if (!(to > from))
        return {};
    const double step = TimeStep((to - from) / std::max(maxTicks, 1));
    return TicksEvery(step, from, to, TimeText);
}

std::vector<AxisTick> ValueTicks(double low, double high, int maxTicks)
{
    if (!(high >= low))
        return {};
    const double step = std::max(1.0, NiceStep(std::max(1.0, high - low) / std::max(maxTicks, 1)));

    const double largest = std::max(std::abs(low), std::abs(high));
    const int thousands = largest < 1.0e5 ? 0 : std::min(6, static_cast<int>(std::floor(std::log10(largest) / 3.0)));
    const double unit = std::pow(1000.0, thousands);
    // Enough decimals for the step in that unit: 0.2M needs one.
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step / unit) + 1e-9)), 0, 3);
    return TicksEvery(step, low, high, [unit, decimals](double value) { return ValueText(value, unit, decimals); });
}

void ShowTicks(QCategoryAxis &axis, double from, double to, const std::vector<AxisTick> &ticks)
{
    for (const QString &label : axis.categoriesLabels())
        axis.remove(label);
    axis.setRange(from, to);
    axis.setStartValue(from);
    for (const AxisTick &tick : ticks)
        axis.append(tick.text, tick.value);
}

} // namespace korvelin
