#include "ui/QueueWalks.h"

#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueViewBatch.h"

#include <algorithm>
#include <string>

namespace korvelin {

void FlushingMessageSink::ShowMessage(std::string_view text)
{
    batch_.Flush();
    target_.ShowMessage(text);
}

void CappedMessageSink::ShowMessage(std::string_view text)
{
    if (shown_ + 1 < kMaxWalkMessages) {
        ++shown_;
        target_.ShowMessage(text);
        return;
    }
    if (held_++ == 0)
        firstHeld_ = text;
}

void CappedMessageSink::Finish()
{
    if (held_ == 1)
        target_.ShowMessage(firstHeld_);
    else if (held_ > 1)
        target_.ShowMessage("And " + std::to_string(held_) + " more entries: " + firstHeld_);
    held_ = 0;
}

namespace {

void ResetTimelineIn(MainForm &form, QueueViewBatch &batch)
{
    // Selecting line 0 first, as a reset does, is covered by the refresh.
    ResetTimeline(form.timeline, form.document.StartPlanet().startStock);
    batch.Refresh(0);
    batch.ClearNeedFields();
}

void AdvanceTimelineIn(MainForm &form, QueueViewBatch &batch, MessageSink &messages, const PlanetInputSource &inputs)
{
    if (const auto evaluation = AdvanceTimeline(form.queue, batch.Current(), form.timeline, inputs, messages))
        batch.ShowEvaluation(*evaluation);
}

} // namespace

void ResetTimeline(MainForm &form)
{
    QueueViewBatch batch(form);
    ResetTimelineIn(form, batch);
    batch.Flush();
}

void WalkThrough(MainForm &form, int32_t k)
{
    QueueViewBatch batch(form);
    FlushingMessageSink flushing(batch, form.platform);
    CappedMessageSink messages(flushing);
    const PlanetInputSource inputs = PlanetInputsOf(form);
    ResetTimelineIn(form, batch);
    // k names a line; past the last one there is nothing more to play.
    const int32_t last = std::min(k, batch.LineCount() - 1);
    for (int32_t i = 0; i <= last; ++i) {
        AdvanceTimelineIn(form, batch, messages, inputs);
        batch.Refresh(batch.Current());
        if (i < last)
            batch.MoveNext();
    }
    messages.Finish();
    batch.Flush();
}

void WalkAll(MainForm &form)
{
    QueueViewBatch batch(form);
    FlushingMessageSink flushing(batch, form.platform);
    CappedMessageSink messages(flushing);
    const PlanetInputSource inputs = PlanetInputsOf(form);
    ResetTimelineIn(form, batch);
    const int32_t lines = batch.LineCount();
    for (int32_t i = 0; i < lines; ++i) {
        AdvanceTimelineIn(form, batch, messages, inputs);
        batch.Refresh(batch.Current());
        batch.MoveNext();
    }
    messages.Finish();
    batch.Flush();
}

void WalkNext(MainForm &form)
{
    QueueViewBatch batch(form);
    if (batch.Current() >= batch.LineCount() - 1)
        return;
    FlushingMessageSink messages(batch, form.platform);
    batch.MoveNext();
    AdvanceTimelineIn(form, batch, messages, PlanetInputsOf(form));
    batch.Refresh(batch.Current());
    batch.Flush();
}

} // namespace korvelin
