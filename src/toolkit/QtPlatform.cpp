#include "toolkit/QtPlatform.h"

#include "toolkit/TextEncoding.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <functional>

namespace korvelin {

namespace {

// Escape and the close button ask to cancel; the box stays until the work
// has finished.
class WorkDialog : public QDialog {
  public:
    using QDialog::QDialog;
    std::function<void()> onReject;
    void reject() override
    {
        if (onReject)
            onReject();
    }
};

// While it lives, drops the user's input to every window but `allowed`,
// as a modal box would, but lets close requests through.
class InputBlocker : public QObject {
  public:
    explicit InputBlocker(QWidget *allowed) : allowed_(allowed)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputBlocker(const InputBlocker &) = delete;
    InputBlocker &operator=(const InputBlocker &) = delete;

    bool eventFilter(QObject *target, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut: // sent to QShortcut and QAction, which are no widgets
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return !InAllowedWindow(target);
        default:
            return false;
        }
    }

  private:
    bool InAllowedWindow(QObject *target) const
    {
        if (const auto *widget = qobject_cast<QWidget *>(target))
            return widget->window() == allowed_;
        if (const auto *window = qobject_cast<QWindow *>(target))
            return window == allowed_->windowHandle();
        return false;
    }

    QWidget *allowed_;
};

QMessageBox::StandardButton ButtonOf(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Save:
        return QMessageBox::Save;
    case Answer::Discard:
        return QMessageBox::Discard;
    case Answer::Cancel:
    case Answer::Restore: // no standard button says just "Restore"
        break;
    }
    return QMessageBox::Cancel;
}

QAbstractButton *AddButton(QMessageBox &box, Answer answer)
{
    if (answer == Answer::Restore)
        return box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    return box.addButton(ButtonOf(answer));
}

} // namespace

QString ShownCaption(const QWidget &window)
{
    QString caption = window.windowTitle();
    caption.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    return caption;
}

QtPlatform::QtPlatform(QWidget *owner) : owner_(owner) {}

void QtPlatform::SetOwner(QWidget *owner)
{
    owner_ = owner;
}

void QtPlatform::ShowMessage(std::string_view text)
{
    QWidget *owner = owner_.data();
    QMessageBox box(QMessageBox::NoIcon, owner ? ShownCaption(*owner) : QString(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, owner);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}

void QtPlatform::ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
    box.exec();
}

std::optional<QString> QtPlatform::ShowFileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(owner_.data(), request.title, request.initialFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(request.filter);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList picked = dialog.selectedFiles();
    if (picked.isEmpty())
        return std::nullopt;
    return picked.first();
}

void QtPlatform::SetClipboardText(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    // Programs that read the clipboard as single-byte Cyrillic text find the
    // code page 1251 bytes beside the Unicode text.
    if (const std::optional<QByteArray> bytes = EncodeCodePage1251(text))
        data->setData(QStringLiteral("text/plain;charset=windows-1251"), *bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

Answer QtPlatform::AskQuestion(const QuestionRequest &request)
{
    QWidget *owner = owner_.data();
    QMessageBox box(QMessageBox::Question, owner ? ShownCaption(*owner) : QString(), request.text,
                    QMessageBox::NoButton, owner);
    std::vector<std::pair<Answer, QAbstractButton *>> buttons;
    for (const Answer answer : request.buttons)
        buttons.emplace_back(answer, AddButton(box, answer));
    for (const auto &[answer, button] : buttons) {
        if (answer == request.defaultAnswer)
            box.setDefaultButton(qobject_cast<QPushButton *>(button));
        if (answer == request.escapeAnswer)
            box.setEscapeButton(button);
    }
    box.exec();
    for (const auto &[answer, button] : buttons) {
        if (button == box.clickedButton())
            return answer;
    }
    return request.escapeAnswer;
}

void QtPlatform::WaitForWork(const QString &title, BackgroundWork &work)
{
    if (work.Finished())
        return;
    QWidget *owner = owner_.data();
    WorkDialog dialog(owner);
    dialog.setWindowTitle(title);
    // Not modal, nor the owner disabled: Qt drops the close requests of a
    // window either way, and closing the window while work runs must cancel
    // the work. Only the user's input elsewhere is dropped.
    const InputBlocker blocker(&dialog);
    auto *status = new QLabel(work.Status(), &dialog);
    auto *bar = new QProgressBar(&dialog);
    bar->setRange(0, 100);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(status);
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    dialog.setMinimumWidth(360);
    const auto stop = [&] {
        work.Cancel();
        cancel->setEnabled(false);
    };
    dialog.onReject = stop;
    QObject::connect(cancel, &QPushButton::clicked, &dialog, stop);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (work.Finished()) {
            dialog.done(QDialog::Accepted);
            return;
        }
        status->setText(work.Status());
        bar->setValue(work.Percent());
    });
    poll.start(50);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
}

void QtPlatform::ShowNotice(const QString &text)
{
    QWidget *owner = owner_.data();
    if (!owner)
        return;
    // The window's controls sit at fixed bounds, so the line lies over the
    // foot of the client area, made on the first notice.
    auto *line = owner->findChild<QLabel *>(QStringLiteral("NoticeLine"), Qt::FindDirectChildrenOnly);
    if (!line) {
        line = new QLabel(owner);
        line->setObjectName(QStringLiteral("NoticeLine"));
        line->setAutoFillBackground(true);
        line->setStyleSheet(QStringLiteral("background: #fff8c4; padding: 1px 4px;"));
    }
    line->setText(text);
    line->setToolTip(text);
    const int height = line->sizeHint().height();
    line->setGeometry(0, owner->height() - height, owner->width(), height);
    line->raise();
    line->show();
}

void QtPlatform::OpenUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace korvelin
