#pragma once

#include <QListWidget>

namespace korvelin {

// A list of text lines with extended selection (Shift and Ctrl extend it).
// Like a Win32 list box it keeps a current line (the caret) apart from the
// selection, only the left button moves it, and a double click with the
// left, right or middle button fires DoubleClicked.
class ListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget *parent);

    void Clear();
    void AppendLine(const QString &text);
    // Replaces every line at once; far faster than appending one by one.
    void SetLines(const QStringList &lines);
    // Changes the text of an existing line; an index outside the lines
    // changes nothing.
    void SetLineText(int index, const QString &text);
    QString LineText(int index) const; // empty outside the lines
    int LineCount() const;

    // -1 when there is no current line.
    int CurrentIndex() const;
    // Moves the caret without touching the selection; -1 removes it, any
    // other index outside the lines changes nothing.
    void SetCurrentIndex(int index);
    // Selecting a line also makes it current; deselecting leaves the current
    // line where it is. An index outside the lines changes nothing.
    void SetSelected(int index, bool selected);
    bool IsSelected(int index) const;

  signals:
    void DoubleClicked();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace korvelin
