#pragma once
// The planet a plan starts from: the level of every item before the first
// entry, the stock on hand, and the inputs every economy figure reads. One
// plain value, passed to whatever reads it; the default is the planet built
// from nothing on a server whose economy runs at speed 1.

#include "rules/ItemCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvelin {

// Which rules the figures follow. Classic: every upgrade takes BuildTime, a
// planet that produces no energy runs its mines at full factor, and the stock
// has no ceiling. Game: research takes LabTime, such a planet's mines stop,
// and full stores stop production.
enum class GameRules : int32_t { Classic, Game };

// "classic" and "game": the file's value, the tools' option and the choice's
// text; nothing for any other text.
std::string_view RulesName(GameRules rules);
std::optional<GameRules> ParseRules(std::string_view text);

// The planet inputs every economy figure reads. Production per hour is
// multiplied by the economy speed and build times are divided by it.
struct PlanetInputs {
    int32_t maxTemperature = 0;
    int32_t satellites = 0;
    int32_t economySpeed = 1;
    GameRules rules = GameRules::Classic;
    friend bool operator==(const PlanetInputs &, const PlanetInputs &) = default;
};

inline constexpr int32_t kMinEconomySpeed = 1;
inline constexpr int32_t kMaxEconomySpeed = 100;
inline constexpr std::array<int64_t, 3> kDefaultStartStock{500, 500, 0}; // metal, crystal, deuterium

struct Planet {
    std::array<int32_t, kItemCount> startLevels{}; // by ItemIndex − 1, each 0 or more
    std::array<int64_t, 3> startStock = kDefaultStartStock;
    PlanetInputs inputs;

    // 0 for a BID outside the catalogue.
    int32_t StartLevel(int32_t bid) const;
    // Ignored for a BID outside the catalogue; a level below 0 counts as 0.
    void SetStartLevel(int32_t bid, int32_t level);
    // The start levels, stock and speed are those of the planet built from
    // nothing (the temperature and satellites are not compared).
    bool StartsFromNothing() const;

    friend bool operator==(const Planet &, const Planet &) = default;
};

// Clamps a speed read from text or a command line into 1 .. 100.
int32_t ClampEconomySpeed(int64_t speed);

// The items whose levels the walk's figures depend on: the mines and power
// plants (production and energy) and the two factories (build times).
inline constexpr std::array<int32_t, 7> kEconomyItems{
    bid::kMetalMine,     bid::kCrystalMine,     bid::kDeuteriumSynthesizer, bid::kSolarPlant,
    bid::kFusionReactor, bid::kRoboticsFactory, bid::kNaniteFactory};
bool IsEconomyItem(int32_t bid);

} // namespace korvelin
