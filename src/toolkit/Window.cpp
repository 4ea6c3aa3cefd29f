#include "toolkit/Window.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace korvelin {

Window::Window(const QString &caption, QPoint position, QSize clientSize) : QWidget(nullptr)
{
    setWindowTitle(caption);
    move(position); // move() places the frame; resize() sizes the client area
    resize(clientSize);
    setAttribute(Qt::WA_AlwaysShowToolTips);
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
