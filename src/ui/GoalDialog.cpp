#include "ui/GoalDialog.h"

#include "ui/MainForm.h"

#include "plan/InputRanges.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korvelin {

GoalDialog::GoalDialog(MainForm &form, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Goal"));
    setModal(true);
    auto *groups = new QHBoxLayout;
    const char *titles[] = {"Buildings", "Research"};
    for (int panel = 0; panel < 2; ++panel) {
        auto *group = new QGroupBox(QString::fromUtf8(titles[panel]), this);
        auto *rows = new QFormLayout(group);
        for (int row = 0; row < kItemRowsPerPanel; ++row) {
            const size_t index = static_cast<size_t>(panel * kItemRowsPerPanel + row);
            const int32_t bid = form.ItemRows[index].bid;
            auto *box = new QSpinBox(group);
            // As the tool and the planet dialog take levels.
            const int32_t highest = MaxLevel(bid);
            box->setRange(0, highest);
            box->setValue(std::min(form.queue.QueuedLevel(bid), highest));
            rows->addRow(QString::fromUtf8(EnglishName(ItemIndexOf(bid))), box);
            bids_[index] = bid;
            boxes_[index] = box;
        }
        groups->addWidget(group);
    }
    auto *buttons = new QDialogButtonBox(this);
    planButton_ = buttons->addButton(QStringLiteral("Plan"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    planButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}

std::vector<GoalTarget> GoalDialog::Goal() const
{
    std::vector<GoalTarget> goal;
    for (size_t i = 0; i < bids_.size(); ++i)
        goal.push_back({bids_[i], boxes_[i]->value()});
    return NormalizeGoal(goal);
}

QSpinBox *GoalDialog::LevelBox(int32_t bid) const
{
    for (size_t i = 0; i < bids_.size(); ++i) {
        if (bids_[i] == bid)
            return boxes_[i];
    }
    return nullptr;
}

std::optional<std::vector<GoalTarget>> AskForGoal(MainForm &form)
{
    GoalDialog dialog(form, form.window.get());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Goal();
}

} // namespace korvelin
