#include "ui/ItemRowTable.h"

namespace korvelin {

const std::array<ItemRowLayout, kItemRowCount> &ItemRowLayouts()
{
    // One row per line, in panel order.
    // clang-format off
    static const std::array<ItemRowLayout, kItemRowCount> layouts{{
        {1, 1},
        {2, 4},
        {3, 5},
        {4, 6},
        {12, 7},
        {14, 8},
        {21, 9},
        {22, 10},
        {23, 11},
        {24, 12},
        {31, 13},
        {44, 15},
        {15, 16},
        {106, 2},
        {108, 3},
        {109, 14},
        {110, 17},
        {111, 18},
        {113, 19},
        {114, 20},
        {115, 21},
        {117, 22},
        {118, 23},
        {120, 24},
        {121, 25},
        {122, 26},
    }};
    // clang-format on
    return layouts;
}

QColor ItemRowColor(int row)
{
    static const QColor colours[] = {
        QColor(0, 0, 0),     QColor(0, 128, 128), QColor(0, 0, 128),   QColor(128, 128, 0),
        QColor(128, 0, 128), QColor(0, 0, 0),     QColor(0, 255, 255), QColor(0, 0, 0),
        QColor(0, 128, 128), QColor(0, 0, 128),   QColor(0, 255, 0),   QColor(128, 128, 128),
    };
    if (row >= 0 && row < static_cast<int>(std::size(colours)))
        return colours[row];
    return ResolveSystemColor(SystemColor::Background);
}

} // namespace korvelin
