#include "ui/QueueCommands.h"

#include "ui/MainForm.h"

namespace korvelin {

void AppendUpgrade(MainForm &, int32_t) {}

void RemoveCurrentEntry(MainForm &) {}

void MoveCurrentUp(MainForm &) {}

void MoveCurrentDown(MainForm &) {}

void PlayToLine(MainForm &) {}

void PlayAll(MainForm &) {}

void PlayNext(MainForm &) {}

} // namespace korvelin
