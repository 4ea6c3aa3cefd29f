#pragma once
// What a desktop editor is expected to do beyond its buttons: undo and redo,
// keyboard shortcuts for the buttons and tabs, the unsaved-changes question
// on close, and opening a queue file dropped on the window.

namespace korvelin {

struct MainForm;

// Call once, after the controls and their events exist.
void InstallEditorActions(MainForm &form);

} // namespace korvelin
