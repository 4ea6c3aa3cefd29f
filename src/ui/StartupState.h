#pragma once

namespace korvelin {

struct MainForm;

// Puts a freshly built window and its model into the start state: buildings
// panel shown, version in the caption, every item row at level 1, the
// language box filled. Runs once, at the end of CreateMainForm.
void StartupState(MainForm &form);

} // namespace korvelin
