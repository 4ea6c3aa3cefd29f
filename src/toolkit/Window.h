#pragma once

#include <QWidget>

#include <functional>

class QApplication;
class QMimeData;

namespace korvelin {

// The application's top-level window. Controls sit at fixed bounds in its
// client area; resizing moves none of them.
class Window : public QWidget {
    Q_OBJECT
  public:
    // `position` is where the frame goes on the screen, `clientSize` the
    // size of the area inside the frame.
    Window(const QString &caption, QPoint position, QSize clientSize);

    // Asked before the window closes; returning false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    // Called with the path of a local file dropped on the window, whatever
    // its name: the reader judges the content, as Open leaves it to judge.
    void AcceptFileDrops(std::function<void(const QString &)> handler);
    // Keeps `child`'s top-left corner and stretches it to the window's
    // bottom-right corner at every resize.
    void StretchToCorner(QWidget *child);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    QString DroppedFile(const QMimeData *data) const;

    std::function<bool()> closeGuard_;
    std::function<void(const QString &)> dropHandler_;
    QWidget *stretched_ = nullptr;
};

// The style and default font the fixed bounds were laid out for. Call once,
// right after the QApplication exists and before any control is made.
void ApplyDesktopLook(QApplication &application);

// Runs until the last top-level window is closed.
int RunMessageLoop();

} // namespace korvelin
