#pragma once
// Which item each row of the two item panels shows, with its button picture;
// what it shows beside its level is the core's ItemRowExtraOf.

#include "ui/MainForm.h"

#include <array>
#include <cstdint>

namespace korvelin {

struct ItemRowLayout {
    int32_t bid;
    int bitmapNumber; // ZMAINFORM_BUTTON<n>_IMAGE
};

// Rows 0-12 of the buildings panel, then rows 0-12 of the research panel.
const std::array<ItemRowLayout, kItemRowCount> &ItemRowLayouts();

// The text colour of row r (0-12) of either panel.
QColor ItemRowColor(int row);

} // namespace korvelin
