#include "toolkit/QtPlatform.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvelin {

namespace {

constexpr int64_t kExactLimit = int64_t{1} << 53;

} // namespace

std::optional<std::vector<int64_t>> QtPlatform::AskNumbers(const NumbersRequest &request)
{
    QWidget *owner = owner_.data();
    QDialog dialog(owner);
    dialog.setWindowTitle(request.title);
    auto *columns = new QHBoxLayout;
    // One of the two per field, in the fields' order.
    std::vector<std::pair<QDoubleSpinBox *, QComboBox *>> boxes;
    QFormLayout *form = nullptr;
    QString group;
    for (const NumberField &field : request.fields) {
        if (!form || field.group != group) {
            group = field.group;
            auto *box = new QGroupBox(group, &dialog);
            form = new QFormLayout(box);
            columns->addWidget(box, 0, Qt::AlignTop);
        }
        if (!field.choices.empty()) {
            auto *choice = new QComboBox(&dialog);
            for (const QString &text : field.choices)
                choice->addItem(text);
            const int64_t last = static_cast<int64_t>(field.choices.size()) - 1;
            choice->setCurrentIndex(static_cast<int>(std::clamp<int64_t>(field.value, 0, last)));
            choice->setAccessibleName(field.caption);
            form->addRow(field.caption, choice);
            boxes.emplace_back(nullptr, choice);
            continue;
        }
        // A double with no decimals: QSpinBox stops at 2^31, and stocks go
        // further; every whole number up to 2^53 is exact in a double.
        auto *spin = new QDoubleSpinBox(&dialog);
        spin->setDecimals(0);
        const auto bound = [](int64_t x) {
            return static_cast<double>(std::clamp<int64_t>(x, -kExactLimit, kExactLimit));
        };
        spin->setRange(bound(field.minimum), bound(field.maximum));
        spin->setValue(bound(std::clamp(field.value, field.minimum, field.maximum)));
        spin->setAccessibleName(field.caption);
        form->addRow(field.caption, spin);
        boxes.emplace_back(spin, nullptr);
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
    for (const auto &[spin, choice] : boxes)
        values.push_back(spin ? static_cast<int64_t>(spin->value()) : int64_t{choice->currentIndex()});
    return values;
}

} // namespace korvelin
