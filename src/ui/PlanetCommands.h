#pragma once
// The planet a plan starts from, as the window edits it: the "Planet…" form
// and "Built up to here" on a line of the queue.

#include <cstdint>

namespace korvelin {

struct MainForm;

// Asks for the start levels of the 26 items with a row, the start stock, the
// economy speed and the rules; OK applies them as one undo step.
void EditPlanet(MainForm &form);

// Marks lines 0 .. line as built: the planet moves on to where they leave it
// and they leave the queue, as one undo step.
void BuildUpToHere(MainForm &form, int32_t line);

} // namespace korvelin
