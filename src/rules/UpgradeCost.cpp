#include "rules/UpgradeCost.h"

#include "rules/ItemCatalogue.h"
#include "util/Extended.h"

namespace korvelin {

namespace {

struct Growth {
    Extended factor;
    bool pricesDeuterium;
};

// Returns false for a BID that has no growth factor.
bool GrowthOf(int32_t bid, Growth &growth)
{
    switch (bid) {
    case 1:
    case 3:
    case 4:
        growth = {kFactor1_5, false};
        return true;
    case 2:
        growth = {kFactor1_6, false};
        return true;
    case 12:
        growth = {kFactor1_8, true};
        return true;
    default:
        // Every other catalogue item grows by 2.0 in all three resources.
        if (ItemIndexOf(bid) == -1)
            return false;
        growth = {kFactor2_0, true};
        return true;
    }
}

} // namespace

int64_t UpgradeCost(int32_t bid, int32_t level, int32_t kind, MessageSink &messages)
{
    Growth growth{};
    const bool known = GrowthOf(bid, growth);
    if (!known)
        messages.ShowMessage("Unknown BID");
    if (kind < kMetal || kind > kDeuterium) {
        messages.ShowMessage("Unknown ResurceID");
        return 0;
    }
    if (!known || (kind == kDeuterium && !growth.pricesDeuterium))
        return 0;
    const Extended power = IntegerPower(growth.factor, static_cast<int64_t>(level) - 1);
    const Extended base = static_cast<Extended>(BaseCost(ItemIndexOf(bid), kind));
    return TruncToInt64(base * power);
}

std::array<int64_t, 3> UpgradeCosts(int32_t bid, int32_t level, MessageSink &messages)
{
    return {UpgradeCost(bid, level, kMetal, messages), UpgradeCost(bid, level, kCrystal, messages),
            UpgradeCost(bid, level, kDeuterium, messages)};
}

namespace {

// (metal + crystal) * 3600 in extended. For every sum that fits 64 bits this is
// exactly the 64-bit integer product converted, since the mantissa holds 64
// bits; beyond that it stays a sound, growing value instead of overflowing.
Extended ResourceSeconds(int64_t metal, int64_t crystal)
{
    return (static_cast<Extended>(metal) + static_cast<Extended>(crystal)) * Extended{3600};
}

// The server's economy speed shortens every build: the last operation before
// the truncation, so that speed 1 leaves every result bit for bit as it was.
int64_t BySpeed(Extended seconds, int32_t economySpeed)
{
    return TruncToInt64(seconds / static_cast<Extended>(static_cast<int64_t>(economySpeed)));
}

} // namespace

int64_t BuildTime(int64_t metal, int64_t crystal, int32_t roboticsLevel, int32_t naniteLevel, int32_t economySpeed)
{
    Extended t = ResourceSeconds(metal, crystal) / Extended{2500};
    t = t * (Extended{1} / static_cast<Extended>(static_cast<int64_t>(roboticsLevel) + 1));
    t = t * IntegerPower(kOneHalf, naniteLevel);
    return BySpeed(t, economySpeed);
}

int64_t LabTime(int64_t metal, int64_t crystal, int32_t labLevel, int32_t economySpeed)
{
    const Extended divisor = static_cast<Extended>((static_cast<int64_t>(labLevel) + 1) * 1000);
    return BySpeed(ResourceSeconds(metal, crystal) / divisor, economySpeed);
}

namespace {

bool IsResearch(int32_t bid)
{
    const int32_t index = ItemIndexOf(bid);
    return index != -1 && ItemCatalogue()[static_cast<size_t>(index - 1)].kind == ItemKind::Research;
}

int64_t TimeOf(bool inLab, int64_t metal, int64_t crystal, const FacilityLevels &levels, int32_t economySpeed)
{
    return inLab ? LabTime(metal, crystal, levels.lab, economySpeed)
                 : BuildTime(metal, crystal, levels.robotics, levels.nanite, economySpeed);
}

} // namespace

int64_t UpgradeTime(int32_t bid, int64_t metal, int64_t crystal, const FacilityLevels &levels,
                    const PlanetInputs &inputs)
{
    const bool inLab = inputs.rules == GameRules::Game && IsResearch(bid);
    return TimeOf(inLab, metal, crystal, levels, inputs.economySpeed);
}

int64_t ItemRowTime(int32_t bid, int64_t metal, int64_t crystal, const FacilityLevels &levels,
                    const PlanetInputs &inputs)
{
    const bool inLab = bid == bid::kEspionage || (inputs.rules == GameRules::Game && IsResearch(bid));
    return TimeOf(inLab, metal, crystal, levels, inputs.economySpeed);
}

} // namespace korvelin
