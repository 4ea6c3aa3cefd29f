#include "ui/ItemRowTable.h"

namespace korvelin {

const std::array<ItemRowLayout, kItemRowCount> &ItemRowLayouts()
{
    using enum ExtraValue;
    // One row per line, in panel order.
    // clang-format off
    static const std::array<ItemRowLayout, kItemRowCount> layouts{{
        {1, 1, Energy},
        {2, 4, Energy},
        {3, 5, Energy},
        {4, 6, Energy},
        {12, 7, Energy},
        {14, 8, None},
        {21, 9, None},
        {22, 10, Capacity},
        {23, 11, Capacity},
        {24, 12, Capacity},
        {31, 13, None},
        {44, 15, None},
        {15, 16, None},
        {106, 2, None},
        {108, 3, None},
        {109, 14, None},
        {110, 17, None},
        {111, 18, None},
        {113, 19, None},
        {114, 20, None},
        {115, 21, None},
        {117, 22, None},
        {118, 23, None},
        {120, 24, None},
        {121, 25, None},
        {122, 26, None},
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
