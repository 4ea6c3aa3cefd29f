#include "ui/PlanTableModel.h"

#include "report/PlanTable.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QLocale>
#include <QStyle>

#include <array>

namespace korvelin {

namespace {

struct ColumnInfo {
    const char *title;
    const char *toolTip;
};

constexpr std::array<ColumnInfo, PlanTableModel::ColumnCount> kColumns = {{
    {"#", "Line in the queue"},
    {"Item", nullptr},
    {"Level", nullptr},
    {"Start", "The clock when the entry starts"},
    {"End", "The clock when the entry ends: the running total"},
    {"Starts on", "The start as a date and time, counted from \"Starts at\""},
    {"Ends on", "The end as a date and time, counted from \"Starts at\""},
    {"Wait M", "Until the metal stock covers the price"},
    {"Wait K", "Until the crystal stock covers the price"},
    {"Wait D", "Until the deuterium stock covers the price"},
    {"Build", "Build time"},
    {"Step", "How far the entry moves the clock: the longest of the build time and the waits"},
    {"Set by", "What set the step"},
    {"Stock M", "Metal after the entry"},
    {"Stock K", "Crystal after the entry"},
    {"Stock D", "Deuterium after the entry"},
    {"M/h", "Metal production per hour at the entry's position"},
    {"K/h", "Crystal production per hour at the entry's position"},
    {"D/h", "Deuterium production per hour at the entry's position"},
    {"Energy", "Energy balance at the entry's position"},
    {"Factor", "Production factor, percent"},
}};

// Beyond this the clock has left any calendar; QDateTime would overflow.
constexpr int64_t kLatestDateSeconds = int64_t{1} << 40;

// Soft tints that keep the text readable in light and dark palettes alike.
const QColor kEnergyShortTint(255, 196, 64, 90);
const QColor kNoDeuteriumTint(230, 60, 60, 90);

// The core's column of a column of ours; the dates are the window's own.
std::optional<report::TableColumn> CoreColumn(int column)
{
    if (column >= PlanTableModel::LineColumn && column <= PlanTableModel::EndColumn)
        return static_cast<report::TableColumn>(column);
    if (column >= PlanTableModel::WaitMetalColumn && column < PlanTableModel::ColumnCount)
        return static_cast<report::TableColumn>(column - 2);
    return std::nullopt;
}

} // namespace

PlanTableModel::PlanTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void PlanTableModel::SetRows(std::vector<EntryEvaluation> rows, const BuildQueue &queue, const Planet &planet)
{
    beginResetModel();
    rows_ = std::move(rows);
    planRows_ = report::MakeTableRows(queue, planet, rows_);
    summary_ = report::SummarizePlan(rows_, planRows_);
    endResetModel();
}

void PlanTableModel::SetEnglishNames(bool english)
{
    if (english_ == english)
        return;
    english_ = english;
    if (!rows_.empty())
        emit dataChanged(index(0, ItemColumn), index(rowCount() - 1, ItemColumn), {Qt::DisplayRole});
}

void PlanTableModel::SetStartsAt(const QDateTime &startsAt)
{
    if (startsAt_ == startsAt)
        return;
    startsAt_ = startsAt;
    if (!rows_.empty())
        emit dataChanged(index(0, StartDateColumn), index(rowCount() - 1, EndDateColumn), {Qt::DisplayRole});
}

int PlanTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PlanTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PlanTableModel::DateText(int64_t seconds) const
{
    if (seconds < 0 || seconds > kLatestDateSeconds)
        return QString();
    const QDateTime at = startsAt_.addSecs(seconds);
    return at.isValid() ? QLocale().toString(at, QLocale::ShortFormat) : QString();
}

QString PlanTableModel::DisplayText(int row, int column) const
{
    const EntryEvaluation &r = rows_[static_cast<size_t>(row)];
    if (column == StartDateColumn)
        return DateText(planRows_[static_cast<size_t>(row)].start);
    if (column == EndDateColumn)
        return DateText(r.total);
    const std::optional<report::TableColumn> cell = CoreColumn(column);
    if (!cell)
        return QString();
    return QString::fromStdString(report::CellText(r, planRows_[static_cast<size_t>(row)], *cell, english_));
}

std::optional<int64_t> PlanTableModel::Number(int row, int column) const
{
    const std::optional<report::TableColumn> cell = CoreColumn(column);
    if (!cell)
        return std::nullopt;
    return report::CellNumber(rows_[static_cast<size_t>(row)], planRows_[static_cast<size_t>(row)], *cell);
}

std::optional<std::pair<int, int>> PlanTableModel::ExtremeRows(int column) const
{
    if (rows_.empty() || !Number(0, column))
        return std::nullopt;
    std::pair<int, int> extremes{0, 0};
    int64_t low = *Number(0, column);
    int64_t high = low;
    for (int row = 1; row < rowCount(); ++row) {
        const int64_t value = *Number(row, column);
        if (value < low) {
            low = value;
            extremes.first = row;
        }
        if (value > high) {
            high = value;
            extremes.second = row;
        }
    }
    return extremes;
}

QVariant PlanTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    const report::PlanRow &p = planRows_[static_cast<size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, column);
    case Qt::TextAlignmentRole:
        if (column == ItemColumn || column == SetByColumn || column == StartDateColumn || column == EndDateColumn)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return p.marks != 0 ? QVariant(QString::fromStdString(p.reason)) : QVariant();
    case Qt::BackgroundRole:
        if (p.marks & report::kNoDeuterium)
            return kNoDeuteriumTint;
        if (p.marks & (report::kEnergyShort | report::kPlanProblem))
            return kEnergyShortTint;
        return {};
    case Qt::DecorationRole:
        if (column == LineColumn && p.marks != 0)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    default:
        return {};
    }
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const ColumnInfo &info = kColumns[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(info.title);
    if (role == Qt::ToolTipRole && info.toolTip)
        return QString::fromUtf8(info.toolTip);
    return {};
}

} // namespace korvelin
