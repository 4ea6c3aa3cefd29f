#pragma once

#include "toolkit/Platform.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace korvelin::test {

// Stands in for the system services in window tests: records every message,
// error box, URL and clipboard text, and answers file dialogs from a queue
// (an empty queue answers "cancelled").
class RecordingPlatform : public Platform {
  public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ShowNotice(const QString &text) override { notices.push_back(text); }
    void ShowErrorBox(const QString &text) override { errorBoxes.push_back(text); }
    std::optional<QString> ShowFileDialog(const FileDialogRequest &request) override
    {
        fileDialogs.push_back(request);
        if (fileDialogAnswers.empty())
            return std::nullopt;
        const bool picked = fileDialogAnswers.front().has_value();
        const QString path = fileDialogAnswers.front().value_or(QString());
        fileDialogAnswers.pop_front();
        return picked ? std::optional<QString>(path) : std::nullopt;
    }
    void SetClipboardText(const QString &text) override { clipboardTexts.push_back(text); }
    void OpenUrl(const QString &url) override { openedUrls.push_back(url); }
    // Answers from the queue; an unanswered question gets Discard where it
    // is offered (the plan is dropped, as a window without the question
    // did), else its escape answer.
    Answer AskQuestion(const QuestionRequest &request) override
    {
        questions.push_back(request);
        if (!questionAnswers.empty()) {
            const Answer answer = questionAnswers.front();
            questionAnswers.pop_front();
            return answer;
        }
        for (const Answer offered : request.buttons) {
            if (offered == Answer::Discard)
                return offered;
        }
        return request.escapeAnswer;
    }

    // Answers from the queue; an unanswered form, or an empty answer, is
    // cancelled.
    std::optional<std::vector<int64_t>> AskNumbers(const NumbersRequest &request) override
    {
        numberForms.push_back(request);
        std::vector<int64_t> answer;
        if (!numbersAnswers.empty()) {
            answer.swap(numbersAnswers.front());
            numbersAnswers.pop_front();
        }
        if (answer.empty())
            return std::nullopt;
        return answer;
    }

    // Waits for the work without an event loop (the work needs none),
    // pressing Cancel after `cancelWorkAfterPolls` looks at it (never when
    // negative), and running `whileWorking` once at the first look. Records
    // how far the work had got when it finished.
    void WaitForWork(const QString &title, BackgroundWork &work) override
    {
        workTitles.push_back(title);
        for (int polls = 0; !work.Finished(); ++polls) {
            if (polls == 0 && whileWorking)
                std::exchange(whileWorking, nullptr)();
            if (polls == cancelWorkAfterPolls)
                work.Cancel();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        workPercents.push_back(work.Percent());
    }

    // Queue the answer of the next file dialog: a path, or std::nullopt for
    // a cancelled dialog.
    void AnswerNextFileDialog(std::optional<QString> answer) { fileDialogAnswers.push_back(std::move(answer)); }

    std::vector<std::string> messages;
    QStringList errorBoxes;
    QStringList notices;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<QString>> fileDialogAnswers;
    QStringList clipboardTexts;
    QStringList openedUrls;
    std::vector<QuestionRequest> questions;
    std::deque<Answer> questionAnswers;
    std::vector<NumbersRequest> numberForms;
    std::deque<std::vector<int64_t>> numbersAnswers;
    QStringList workTitles;
    std::vector<int> workPercents;
    int cancelWorkAfterPolls = -1;
    std::function<void()> whileWorking;
};

} // namespace korvelin::test
