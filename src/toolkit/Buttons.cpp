#include "toolkit/Controls.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace korvelin {

namespace {

// Width of the frame a bitmap stays inside.
constexpr int kBitmapFrame = 2;

struct GradientColours {
    QColor top;
    QColor bottom;
    QColor border;
};

GradientColours ColoursFor(bool enabled, bool down, bool hovered)
{
    if (!enabled)
        return {QColor(0xf4, 0xf4, 0xf4), QColor(0xdc, 0xdc, 0xdc), QColor(0xb0, 0xb0, 0xb0)};
    if (down)
        return {QColor(0xa9, 0xbd, 0xd9), QColor(0xe6, 0xee, 0xf8), QColor(0x4d, 0x63, 0x82)};
    if (hovered)
        return {QColor(0xff, 0xff, 0xff), QColor(0xc4, 0xd6, 0xee), QColor(0x4d, 0x63, 0x82)};
    return {QColor(0xfd, 0xfd, 0xfd), QColor(0xb4, 0xc7, 0xe2), QColor(0x6d, 0x7f, 0x99)};
}

} // namespace

void PushButton::paintEvent(QPaintEvent *event)
{
    if (bitmap_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    // Like a Win32 bitmap button: the frame, then the bitmap at its own size
    // in the middle, clipped by the frame and shifted by a pixel while pressed.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inside = rect().adjusted(kBitmapFrame, kBitmapFrame, -kBitmapFrame, -kBitmapFrame);
    const QSize size = bitmap_.deviceIndependentSize().toSize();
    QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown())
        topLeft += QPoint(1, 1);
    painter.setClipRect(inside);
    if (isEnabled()) {
        painter.drawPixmap(topLeft, bitmap_);
    } else {
        painter.drawPixmap(topLeft, style()->generatedIconPixmap(QIcon::Disabled, bitmap_, &option));
    }
    painter.setClipping(false);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inside.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

GradientButton::GradientButton(QWidget *parent, const QString &text) : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
}

void GradientButton::enterEvent(QEnterEvent *event)
{
    hovered_ = true;
    update();
    QPushButton::enterEvent(event);
}

void GradientButton::leaveEvent(QEvent *event)
{
    hovered_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void GradientButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool down = isDown() || isChecked();
    const GradientColours colours = ColoursFor(isEnabled(), down, hovered_);
    const QRect frame = rect().adjusted(0, 0, -1, -1);

    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    gradient.setColorAt(0.0, colours.top);
    gradient.setColorAt(1.0, colours.bottom);
    painter.fillRect(frame, gradient);

    // A light inner edge on top and left, as on a raised button; none while
    // pressed, so the face looks pushed in.
    if (!down && isEnabled()) {
        painter.setPen(QColor(255, 255, 255, 200));
        painter.drawLine(frame.left() + 1, frame.top() + 1, frame.right() - 1, frame.top() + 1);
        painter.drawLine(frame.left() + 1, frame.top() + 1, frame.left() + 1, frame.bottom() - 1);
    }
    painter.setPen(colours.border);
    painter.drawRect(frame);

    QRect textArea = rect();
    if (down)
        textArea.translate(1, 1);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void GroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // Etched: a shadow line with a light line one pixel below and right.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect titleArea(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(titleArea, palette().color(QPalette::Window));
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(titleArea.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

} // namespace korvelin
