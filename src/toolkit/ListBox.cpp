#include "toolkit/ListBox.h"

#include <QMouseEvent>

namespace korvelin {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line has one height, so the view never measures 10,000 lines.
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ListBox::Clear()
{
    clear();
}

void ListBox::AppendLine(const QString &text)
{
    addItem(text);
}

void ListBox::SetLines(const QStringList &lines)
{
    clear();
    addItems(lines);
}

void ListBox::SetLineText(int index, const QString &text)
{
    if (QListWidgetItem *line = item(index))
        line->setText(text);
}

QString ListBox::LineText(int index) const
{
    const QListWidgetItem *line = item(index);
    return line ? line->text() : QString();
}

int ListBox::LineCount() const
{
    return count();
}

int ListBox::CurrentIndex() const
{
    return currentRow();
}

void ListBox::SetCurrentIndex(int index)
{
    if (index == -1)
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    else if (index >= 0 && index < count())
        setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

void ListBox::SetSelected(int index, bool selected)
{
    QListWidgetItem *line = item(index);
    if (!line)
        return;
    if (selected) {
        setCurrentRow(index, QItemSelectionModel::Select);
        scrollToItem(line);
    } else {
        line->setSelected(false);
    }
}

bool ListBox::IsSelected(int index) const
{
    const QListWidgetItem *line = item(index);
    return line && line->isSelected();
}

// The right and middle buttons neither select nor move the current line: the
// double click that follows must act on the line the user picked before.
void ListBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton && !(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton)
        QListWidget::mouseDoubleClickEvent(event);
    event->accept();
    if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
        emit DoubleClicked();
}

} // namespace korvelin
