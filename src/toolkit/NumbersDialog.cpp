#include "toolkit/QtPlatform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace korvelin {

std::optional<std::vector<int64_t>> QtPlatform::AskNumbers(const NumbersRequest &request)
{
    QWidget *owner = owner_.data();
    QDialog dialog(owner);
    dialog.setWindowTitle(request.title);
    auto *columns = new QHBoxLayout;
    std::vector<QSpinBox *> boxes;
    QFormLayout *form = nullptr;
    QString group;
    for (const NumberField &field : request.fields) {
        if (!form || field.group != group) {
            group = field.group;
            auto *box = new QGroupBox(group, &dialog);
            form = new QFormLayout(box);
            columns->addWidget(box, 0, Qt::AlignTop);
        }
        auto *spin = new QSpinBox(&dialog);
        // QSpinBox holds an int; callers keep their ranges inside it.
        const auto bound = [](int64_t x) { return static_cast<int>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)); };
        spin->setRange(bound(field.minimum), bound(field.maximum));
        spin->setValue(bound(std::clamp(field.value, field.minimum, field.maximum)));
        spin->setAccessibleName(field.caption);
        form->addRow(field.caption, spin);
        boxes.push_back(spin);
    }
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *accept = buttons->addButton(request.acceptText, QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int64_t> values;
    values.reserve(boxes.size());
    for (const QSpinBox *spin : boxes)
        values.push_back(spin->value());
    return values;
}

} // namespace korvelin
