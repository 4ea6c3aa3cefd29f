#include "ui/WorkRunner.h"

#include "ui/MainForm.h"

namespace korvelin {

bool RunWork(MainForm &form, const QString &title, BackgroundWork &work)
{
    form.RunningWork = &work;
    form.platform.WaitForWork(title, work);
    form.RunningWork = nullptr;
    if (!form.CloseAfterWork)
        return true;
    form.CloseAfterWork = false;
    form.window->close();
    return false;
}

bool TakeCloseRequest(MainForm &form)
{
    if (!form.RunningWork)
        return false;
    form.RunningWork->Cancel();
    form.CloseAfterWork = true;
    return true;
}

} // namespace korvelin
