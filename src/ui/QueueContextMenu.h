#pragma once
// The context menu of QueueList: "Built up to here", then the queue commands
// of the buttons beside the list.

namespace korvelin {

struct MainForm;

// Opens on a right click on a line (which becomes the current line) or on
// the menu key, for the current line.
void InstallQueueContextMenu(MainForm &form);

} // namespace korvelin
