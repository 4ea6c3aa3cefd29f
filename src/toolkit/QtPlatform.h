#pragma once

#include "toolkit/Platform.h"

#include <QPointer>
#include <QWidget>

namespace korvelin {

// The real services: Qt message boxes, file dialog, clipboard and the desktop's
// URL handler. Message boxes are owned by the owner window and take its caption
// as their title.
// The caption a window shows: its title with the "[*]" placeholder turned
// into "*" while the window is modified and dropped otherwise.
QString ShownCaption(const QWidget &window);

class QtPlatform : public Platform {
  public:
    explicit QtPlatform(QWidget *owner = nullptr);
    void SetOwner(QWidget *owner);

    void ShowMessage(std::string_view text) override;
    void ShowNotice(const QString &text) override;
    void ShowErrorBox(const QString &text) override;
    std::optional<QString> ShowFileDialog(const FileDialogRequest &request) override;
    void SetClipboardText(const QString &text) override;
    void OpenUrl(const QString &url) override;
    Answer AskQuestion(const QuestionRequest &request) override;
    std::optional<std::vector<int64_t>> AskNumbers(const NumbersRequest &request) override;
    void WaitForWork(const QString &title, BackgroundWork &work) override;

  private:
    QPointer<QWidget> owner_;
};

} // namespace korvelin
