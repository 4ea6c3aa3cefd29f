#pragma once
// "Next", beside the plan table: the payback ranking of the producing
// upgrades after the selected line (the whole plan when none is), at the
// trade ratio kept in the settings. "Add" puts the chosen row's upgrades
// after that line as one undo step; "Grow…" runs the growth plan.

#include <QWidget>

#include <cstdint>
#include <vector>

#include "advice/Payback.h"
#include "search/SearchOptions.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace korvelin {

struct MainForm;

class NextView : public QWidget {
    Q_OBJECT
  public:
    NextView(MainForm &form, QWidget *parent);

    QLineEdit *RatioEdit = nullptr;
    QLabel *AtLabel = nullptr;
    QTableWidget *RankingTable = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *GrowButton = nullptr;

    // Ranks after the first `position` entries of the plan as it stands.
    void ShowAt(int32_t position);
    const std::vector<advice::PaybackRow> &Rows() const { return rows_; }
    // Adds the selected row's upgrades after the ranked position.
    void AddSelected();

  private:
    void TakeRatio();

    MainForm &form_;
    std::vector<advice::PaybackRow> rows_;
    int32_t position_ = 0;
};

// The ratio the settings keep, or the default.
advice::TradeRatio LoadTradeRatio();

// "Grow…": asks for the days, grows the plan off the UI thread and asks
// whether to apply the result.
void GrowPlan(MainForm &form, const OptimizeOptions &options = {});

} // namespace korvelin
