#include "ui/TimelineSeries.h"

#include "rules/ItemCatalogue.h"
#include "util/FormatDuration.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvelin {

namespace {

class DroppedMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

double Seconds(int64_t seconds)
{
    return static_cast<double>(seconds);
}

QString Duration(int64_t seconds)
{
    return QString::fromStdString(FormatDuration(seconds));
}

bool EarlierThan(const QPointF &point, double seconds)
{
    return point.x() < seconds;
}

// The value of the line through a and b at x, between them.
double ValueBetween(const QPointF &a, const QPointF &b, double x)
{
    if (b.x() <= a.x())
        return b.y();
    return a.y() + (b.y() - a.y()) * ((x - a.x()) / (b.x() - a.x()));
}

// Holds `value` over [begin, end] on a step line. A run of entries with one
// value becomes one stretch: fewer points, and no joints drawn along it.
void HoldValue(QList<QPointF> &line, double begin, double end, double value)
{
    if (line.size() >= 2 && line.back() == QPointF(begin, value) && line[line.size() - 2].y() == value) {
        line.back().setX(end);
        return;
    }
    line.append(QPointF(begin, value));
    line.append(QPointF(end, value));
}

} // namespace

double TimelineSeries::EndTime() const
{
    return entries.empty() ? 0.0 : Seconds(entries.back().total);
}

std::vector<EntryEvaluation> WalkForChart(const BuildQueue &queue, const Planet &planet)
{
    std::vector<EntryEvaluation> entries;
    entries.reserve(static_cast<size_t>(queue.Count()));
    TimelineState state;
    DroppedMessages messages;
    WalkQueue(
        queue, planet.startStock, state, [inputs = planet.inputs] { return inputs; }, messages,
        [&entries](const EntryEvaluation &entry) { entries.push_back(entry); });
    return entries;
}

TimelineSeries MapTimeline(std::vector<EntryEvaluation> entries, const std::array<int64_t, 3> &startStock)
{
    TimelineSeries series;
    series.entries = std::move(entries);
    const auto count = static_cast<qsizetype>(series.entries.size());
    const std::array<double, 3> start{Seconds(startStock[0]), Seconds(startStock[1]), Seconds(startStock[2])};
    for (size_t r = 0; r < 3; ++r) {
        series.stock[r].reserve(count + 1);
        series.stock[r].append(QPointF(0.0, start[r]));
        series.production[r].reserve(2 * count);
    }
    series.energyBalance.reserve(2 * count);
    for (size_t i = 0; i < series.entries.size(); ++i) {
        const EntryEvaluation &entry = series.entries[i];
        const double end = Seconds(entry.total);
        const double begin = EntryStart(series, static_cast<int32_t>(i));
        const std::array<int64_t, 3> perHour{entry.economy.metalPerHour, entry.economy.crystalPerHour,
                                             entry.economy.deuteriumPerHour};
        for (size_t r = 0; r < 3; ++r) {
            series.stock[r].append(QPointF(end, Seconds(entry.stockAfter[r])));
            HoldValue(series.production[r], begin, end, Seconds(perHour[r]));
        }
        HoldValue(series.energyBalance, begin, end, Seconds(entry.economy.energyBalance));
    }
    return series;
}

QList<QPointF> ReducePoints(const QList<QPointF> &points, double from, double to, int columns)
{
    const auto begin = std::lower_bound(points.cbegin(), points.cend(), from, EarlierThan);
    const auto end = std::upper_bound(points.cbegin(), points.cend(), to,
                                      [](double seconds, const QPointF &point) { return seconds < point.x(); });
    const qsizetype first = std::max<qsizetype>(begin - points.cbegin() - 1, 0);
    const qsizetype last = std::min<qsizetype>(end - points.cbegin(), points.size() - 1); // inclusive
    if (points.isEmpty() || last < first)
        return {};
    columns = std::max(columns, 1);
    if (last - first + 1 <= 4 * static_cast<qsizetype>(columns) || !(to > from))
        return points.mid(first, last - first + 1);

    QList<QPointF> reduced;
    reduced.reserve(4 * static_cast<qsizetype>(columns) + 2);
    const double width = (to - from) / columns;
    qsizetype i = first;
    while (i <= last) {
        // The points outside the range get columns of their own.
        const double column = std::clamp(std::floor((points[i].x() - from) / width), -1.0, double(columns));
        qsizetype j = i;
        qsizetype low = i;
        qsizetype high = i;
        while (j + 1 <= last &&
               std::clamp(std::floor((points[j + 1].x() - from) / width), -1.0, double(columns)) == column) {
            ++j;
            if (points[j].y() < points[low].y())
                low = j;
            if (points[j].y() > points[high].y())
                high = j;
        }
        // Kept in their order along the line, each once.
        std::array<qsizetype, 4> kept{i, std::min(low, high), std::max(low, high), j};
        for (size_t k = 0; k < kept.size(); ++k) {
            if (k == 0 || kept[k] != kept[k - 1])
                reduced.append(points[kept[k]]);
        }
        i = j + 1;
    }
    return reduced;
}

bool ValueRange(const QList<QPointF> &points, double from, double to, double &low, double &high)
{
    if (points.isEmpty() || points.front().x() > to || points.back().x() < from)
        return false;
    const auto begin = std::lower_bound(points.cbegin(), points.cend(), from, EarlierThan);
    low = std::numeric_limits<double>::infinity();
    high = -low;
    auto take = [&](double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    };
    // Where the range edges cut a segment, the line's value there counts.
    if (begin != points.cbegin() && begin != points.cend())
        take(ValueBetween(*(begin - 1), *begin, from));
    auto it = begin;
    for (; it != points.cend() && it->x() <= to; ++it)
        take(it->y());
    if (it != points.cend() && it != points.cbegin())
        take(ValueBetween(*(it - 1), *it, to));
    return low <= high;
}

double EntryStart(const TimelineSeries &series, int32_t index)
{
    return index <= 0 ? 0.0 : Seconds(series.entries[static_cast<size_t>(index) - 1].total);
}

int32_t FirstEntryEndingFrom(const TimelineSeries &series, double seconds)
{
    const auto found =
        std::lower_bound(series.entries.cbegin(), series.entries.cend(), seconds,
                         [](const EntryEvaluation &entry, double value) { return Seconds(entry.total) < value; });
    return static_cast<int32_t>(found - series.entries.cbegin());
}

QString EntryToolTip(const EntryEvaluation &entry)
{
    const int32_t item = ItemIndexOf(entry.bid);
    // The name the queue list shows for the line.
    const QString name = item == -1 ? QString::number(entry.bid) : QString::fromUtf8(FullName(item));
    return QString::number(static_cast<int64_t>(entry.index) + 1) + QStringLiteral(". ") + name + QStringLiteral(" (") +
           QString::number(entry.level) + QStringLiteral(")\nWaits: M ") + Duration(entry.waits[0]) +
           QStringLiteral(", K ") + Duration(entry.waits[1]) + QStringLiteral(", D ") + Duration(entry.waits[2]) +
           QStringLiteral("\nBuild time: ") + Duration(entry.buildTime) + QStringLiteral("\nEnds at: ") +
           Duration(entry.total);
}

} // namespace korvelin
