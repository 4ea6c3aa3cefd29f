#pragma once
// Which item each row of the two item panels shows, with its button picture
// and its extra value.

#include "ui/MainForm.h"

#include <array>
#include <cstdint>

namespace korvelin {

enum class ExtraValue { None, Energy, Capacity };

struct ItemRowLayout {
    int32_t bid;
    int bitmapNumber; // ZMAINFORM_BUTTON<n>_IMAGE
    ExtraValue extra;
};

// Rows 0-12 of the buildings panel, then rows 0-12 of the research panel.
const std::array<ItemRowLayout, kItemRowCount> &ItemRowLayouts();

// The text colour of row r (0-12) of either panel.
QColor ItemRowColor(int row);

} // namespace korvelin
