#pragma once
// The plan table: a window of its own with one row per entry of the walk
// "Calculate" would make now, what set each step and where the plan stalls.
// While open it follows the plan and the planet inputs, updating at most once
// per pass of the event loop, and keeps its selected row and the queue list's
// line in step.

#include <QString>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace korvelin {

struct MainForm;
class NextView;
class PlanTableModel;

class PlanTableWindow : public QWidget {
    Q_OBJECT
  public:
    // A top-level window owned by the form's window; not shown yet.
    explicit PlanTableWindow(MainForm &form);

    PlanTableModel *Model = nullptr;
    QTableView *TableView = nullptr;
    QDateTimeEdit *StartsAtEdit = nullptr;
    QCheckBox *EnglishNamesCheck = nullptr;
    QLabel *SummaryLabel = nullptr;
    QPushButton *SaveCsvButton = nullptr;
    NextView *Next = nullptr; // beside the table

    // Walks the queue with the planet as it stands and shows the rows.
    void Update();
    // An update on the next pass of the event loop, however often asked
    // before then; none while the window is closed, which updates when it opens.
    void ScheduleUpdate();
    // Asks for a file name and writes the rows there as korvelin-report's CSV.
    void SaveCsv();
    // Follows the choice made here or in the queue list's menu.
    void ShowEnglishNames(bool english);

  signals:
    void Updated();

  protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    void BuildControls();
    void FollowPlan();
    void FollowSelection();
    void SelectRowOfCurrentLine();
    // The ranking after the selected row, or after the whole plan.
    void ShowNext();
    void FitColumns(bool widenOnly);

    MainForm &form_;
    bool stale_ = true;
    bool updatePending_ = false;
    bool columnsFitted_ = false;
    bool sized_ = false;
    bool selecting_ = false; // a selection is being copied to the other side
    QString lastCsvPath_;
};

// "Table": opens the plan table, or raises it when it is open.
void ShowPlanTable(MainForm &form);

} // namespace korvelin
