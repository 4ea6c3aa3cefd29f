#pragma once
// The queue list and the summary block, and the timeline walks that move the
// current line along the list. Line i of QueueList always shows entry i; the
// current line is the entry the queue commands and the timeline work on.

#include <cstdint>

namespace korvelin {

struct MainForm;

// Writes the summary block for position p (a negative p reads every level as
// 0), brings the list in step with the queue, and makes line p, clamped to
// the lines, the one selected and current line.
void RefreshQueueView(MainForm &form, int32_t position);

// The start of the clock with line 0 current and the need and time fields
// emptied. The step keeps its value.
void ResetTimeline(MainForm &form);
// Resets, then plays entries 0 to k; line k ends current and selected.
void WalkThrough(MainForm &form, int32_t k);
// Resets, then plays every entry; the last line ends current, unselected.
void WalkAll(MainForm &form);
// Plays the entry after the current line from the state the last walk left;
// nothing on the last line or beyond.
void WalkNext(MainForm &form);

} // namespace korvelin
