#pragma once
// The handlers that move the queue between the window, files and the clipboard.

namespace korvelin {

struct MainForm;

void OpenQueueFile(MainForm &form);
void SaveQueueFile(MainForm &form);
void SaveQueueFileByTime(MainForm &form);
void CopyQueueText(MainForm &form);

} // namespace korvelin
