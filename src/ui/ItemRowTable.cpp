#include "ui/ItemRowTable.h"

namespace korvelin {

const std::array<ItemRowLayout, kItemRowCount> &ItemRowLayouts()
{
    using enum ExtraValue;
    // One row per line, in panel order.
    // clang-format off
    static const std::array<ItemRowLayout, kItemRowCount> layouts{{
        {1, 1, Energy, 10},
        {2, 4, Energy, 10},
        {3, 5, Energy, 20},
        {4, 6, Energy, 20},
        {12, 7, Energy, 50},
        {14, 8, None, 0},
        {21, 9, None, 0},
        {22, 10, Capacity, 0},
        {23, 11, Capacity, 0},
        {24, 12, Capacity, 0},
        {31, 13, None, 0},
        {44, 15, None, 0},
        {15, 16, None, 0},
        {106, 2, None, 0},
        {108, 3, None, 0},
        {109, 14, None, 0},
        {110, 17, None, 0},
        {111, 18, None, 0},
        {113, 19, None, 0},
        {114, 20, None, 0},
        {115, 21, None, 0},
        {117, 22, None, 0},
        {118, 23, None, 0},
        {120, 24, None, 0},
        {121, 25, None, 0},
        {122, 26, None, 0},
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
