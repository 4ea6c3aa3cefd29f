#pragma once
// The handlers that move the queue between the window, files and the clipboard.

#include <string>

class QString;

namespace korvelin {

struct MainForm;

void OpenQueueFile(MainForm &form);
// Opens the file at `path` as "Open" opens the file picked in its dialog,
// after the unsaved-changes question: for a file named on the command line
// or dropped on the window.
void OpenQueueFilePath(MainForm &form, const QString &path);
void SaveQueueFile(MainForm &form);
void SaveQueueFileByTime(MainForm &form);
void CopyQueueText(MainForm &form);

// Replaces the queue and the maximum temperature with what the file holds and
// refreshes the item rows, the queue list and the button states. A file that
// can't be read or whose header is wrong changes nothing; the user is told
// why. Returns whether the queue was replaced.
bool ReadQueueFile(MainForm &form, const QString &path);

// Asks whether to save a modified plan before it is replaced or closed: true
// when the plan may go (it was saved, discarded or never changed).
bool MaybeSavePlan(MainForm &form);

// The bytes of the plan as a save writes them.
std::string FormatPlanFile(const MainForm &form);

// Writes the queue and the maximum temperature. A failure leaves any previous
// file whole and is shown in the "Error" box. Returns whether it was written.
bool WriteQueueFile(MainForm &form, const QString &path);

} // namespace korvelin
