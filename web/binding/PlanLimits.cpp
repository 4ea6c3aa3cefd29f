#include "PlanLimits.h"

#include "rules/ItemCatalogue.h"
#include "rules/Planet.h"
#include "rules/UpgradeCost.h"
#include "util/ParseInt.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace korvelin::web {

namespace {

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

// Levels beyond this are no game's; the search stops here for items whose
// costs never saturate.
constexpr int32_t kHighestLevel = 999;

} // namespace

int32_t MaxStartLevel(int32_t bid)
{
    static const std::array<int32_t, kItemCount> highest = [] {
        std::array<int32_t, kItemCount> levels{};
        NoMessages quiet;
        for (const CatalogueItem &item : ItemCatalogue()) {
            int32_t level = 0;
            while (level < kHighestLevel) {
                const auto costs = UpgradeCosts(item.bid, level + 2, quiet);
                if (std::find(costs.begin(), costs.end(), std::numeric_limits<int64_t>::max()) != costs.end())
                    break;
                ++level;
            }
            levels[static_cast<size_t>(ItemIndexOf(item.bid) - 1)] = level;
        }
        return levels;
    }();
    const int32_t index = ItemIndexOf(bid);
    return index == -1 ? 0 : highest[static_cast<size_t>(index - 1)];
}

FieldRange RangeOf(PlanetField field, int32_t bid)
{
    switch (field) {
    case PlanetField::Temperature:
        return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    case PlanetField::Satellites:
        return {0, kMaxSatellites};
    case PlanetField::Speed:
        return {kMinEconomySpeed, kMaxEconomySpeed};
    case PlanetField::MetalStock:
    case PlanetField::CrystalStock:
    case PlanetField::DeuteriumStock:
        return {0, kMaxStartStock};
    case PlanetField::StartLevel:
        return {0, MaxStartLevel(bid)};
    }
    return {};
}

std::string FieldName(PlanetField field)
{
    switch (field) {
    case PlanetField::Temperature:
        return "Max temperature";
    case PlanetField::Satellites:
        return "Satellites";
    case PlanetField::Speed:
        return "Economy speed";
    case PlanetField::MetalStock:
        return "Metal stock";
    case PlanetField::CrystalStock:
        return "Crystal stock";
    case PlanetField::DeuteriumStock:
        return "Deuterium stock";
    case PlanetField::StartLevel:
        return "Start level";
    }
    return {};
}

std::string RangeMessage(PlanetField field, int32_t bid)
{
    const FieldRange range = RangeOf(field, bid);
    std::string name = FieldName(field);
    if (const int32_t index = ItemIndexOf(bid); field == PlanetField::StartLevel && index != -1)
        name = std::string(EnglishName(index)) + " start level";
    return name + " must be a whole number from " + std::to_string(range.min) + " to " + std::to_string(range.max) +
           ".";
}

std::optional<int64_t> ReadField(PlanetField field, std::string_view text, std::string &message, bool strict,
                                 int32_t bid)
{
    int64_t value = 0;
    bool whole = false;
    if (strict) {
        // An empty field means 0, as an empty edit always has.
        std::string_view digits = text;
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        whole = text.empty() || (error == std::errc() && end == digits.data() + digits.size());
    } else {
        // ParseWideInt saturates, so a run of digits past the range is
        // refused below instead of wrapping into it.
        value = ParseWideInt(text);
        whole = true;
    }
    const FieldRange range = RangeOf(field, bid);
    if (!whole || value < range.min || value > range.max) {
        message = RangeMessage(field, bid);
        return std::nullopt;
    }
    return value;
}

} // namespace korvelin::web
