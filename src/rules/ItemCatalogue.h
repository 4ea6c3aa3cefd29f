#pragma once
// Game rules: the fixed catalogue of the 31 upgradable items, their prices and
// build times (UpgradeCost.h) and the planet's economy (Production.h). All are
// pure functions of levels and planet inputs.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvelin {

enum ResourceKind : int32_t { kMetal = 1, kCrystal = 2, kDeuterium = 3 };

enum class ItemKind { Building, Research };

// The items that formulas name directly.
namespace bid {
inline constexpr int32_t kMetalMine = 1;
inline constexpr int32_t kCrystalMine = 2;
inline constexpr int32_t kDeuteriumSynthesizer = 3;
inline constexpr int32_t kSolarPlant = 4;
inline constexpr int32_t kFusionReactor = 12;
inline constexpr int32_t kRoboticsFactory = 14;
inline constexpr int32_t kNaniteFactory = 15;
inline constexpr int32_t kMetalStorage = 22;
inline constexpr int32_t kCrystalStorage = 23;
inline constexpr int32_t kDeuteriumTank = 24;
inline constexpr int32_t kResearchLab = 31;
inline constexpr int32_t kEspionage = 106;
} // namespace bid

struct CatalogueItem {
    int32_t bid;
    ItemKind kind;
    std::string_view caption;        // English; empty for the five items without a button
    std::string_view fullName;       // Russian, UTF-8
    std::string_view shortName;      // Russian, UTF-8
    std::array<int32_t, 3> baseCost; // metal, crystal, deuterium of level 1
};

inline constexpr int32_t kItemCount = 31;

// The rows in catalogue order (ascending BID); row i has ItemIndex i + 1.
const std::array<CatalogueItem, kItemCount> &ItemCatalogue();

// 1..31, or -1 for a BID outside the catalogue.
int32_t ItemIndexOf(int32_t bid);

// Accessors by ItemIndex 1..31; callers never pass -1.
int32_t BaseCost(int32_t itemIndex, int32_t kind);
std::string_view FullName(int32_t itemIndex);
std::string_view ShortName(int32_t itemIndex);
std::string_view Caption(int32_t itemIndex);
int32_t BidAt(int32_t itemIndex);
// The caption, or an English name for the five items without one.
std::string_view EnglishName(int32_t itemIndex);

// The item's English caption, its full Russian name for the five items
// without one, or the number itself for a BID outside the catalogue: how
// messages name an item.
std::string ItemLabel(int32_t bid);

// The 26 items with a button and an item row (all but 41, 42, 43, 123, 199).
bool HasItemRow(int32_t bid);

} // namespace korvelin
