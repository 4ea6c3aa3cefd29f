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
    // Called with the path of a local file dropped on the window whose name
    // ends in `suffix`; other drops are refused.
    void AcceptFileDrops(const QString &suffix, std::function<void(const QString &)> handler);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

  private:
    QString DroppedFile(const QMimeData *data) const;

    std::function<bool()> closeGuard_;
    QString dropSuffix_;
    std::function<void(const QString &)> dropHandler_;
};

// The style and default font the fixed bounds were laid out for. Call once,
// right after the QApplication exists and before any control is made.
void ApplyDesktopLook(QApplication &application);

// Runs until the last top-level window is closed.
int RunMessageLoop();

} // namespace korvelin
