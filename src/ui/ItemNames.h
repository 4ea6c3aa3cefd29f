#pragma once
// The names the queue list and the plan table give the items: the Russian
// full names by default, or the English ones on request, a choice remembered
// between runs. The clipboard text and the queue file never follow it.

#include <QString>

#include <cstdint>

namespace korvelin {

struct MainForm;

// The item's name in the chosen language; empty for a BID outside the catalogue.
const QString &ItemName(int32_t bid, bool english);

// The choice as stored; off when nothing is.
bool LoadEnglishItemNames();
// Stores the choice, and rewrites the queue list and the plan table with it.
void SetEnglishItemNames(MainForm &form, bool english);

} // namespace korvelin
