#pragma once
// The queue list and the summary block. Line i of QueueList always shows
// entry i; the current line is the entry the queue commands and the timeline
// work on.

#include <cstdint>

namespace korvelin {

struct MainForm;

// Writes the summary block for position p (a negative p reads every level as
// 0), brings the list in step with the queue, and makes line p, clamped to
// the lines, the one selected and current line.
void RefreshQueueView(MainForm &form, int32_t position);
// Writes every line again, keeping the selection: the item names changed.
void RewriteQueueLines(MainForm &form);

} // namespace korvelin
