#pragma once
// The technology tree: the levels of other items an item needs before any
// upgrade of it can start. A level counts as reached when it is the planet's
// start level or an earlier entry of the plan reaches it.

#include "rules/ItemCatalogue.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin {

struct Requirement {
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const Requirement &, const Requirement &) = default;
};

// In catalogue order of the needed items; empty for an item that needs
// nothing and for a BID outside the catalogue.
std::span<const Requirement> RequirementsOf(int32_t bid);

// The highest level of every item reached so far, by ItemIndex − 1: the
// planet's start levels raised by the entries played.
struct ReachedLevels {
    std::array<int32_t, kItemCount> levels{};

    // 0 for a BID outside the catalogue.
    int32_t Of(int32_t bid) const;
    // Raises the item's level to `level` when it is higher; ignores a BID
    // outside the catalogue.
    void Reach(int32_t bid, int32_t level);
    friend bool operator==(const ReachedLevels &, const ReachedLevels &) = default;
};

bool RequirementsMet(int32_t bid, const ReachedLevels &reached);
// The requirements of `bid` not reached yet, in catalogue order; empty (and
// allocating nothing) when all are.
std::vector<Requirement> MissingRequirements(int32_t bid, const ReachedLevels &reached);

// The stores by resource: metal storage, crystal storage, deuterium tank.
inline constexpr std::array<int32_t, 3> kStoreItems{bid::kMetalStorage, bid::kCrystalStorage, bid::kDeuteriumTank};
// The resource (0 metal, 1 crystal, 2 deuterium) a store holds, or -1 for
// an item that is no store.
int32_t StoreResourceOf(int32_t bid);

// The first resource (0 metal, 1 crystal, 2 deuterium) whose price passes
// what its store holds at the reached level while the stock before the entry
// does not cover it, or -1 when the stores allow the entry.
int32_t StoreShortfall(const std::array<int64_t, 3> &costs, const std::array<int64_t, 3> &stockBefore,
                       const ReachedLevels &reached);

// The lowest store level whose capacity holds `price` (every store grows
// alike), or -1 when no level up to 99 does.
int32_t StoreLevelHolding(int64_t price);

} // namespace korvelin
