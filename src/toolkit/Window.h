#pragma once

#include <QWidget>

class QApplication;

namespace korvelin {

// The application's top-level window. Controls sit at fixed bounds in its
// client area; resizing moves none of them.
class Window : public QWidget {
    Q_OBJECT
  public:
    // `position` is where the frame goes on the screen, `clientSize` the
    // size of the area inside the frame.
    Window(const QString &caption, QPoint position, QSize clientSize);
};

// The style and default font the fixed bounds were laid out for. Call once,
// right after the QApplication exists and before any control is made.
void ApplyDesktopLook(QApplication &application);

// Runs until the last top-level window is closed.
int RunMessageLoop();

} // namespace korvelin
