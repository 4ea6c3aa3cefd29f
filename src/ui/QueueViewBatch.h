#pragma once

#include "queue/Timeline.h"
#include "util/MessageSink.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace korvelin {

struct MainForm;

// Collects what the queue view and the need fields would show after each step
// of a walk and writes it to the controls once, at Flush. A walk of n entries
// thus costs n evaluations and one write of the controls instead of n.
// Until the first Refresh the list's own current line and selection count and
// moves go straight to the list; after it the batch keeps them.
class QueueViewBatch {
  public:
    explicit QueueViewBatch(MainForm &form) : form_(form) {}
    QueueViewBatch(const QueueViewBatch &) = delete;
    QueueViewBatch &operator=(const QueueViewBatch &) = delete;

    int32_t Current() const;
    int32_t LineCount() const;
    // RefreshQueueView, deferred: the summary for `position` with the stock as
    // it is now, and line `position` (clamped) alone selected and current.
    void Refresh(int32_t position);
    // Deselects the current line and selects the next; past the last line
    // the last stays current without selection.
    void MoveNext();
    void ClearNeedFields();
    void ShowEvaluation(const EntryEvaluation &evaluation);
    // Writes whatever is pending.
    void Flush();

  private:
    MainForm &form_;
    bool tracked_ = false; // the batch, not the list, holds current and selection
    bool selectionPending_ = false;
    int32_t current_ = -1;
    int32_t selected_ = -1;
    std::optional<int32_t> summaryPosition_;
    std::array<int64_t, 3> summaryStock_{};
    enum class Need { Unchanged, Cleared, Shown } need_ = Need::Unchanged;
    EntryEvaluation evaluation_;
};

// Passes the timeline's messages on to the window's message box, first
// writing what the batch holds, so the box stands over the state of that
// moment.
class FlushingMessageSink : public MessageSink {
  public:
    FlushingMessageSink(QueueViewBatch &batch, MessageSink &target) : batch_(batch), target_(target) {}
    void ShowMessage(std::string_view text) override;

  private:
    QueueViewBatch &batch_;
    MessageSink &target_;
};

// The most boxes one walk shows. A long plan whose every entry needs
// deuterium before any is produced would otherwise raise a box per entry.
inline constexpr size_t kMaxWalkMessages = 10;

// Passes on a walk's messages as they come, up to kMaxWalkMessages − 1; the
// rest wait for Finish, which shows the one left as it is, or one box that
// counts them.
class CappedMessageSink : public MessageSink {
  public:
    explicit CappedMessageSink(MessageSink &target) : target_(target) {}
    void ShowMessage(std::string_view text) override;
    void Finish();

  private:
    MessageSink &target_;
    size_t shown_ = 0;
    uint64_t held_ = 0;
    std::string firstHeld_;
};

} // namespace korvelin
