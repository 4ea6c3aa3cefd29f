#include "rules/Planet.h"

#include <algorithm>

namespace korvelin {

int32_t Planet::StartLevel(int32_t bid) const
{
    const int32_t index = ItemIndexOf(bid);
    return index < 1 ? 0 : startLevels[static_cast<size_t>(index - 1)];
}

void Planet::SetStartLevel(int32_t bid, int32_t level)
{
    const int32_t index = ItemIndexOf(bid);
    if (index >= 1)
        startLevels[static_cast<size_t>(index - 1)] = std::max(level, 0);
}

bool Planet::StartsFromNothing() const
{
    // Iterator algorithms, not std::ranges: the web build's libc++ lacks them.
    return std::all_of(startLevels.begin(), startLevels.end(), [](int32_t level) { return level == 0; }) &&
           startStock == kDefaultStartStock && inputs.economySpeed == 1;
}

int32_t ClampEconomySpeed(int64_t speed)
{
    return static_cast<int32_t>(std::clamp<int64_t>(speed, kMinEconomySpeed, kMaxEconomySpeed));
}

std::string_view RulesName(GameRules rules)
{
    return rules == GameRules::Game ? "game" : "classic";
}

std::optional<GameRules> ParseRules(std::string_view text)
{
    if (text == "classic")
        return GameRules::Classic;
    if (text == "game")
        return GameRules::Game;
    return std::nullopt;
}

bool IsEconomyItem(int32_t bid)
{
    return std::find(kEconomyItems.begin(), kEconomyItems.end(), bid) != kEconomyItems.end();
}

} // namespace korvelin
