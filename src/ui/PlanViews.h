#pragma once
// The window's views of the plan follow the plan's change signal: the list and
// summary block, the item rows, the queue buttons and the caption.

namespace korvelin {

struct MainForm;

// Connects the views to form.document; call once, after the controls exist.
void FollowPlan(MainForm &form);

// Del and Chart with one entry or more; ^, _ and Cp with two or more.
void SetQueueButtonStates(MainForm &form);

} // namespace korvelin
