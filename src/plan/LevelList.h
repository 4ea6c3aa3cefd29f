#pragma once
// Lists of item levels, "BID:LEVEL,BID:LEVEL,...": the queue file's start
// levels, the tools' --levels and --goal, read and written here only.

#include "rules/ItemCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin {

enum class ItemNaming {
    BidsOnly,    // what the file holds
    BidsOrNames, // what a person types: the BID or the English name, case ignored
};

// The catalogue BID that `text` names, or nothing.
std::optional<int32_t> FindItem(std::string_view text, ItemNaming naming);

// One field of a list, split at the first `separator`.
struct LevelField {
    std::string_view text;      // the whole field
    std::string_view itemText;  // before the separator
    std::string_view levelText; // after it; empty when there is none
    bool hasSeparator = false;
    std::optional<int32_t> bid; // nothing when itemText names no catalogue item
};

// The fields between commas, empty ones included, in order.
std::vector<LevelField> SplitLevelList(std::string_view text, char separator, ItemNaming naming);

struct ItemLevel {
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const ItemLevel &, const ItemLevel &) = default;
};

// A list a person typed, read strictly: every field names an item and gives
// a whole level inside the item's range. `option` starts the messages
// ("--levels"). On a fault `error` says which field and why.
struct TypedLevels {
    std::vector<ItemLevel> levels;
    std::string error;
};
TypedLevels ReadTypedLevels(std::string_view text, char separator, std::string_view option);

// The levels by ItemIndex − 1 as the file writes them: the items above 0 in
// catalogue order, "1:20,2:15"; empty when every level is 0.
std::string FormatLevelList(const std::array<int32_t, kItemCount> &levels);

// The items with their BIDs for the tools' --help, one per line.
std::string ItemTableText();

} // namespace korvelin
