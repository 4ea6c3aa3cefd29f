#pragma once

#include <cstdint>

namespace korvelin {

struct MainForm;

// Fills the value labels of the item's row for `level` (normally its queued
// level + 1) and, first and for any BID, the three storage-capacity labels of
// the summary block with the capacities at the end of the queue. The five
// items without a row change only those; a BID outside the catalogue also
// shows "Unknown BID: <bid>".
void ShowItemDetails(MainForm &form, int32_t bid, int32_t level);

// Shows in every item row the upgrade its button would queue next.
void RefreshItemRows(MainForm &form);

} // namespace korvelin
