#include "toolkit/QtPlatform.h"

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
    std::vector<QDoubleSpinBox *> boxes;
    QFormLayout *form = nullptr;
    QString group;
    for (const NumberField &field : request.fields) {
        if (!form || field.group != group) {
            group = field.group;
            auto *box = new QGroupBox(group, &dialog);
            form = new QFormLayout(box);
            columns->addWidget(box, 0, Qt::AlignTop);
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
    for (const QDoubleSpinBox *spin : boxes)
        values.push_back(static_cast<int64_t>(spin->value()));
    return values;
}

} // namespace korvelin
