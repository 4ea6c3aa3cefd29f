#pragma once
// Long work under the progress box, and what a close request of the window
// does meanwhile: it cancels the work, and the window goes on closing, with
// the usual question about unsaved changes, once the work has stopped.

class QString;

namespace korvelin {

class BackgroundWork;
struct MainForm;

// Runs `work` until it has finished. False when the window was asked to close
// meanwhile: the caller drops the result, and the close has been carried on.
bool RunWork(MainForm &form, const QString &title, BackgroundWork &work);

// For the window's close guard: true when work is running, which is cancelled
// and closes the window when it stops.
bool TakeCloseRequest(MainForm &form);

} // namespace korvelin
