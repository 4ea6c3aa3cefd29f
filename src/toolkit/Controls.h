#pragma once
// The window toolkit: a thin layer over Qt Widgets giving the window the
// control kinds of a classic Win32 dialog, placed at absolute bounds with no
// layouts. Every control is an ordinary Qt widget, so text, enabled and
// visible state, bounds and cursor are the widget's own; text colour,
// background colour, underline and the integer tag go through the free
// functions below, which work for every kind.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimeEdit>

#include <cstdint>

namespace korvelin {

// The Win32 system colours the window names, resolved through the palette so
// that they follow the desktop's colour scheme.
enum class SystemColor {
    Window,       // COLOR_WINDOW
    ButtonFace,   // COLOR_BTNFACE
    ActiveBorder, // COLOR_ACTIVEBORDER
    Background,   // COLOR_BACKGROUND
};
QColor ResolveSystemColor(SystemColor color);

void SetTextColor(QWidget &control, const QColor &color);
QColor TextColor(const QWidget &control);
void SetBackgroundColor(QWidget &control, const QColor &color);
QColor BackgroundColor(const QWidget &control);
void SetUnderline(QWidget &control, bool underline);
void SetTag(QWidget &control, int32_t tag);
int32_t Tag(const QWidget &control); // 0 when never set
// The text the control shows as its own (caption, title, edit text).
QString ControlText(const QWidget &control);

// Static text: one line, left-aligned at the top, ampersands shown as they
// are. Reports a click with the left button.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget *parent, const QString &text = {});

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    bool pressed_ = false;
};

// A standard push button; with a bitmap it shows the bitmap instead of its
// text, drawn at its own size inside the frame (clipped, never scaled).
class PushButton : public QPushButton {
    Q_OBJECT
  public:
    explicit PushButton(QWidget *parent, const QString &text = {});
    void SetBitmap(const QPixmap &bitmap);
    const QPixmap &Bitmap() const { return bitmap_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QPixmap bitmap_;
};

// A push button the toolkit paints itself with a vertical colour gradient.
class GradientButton : public QPushButton {
    Q_OBJECT
  public:
    explicit GradientButton(QWidget *parent, const QString &text = {});

  protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

  private:
    bool hovered_ = false;
};

// A framed box with its title in the top edge. Disabling it keeps every child
// from taking input; the children keep their look, as Win32 children of a
// disabled window do.
class GroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit GroupBox(QWidget *parent, const QString &title = {});

  protected:
    // An etched frame whose top line runs through the middle of the title, so
    // children placed for a classic group box clear the frame.
    void paintEvent(QPaintEvent *event) override;
};

// A single-line edit with a border.
class Edit : public QLineEdit {
    Q_OBJECT
  public:
    explicit Edit(QWidget *parent, const QString &text = {});
    // Refuses typed or pasted characters other than 0-9 (Win32 ES_NUMBER);
    // text the program sets is taken as it is.
    void SetDigitsOnly();

  protected:
    void changeEvent(QEvent *event) override;
};

// A drop-down list to pick one of its items; it cannot be typed into.
class ComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ComboBox(QWidget *parent);
    // Item `index` gets the text; index == count appends, any other index
    // outside the items changes nothing.
    void SetItemText(int index, const QString &text);
};

// A two-state box that toggles itself when clicked.
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget *parent, const QString &text = {});

  protected:
    void changeEvent(QEvent *event) override;
};

// A time-of-day picker showing hours, minutes and seconds with up/down arrows.
class TimePicker : public QTimeEdit {
    Q_OBJECT
  public:
    explicit TimePicker(QWidget *parent);
    void SetTime(int hours, int minutes, int seconds);

  protected:
    void changeEvent(QEvent *event) override;
};

} // namespace korvelin
