#pragma once

#include "rules/Planet.h"
#include "util/MessageSink.h"

#include <array>
#include <cstdint>

namespace korvelin {

// The amount of one resource (kMetal, kCrystal, kDeuterium) needed to raise
// an item to `level`. A BID outside the catalogue shows "Unknown BID" and
// costs 0; a kind outside 1..3 shows "Unknown ResurceID" and gives 0. Each
// call shows its box again. Within the game's range (32-bit costs) the result
// is the game's figure; beyond it the value grows, saturating at INT64_MAX.
int64_t UpgradeCost(int32_t bid, int32_t level, int32_t kind, MessageSink &messages);

// Metal, crystal and deuterium for one level: three UpgradeCost calls.
std::array<int64_t, 3> UpgradeCosts(int32_t bid, int32_t level, MessageSink &messages);

// Seconds to build an upgrade costing metal + crystal, with the robotics and
// nanite factory levels given, on a server whose economy runs at
// `economySpeed` (1 or more). Deuterium never counts.
int64_t BuildTime(int64_t metal, int64_t crystal, int32_t roboticsLevel, int32_t naniteLevel, int32_t economySpeed);

// Seconds to research an upgrade costing metal + crystal with the research
// lab level given.
int64_t LabTime(int64_t metal, int64_t crystal, int32_t labLevel, int32_t economySpeed);

// The levels an upgrade's time reads: the two factories and the lab.
struct FacilityLevels {
    int32_t robotics = 0;
    int32_t nanite = 0;
    int32_t lab = 0;
};

// Seconds one entry of `bid` takes in the walk: BuildTime, except research
// under the game rules, which takes LabTime.
int64_t UpgradeTime(int32_t bid, int64_t metal, int64_t crystal, const FacilityLevels &levels,
                    const PlanetInputs &inputs);
// The time an item row shows: as the walk's, except that espionage shows
// LabTime under either rules.
int64_t ItemRowTime(int32_t bid, int64_t metal, int64_t crystal, const FacilityLevels &levels,
                    const PlanetInputs &inputs);

} // namespace korvelin
