#pragma once
// "Optimize": searches off the UI thread for a shorter order of the plan's
// entries, then offers it.

namespace korvelin {

struct MainForm;

void OptimizeQueue(MainForm &form);

} // namespace korvelin
