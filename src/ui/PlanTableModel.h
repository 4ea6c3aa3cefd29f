#pragma once
// The plan table's model: one row per entry of the walk "Calculate" makes,
// with the core's cells (start, what set the step, marks) beside it. The
// cells are written when the view asks for them, so a plan of thousands of
// entries costs one reset, not a text per cell.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "report/PlanRows.h"
#include "rules/Planet.h"

#include <QAbstractTableModel>
#include <QDateTime>

#include <optional>
#include <utility>
#include <vector>

namespace korvelin {

class PlanTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        LineColumn,
        ItemColumn,
        LevelColumn,
        StartColumn,
        EndColumn,
        StartDateColumn,
        EndDateColumn,
        WaitMetalColumn,
        WaitCrystalColumn,
        WaitDeuteriumColumn,
        BuildTimeColumn,
        StepColumn,
        SetByColumn,
        StockMetalColumn,
        StockCrystalColumn,
        StockDeuteriumColumn,
        MetalPerHourColumn,
        CrystalPerHourColumn,
        DeuteriumPerHourColumn,
        EnergyBalanceColumn,
        ProductionFactorColumn,
        ColumnCount
    };

    explicit PlanTableModel(QObject *parent = nullptr);

    // The walk's rows of `queue` from `planet`; one reset of the model.
    void SetRows(std::vector<EntryEvaluation> rows, const BuildQueue &queue, const Planet &planet);
    void SetEnglishNames(bool english);
    // The date and time the plan's clock starts at.
    void SetStartsAt(const QDateTime &startsAt);

    const std::vector<EntryEvaluation> &Rows() const { return rows_; }
    const std::vector<report::PlanRow> &PlanRows() const { return planRows_; }
    const report::PlanSummary &Summary() const { return summary_; }
    QDateTime StartsAt() const { return startsAt_; }

    // The rows with the smallest and the largest number in a column of
    // numbers or durations: between them they hold its widest text. Nothing
    // for an empty table or a column of words or dates.
    std::optional<std::pair<int, int>> ExtremeRows(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    QString DisplayText(int row, int column) const;
    QString DateText(int64_t seconds) const;
    std::optional<int64_t> Number(int row, int column) const;

    std::vector<EntryEvaluation> rows_;
    std::vector<report::PlanRow> planRows_;
    report::PlanSummary summary_;
    bool english_ = false;
    QDateTime startsAt_ = QDateTime::currentDateTime();
};

} // namespace korvelin
