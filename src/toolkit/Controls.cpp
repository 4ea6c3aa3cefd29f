#include "toolkit/Controls.h"

#include "toolkit/InheritedDisabledLook.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QMouseEvent>
#include <QValidator>

namespace korvelin {

namespace {

const char kTagProperty[] = "korvelinTag";

bool EntersText(const QWidget &control)
{
    return qobject_cast<const QLineEdit *>(&control) || qobject_cast<const QAbstractItemView *>(&control) ||
           qobject_cast<const QComboBox *>(&control) || qobject_cast<const QAbstractSpinBox *>(&control);
}

bool IsButton(const QWidget &control)
{
    return qobject_cast<const QPushButton *>(&control) != nullptr;
}

QPalette::ColorRole TextRole(const QWidget &control)
{
    if (EntersText(control))
        return QPalette::Text;
    return IsButton(control) ? QPalette::ButtonText : QPalette::WindowText;
}

QPalette::ColorRole BackgroundRole(const QWidget &control)
{
    if (EntersText(control))
        return QPalette::Base;
    return IsButton(control) ? QPalette::Button : QPalette::Window;
}

// Refuses a change that puts anything but the digits 0-9 into the text. The
// inserted part is what lies between the common prefix and suffix of the old
// and the new text, so digits can still be typed next to a "-" that the
// program wrote. Text set by the program replaces the edit's undo history;
// with no undo step available the change cannot be typing and is accepted.
class TypedDigitsValidator : public QValidator {
  public:
    explicit TypedDigitsValidator(QLineEdit *edit) : QValidator(edit), edit_(edit), lastText_(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { lastText_ = text; });
    }

    State validate(QString &input, int &) const override
    {
        if (!edit_->isUndoAvailable())
            return Acceptable;
        const qsizetype common = std::min(input.size(), lastText_.size());
        qsizetype prefix = 0;
        while (prefix < common && input[prefix] == lastText_[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix && input[input.size() - 1 - suffix] == lastText_[lastText_.size() - 1 - suffix])
            ++suffix;
        for (qsizetype i = prefix; i < input.size() - suffix; ++i) {
            if (input[i] < QLatin1Char('0') || input[i] > QLatin1Char('9'))
                return Invalid;
        }
        return Acceptable;
    }

  private:
    QLineEdit *edit_;
    QString lastText_;
};

} // namespace

QColor ResolveSystemColor(SystemColor color)
{
    // Qt's palette has no window-border or desktop roles. The nearest in
    // meaning: COLOR_WINDOW is the background of text entry (Base);
    // COLOR_BTNFACE is also the face of dialogs, which is what it stands
    // behind here (Window); COLOR_ACTIVEBORDER is a 3D frame shade
    // (Midlight); COLOR_BACKGROUND, the desktop, becomes the desktop's accent
    // colour (Highlight).
    const QPalette palette = QApplication::palette();
    switch (color) {
    case SystemColor::Window:
        return palette.color(QPalette::Active, QPalette::Base);
    case SystemColor::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Window);
    case SystemColor::ActiveBorder:
        return palette.color(QPalette::Active, QPalette::Midlight);
    case SystemColor::Background:
        return palette.color(QPalette::Active, QPalette::Highlight);
    }
    return palette.color(QPalette::Active, QPalette::Window);
}

void SetTextColor(QWidget &control, const QColor &color)
{
    // The disabled group keeps the style's greyed text.
    QPalette palette = control.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, color);
    }
    control.setPalette(palette);
}

QColor TextColor(const QWidget &control)
{
    return control.palette().color(QPalette::Active, TextRole(control));
}

void SetBackgroundColor(QWidget &control, const QColor &color)
{
    const QPalette::ColorRole role = BackgroundRole(control);
    QPalette palette = control.palette();
    palette.setColor(role, color);
    control.setPalette(palette);
    if (role == QPalette::Window)
        control.setAutoFillBackground(true);
}

QColor BackgroundColor(const QWidget &control)
{
    return control.palette().color(QPalette::Active, BackgroundRole(control));
}

void SetUnderline(QWidget &control, bool underline)
{
    QFont font = control.font();
    font.setUnderline(underline);
    control.setFont(font);
}

void SetTag(QWidget &control, int32_t tag)
{
    control.setProperty(kTagProperty, tag);
}

int32_t Tag(const QWidget &control)
{
    return control.property(kTagProperty).toInt();
}

QString ControlText(const QWidget &control)
{
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(&control))
        return group->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(&control))
        return combo->currentText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(&control))
        return spin->text();
    if (control.isWindow())
        return control.windowTitle();
    return {};
}

Label::Label(QWidget *parent, const QString &text) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
    resize(64, 22);
    UpdateInheritedDisabledLook(*this);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    UpdateInheritedDisabledLook(*this, event);
}

PushButton::PushButton(QWidget *parent, const QString &text) : QPushButton(text, parent) {}

void PushButton::SetBitmap(const QPixmap &bitmap)
{
    bitmap_ = bitmap;
    update();
}

GroupBox::GroupBox(QWidget *parent, const QString &title) : QGroupBox(title, parent) {}

Edit::Edit(QWidget *parent, const QString &text) : QLineEdit(text, parent)
{
    resize(100, 22);
    UpdateInheritedDisabledLook(*this);
}

void Edit::SetDigitsOnly()
{
    setValidator(new TypedDigitsValidator(this));
}

void Edit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    UpdateInheritedDisabledLook(*this, event);
}

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    resize(100, 22);
}

void ComboBox::SetItemText(int index, const QString &text)
{
    if (index >= 0 && index < count())
        setItemText(index, text);
    else if (index == count())
        addItem(text);
}

CheckBox::CheckBox(QWidget *parent, const QString &text) : QCheckBox(text, parent)
{
    resize(sizeHint().width(), 22);
    UpdateInheritedDisabledLook(*this);
}

void CheckBox::changeEvent(QEvent *event)
{
    QCheckBox::changeEvent(event);
    UpdateInheritedDisabledLook(*this, event);
}

TimePicker::TimePicker(QWidget *parent) : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm:ss"));
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setTime(QTime(0, 0, 0));
    UpdateInheritedDisabledLook(*this);
}

void TimePicker::SetTime(int hours, int minutes, int seconds)
{
    setTime(QTime(hours, minutes, seconds));
}

void TimePicker::changeEvent(QEvent *event)
{
    QTimeEdit::changeEvent(event);
    UpdateInheritedDisabledLook(*this, event);
}

} // namespace korvelin
