#pragma once
// The operating-system services the window uses: message boxes, the file
// dialog, the clipboard and the web-page opener. The application passes the Qt
// implementation (QtPlatform); tests pass a recorder with queued answers, so no
// test ever blocks on a modal box.

#include "util/MessageSink.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace korvelin {

struct FileDialogRequest {
    QString title;         // "(Building Query List) Load" / "... Save"
    QString initialFolder; // the folder of the program's executable
    QString fileName;      // pre-filled: the path picked last, in either command
    QString filter;        // empty, or name filters separated by ";;"
    QString defaultSuffix; // added by a save dialog to a name typed without one
    bool save = false;     // a save dialog that accepts a new name and asks before overwriting
};

// The buttons a question can offer.
enum class Answer { Yes, No, Save, Discard, Cancel, Restore };

struct QuestionRequest {
    QString text;
    std::vector<Answer> buttons;        // in the order they stand
    Answer defaultAnswer = Answer::Yes; // Enter
    Answer escapeAnswer = Answer::No;   // Escape or closing the box
};

// A modal form of whole numbers, each in a spin box with its range, grouped
// under captions in the order given: neighbouring fields with the same group
// share a box. The answer holds one value per field, in the same order.
struct NumberField {
    QString group;
    QString caption;
    int64_t value = 0; // shown clamped into the range
    int64_t minimum = 0;
    int64_t maximum = 0; // within ±2^53, where a double holds every whole number
    // When not empty, a choice among these texts instead of a number: the
    // value is the chosen one's index (the range is 0 .. size − 1).
    std::vector<QString> choices;
};

struct NumbersRequest {
    QString title;
    std::vector<NumberField> fields;
    QString acceptText = QStringLiteral("OK"); // the default button; Cancel stands beside it
};

// Long work running off the UI thread, as a progress box sees it. Every
// member is called on the UI thread; the work itself runs elsewhere.
class BackgroundWork {
  public:
    virtual ~BackgroundWork() = default;
    virtual bool Finished() const = 0;
    virtual int Percent() const = 0; // 0 to 100
    virtual QString Status() const = 0;
    // Asks the work to stop soon; it still finishes, with what it has.
    virtual void Cancel() = 0;
};

class Platform : public MessageSink {
  public:
    // The ordinary message box (inherited): modal, owned by the main window,
    // titled with its caption, one OK button. Text is UTF-8.
    // void ShowMessage(std::string_view text) override;

    // A note that blocks nothing and asks for no answer: the Qt platform
    // shows it on a line at the foot of the main window, so it can't stand
    // in the way of a progress box's Cancel as a modal box would.
    virtual void ShowNotice(const QString &text) = 0;
    // A box titled "Error" for a failed file operation.
    virtual void ShowErrorBox(const QString &text) = 0;
    // The picked path, or nothing when the user cancelled.
    virtual std::optional<QString> ShowFileDialog(const FileDialogRequest &request) = 0;
    // Replaces whatever the clipboard held with this text.
    virtual void SetClipboardText(const QString &text) = 0;
    // Asks the system to open an address; failures are ignored.
    virtual void OpenUrl(const QString &url) = 0;
    // A modal question over the main window, titled like the ordinary box.
    virtual Answer AskQuestion(const QuestionRequest &request) = 0;
    // The values accepted, or nothing when the form was cancelled.
    virtual std::optional<std::vector<int64_t>> AskNumbers(const NumbersRequest &request) = 0;
    // A modal progress box with Cancel that stands until `work` has
    // finished; the window keeps repainting meanwhile.
    virtual void WaitForWork(const QString &title, BackgroundWork &work) = 0;
};

} // namespace korvelin
