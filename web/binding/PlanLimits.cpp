#include "PlanLimits.h"

#include "rules/Planet.h"
#include "util/ParseInt.h"

#include <charconv>
#include <limits>

namespace korvelin::web {

FieldRange RangeOf(PlanetField field)
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
        return {0, kMaxStartLevel};
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

std::string RangeMessage(PlanetField field, std::string_view itemName)
{
    const FieldRange range = RangeOf(field);
    std::string name = FieldName(field);
    if (!itemName.empty())
        name = std::string(itemName) + " start level";
    return name + " must be a whole number from " + std::to_string(range.min) + " to " + std::to_string(range.max) +
           ".";
}

std::optional<int64_t> ReadField(PlanetField field, std::string_view text, std::string &message, bool strict,
                                 std::string_view itemName)
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
    const FieldRange range = RangeOf(field);
    if (!whole || value < range.min || value > range.max) {
        message = RangeMessage(field, itemName);
        return std::nullopt;
    }
    return value;
}

} // namespace korvelin::web
