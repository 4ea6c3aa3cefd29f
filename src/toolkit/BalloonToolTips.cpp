#include "toolkit/BalloonToolTips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace korvelin {

namespace {

constexpr int kStemHeight = 12;
constexpr int kStemOffset = 16; // from the balloon's left edge to the stem's tip
constexpr int kPadding = 7;
constexpr int kRadius = 7;
constexpr int kCursorHeight = 20;
constexpr int kShowMilliseconds = 10000;

} // namespace

// The balloon: a rounded box with a stem whose tip points at the cursor.
class BalloonTip : public QWidget {
  public:
    BalloonTip(QWidget *owner, const QString &text) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), text_(text)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_DeleteOnClose);
        const QSize textSize = QFontMetrics(font()).size(Qt::TextSingleLine, text_);
        body_ = QRect(0, kStemHeight, textSize.width() + 2 * kPadding, textSize.height() + 2 * kPadding);
        resize(body_.width() + 1, body_.bottom() + 2);

        QPainterPath body;
        body.addRoundedRect(QRectF(body_).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
        const QPolygon stem{QPoint(kStemOffset, 0), QPoint(kStemOffset, kStemHeight + 2),
                            QPoint(kStemOffset + kStemHeight + 4, kStemHeight + 2)};
        QPainterPath stemPath;
        stemPath.addPolygon(QPolygonF(stem));
        stemPath.closeSubpath();
        outline_ = body.united(stemPath);
        // A mask, not a translucent window: the shape must hold without a
        // compositing window manager.
        QPainterPath maskBody;
        maskBody.addRoundedRect(QRectF(body_).adjusted(-0.5, -0.5, 1.5, 1.5), kRadius, kRadius);
        setMask(QRegion(maskBody.toFillPolygon().toPolygon()).united(QRegion(stem)));
        QTimer::singleShot(kShowMilliseconds, this, &QWidget::close);
    }

    QString Text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(outline_, palette().color(QPalette::ToolTipBase));
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawPath(outline_);
        painter.drawText(body_, Qt::AlignCenter | Qt::TextSingleLine, text_);
    }

  private:
    QString text_;
    QRect body_;
    QPainterPath outline_;
};

BalloonToolTips::BalloonToolTips(QWidget *window) : QObject(window), window_(window) {}

BalloonToolTips::~BalloonToolTips() = default;

void BalloonToolTips::Add(QWidget *control, const QString &text)
{
    texts_.insert(control, text);
    control->setToolTip(text); // for assistive tools; the balloon replaces Qt's tip
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { texts_.remove(control); });
}

QString BalloonToolTips::TextOf(const QWidget *control) const
{
    return texts_.value(control);
}

bool BalloonToolTips::IsShowing() const
{
    return balloon_ && balloon_->isVisible();
}

QString BalloonToolTips::ShowingText() const
{
    return IsShowing() ? balloon_->Text() : QString();
}

bool BalloonToolTips::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || !texts_.contains(control))
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        Show(control, static_cast<QHelpEvent *>(event)->globalPos());
        return true;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        Hide();
        return false;
    default:
        return false;
    }
}

void BalloonToolTips::Show(QWidget *control, const QPoint &globalPosition)
{
    Hide();
    const QString text = texts_.value(control);
    if (text.isEmpty())
        return;
    auto *balloon = new BalloonTip(window_, text);
    QPoint topLeft = globalPosition + QPoint(-kStemOffset, kCursorHeight - kStemHeight);
    if (const QScreen *screen = QGuiApplication::screenAt(globalPosition)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - balloon->width())));
    }
    balloon->move(topLeft);
    balloon->show();
    balloon_ = balloon;
}

void BalloonToolTips::Hide()
{
    if (balloon_)
        balloon_->close();
    balloon_.clear();
}

} // namespace korvelin
