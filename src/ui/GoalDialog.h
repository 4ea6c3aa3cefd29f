#pragma once
// The modal "Goal" dialog: a target level for each item with a row, in the
// groups and order of the item panels, with Plan and Cancel.

#include "goal/GoalPlanner.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QPushButton;
class QSpinBox;

namespace korvelin {

struct MainForm;

class GoalDialog : public QDialog {
  public:
    // Prefilled with each item's queued level, so that the unchanged dialog
    // asks for the fastest way to what the queue reaches.
    GoalDialog(MainForm &form, QWidget *parent);

    std::vector<GoalTarget> Goal() const;
    // The level box of an item with a row, or null.
    QSpinBox *LevelBox(int32_t bid) const;
    QPushButton *PlanButton() const { return planButton_; }

  private:
    std::array<int32_t, 26> bids_{};
    std::array<QSpinBox *, 26> boxes_{};
    QPushButton *planButton_ = nullptr;
};

// Shows the dialog over the main window: the goal, or nothing after Cancel.
std::optional<std::vector<GoalTarget>> AskForGoal(MainForm &form);

} // namespace korvelin
