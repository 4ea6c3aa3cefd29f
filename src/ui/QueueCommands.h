#pragma once
// The handlers that edit and play the build queue: item buttons, "Del", "^",
// "_", a double click on a queue line, "Calculate" and "Next".

#include <cstdint>

namespace korvelin {

struct MainForm;

void AppendUpgrade(MainForm &form, int32_t bid);
void RemoveCurrentEntry(MainForm &form);
void MoveCurrentUp(MainForm &form);
void MoveCurrentDown(MainForm &form);
void PlayToLine(MainForm &form);
void PlayAll(MainForm &form);
void PlayNext(MainForm &form);

} // namespace korvelin
