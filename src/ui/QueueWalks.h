#pragma once
// The timeline walks of the window: they play the queue and move the current
// line along the list, showing each entry's figures in the need and time
// fields.

#include <cstdint>

namespace korvelin {

struct MainForm;

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
