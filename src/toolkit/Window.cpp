#include "toolkit/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QMimeData>
#include <QResizeEvent>
#include <QStyleFactory>
#include <QTimer>
#include <QUrl>

namespace korvelin {

Window::Window(const QString &caption, QPoint position, QSize clientSize) : QWidget(nullptr)
{
    setWindowTitle(caption);
    move(position); // move() places the frame; resize() sizes the client area
    resize(clientSize);
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

void Window::AcceptFileDrops(std::function<void(const QString &)> handler)
{
    dropHandler_ = std::move(handler);
    setAcceptDrops(true);
}

void Window::StretchToCorner(QWidget *child)
{
    stretched_ = child;
    child->resize(width() - child->x(), height() - child->y());
}

void Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (stretched_)
        stretched_->resize(width() - stretched_->x(), height() - stretched_->y());
}

void Window::closeEvent(QCloseEvent *event)
{
    if (closeGuard_ && !closeGuard_())
        event->ignore();
    else
        event->accept();
}

QString Window::DroppedFile(const QMimeData *data) const
{
    if (!dropHandler_ || !data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

void Window::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The source of the drag waits until the drop returns; the file opens
    // afterwards, so a question or message box doesn't hold the other program.
    QTimer::singleShot(0, this, [this, path] { dropHandler_(path); });
}

void ApplyDesktopLook(QApplication &application)
{
    // The bounds are fixed pixels, laid out for Fusion's metrics and an
    // 11-pixel DejaVu Sans (13 pixels a line, like the classic dialog font);
    // a platform style with larger margins would clip captions.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    Q_UNUSED(application);
}

int RunMessageLoop()
{
    return QApplication::exec();
}

} // namespace korvelin
