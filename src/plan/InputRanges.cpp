#include "plan/InputRanges.h"

#include "rules/ItemCatalogue.h"
#include "rules/UpgradeCost.h"
#include "util/ParseInt.h"

#include <algorithm>
#include <array>

namespace korvelin {

namespace {

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

std::array<int32_t, kItemCount> ComputeMaxLevels()
{
    NoMessages quiet;
    std::array<int32_t, kItemCount> levels{};
    for (size_t i = 0; i < levels.size(); ++i) {
        const int32_t bid = ItemCatalogue()[i].bid;
        int32_t level = 0;
        while (level < kLevelCap) {
            const std::array<int64_t, 3> price = UpgradeCosts(bid, level + 1, quiet);
            if (std::any_of(price.begin(), price.end(), [](int64_t amount) { return amount > kStockRange.maximum; }))
                break;
            ++level;
        }
        levels[i] = level;
    }
    return levels;
}

} // namespace

int32_t MaxLevel(int32_t bid)
{
    static const std::array<int32_t, kItemCount> levels = ComputeMaxLevels();
    const int32_t index = ItemIndexOf(bid);
    return index == -1 ? 0 : levels[static_cast<size_t>(index - 1)];
}

InputRange LevelRange(int32_t bid)
{
    return {0, MaxLevel(bid), "higher levels overflow the figures"};
}

std::string OutOfRangeMessage(std::string_view field, const InputRange &range, std::string_view given)
{
    std::string text(field);
    text += " must be a whole number from ";
    text += std::to_string(range.minimum);
    text += " to ";
    text += std::to_string(range.maximum);
    if (!range.reason.empty()) {
        text += " (";
        text += range.reason;
        text += ')';
    }
    text += ", not ";
    text += given;
    return text;
}

std::optional<std::string> CheckRange(std::string_view field, const InputRange &range, int64_t value)
{
    if (range.Holds(value))
        return std::nullopt;
    return OutOfRangeMessage(field, range, std::to_string(value));
}

std::string StartLevelField(int32_t bid)
{
    return "Start level of " + ItemLabel(bid);
}

std::string_view StockField(size_t kind)
{
    switch (kind) {
    case 0:
        return kMetalField;
    case 1:
        return kCrystalField;
    default:
        return kDeuteriumField;
    }
}

std::optional<std::string> CheckPlanet(const Planet &planet)
{
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (auto error = CheckRange(StartLevelField(item.bid), LevelRange(item.bid), planet.StartLevel(item.bid)))
            return error;
    }
    for (size_t kind = 0; kind < planet.startStock.size(); ++kind) {
        if (auto error = CheckRange(StockField(kind), kStockRange, planet.startStock[kind]))
            return error;
    }
    if (auto error = CheckRange(kSpeedField, kSpeedRange, planet.inputs.economySpeed))
        return error;
    if (auto error = CheckRange(kSatellitesField, kSatellitesRange, planet.inputs.satellites))
        return error;
    if (auto error = CheckRange(kTemperatureField, kTemperatureRange, planet.inputs.maxTemperature))
        return error;
    // A value that crossed a language boundary as a number may name neither.
    if (planet.inputs.rules != GameRules::Classic && planet.inputs.rules != GameRules::Game)
        return ReadRules(std::to_string(static_cast<int32_t>(planet.inputs.rules))).error;
    return std::nullopt;
}

std::optional<int64_t> ParseWholeNumber(std::string_view text)
{
    const std::string_view digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? text.substr(1) : text;
    // 18 digits always fit 64 bits; longer numbers are beyond every range.
    if (digits.empty() || digits.size() > 18 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return ParseWideInt(text);
}

namespace {

std::string RefuseText(std::string_view field, const InputRange &range, std::string_view text)
{
    // The text as given, cut so that an endless value can't make an endless message.
    constexpr size_t kShown = 40;
    const std::string shown = text.size() > kShown ? std::string(text.substr(0, kShown)) + "..." : std::string(text);
    return OutOfRangeMessage(field, range, shown);
}

} // namespace

CheckedRules ReadRules(std::string_view text)
{
    CheckedRules checked;
    if (const std::optional<GameRules> rules = ParseRules(text)) {
        checked.rules = *rules;
        return checked;
    }
    constexpr size_t kShown = 40;
    const std::string shown = text.size() > kShown ? std::string(text.substr(0, kShown)) + "..." : std::string(text);
    checked.error = std::string(kRulesField) + " must be " + std::string(RulesName(GameRules::Classic)) + " or " +
                    std::string(RulesName(GameRules::Game)) + ", not '" + shown + "'";
    return checked;
}

CheckedNumber ReadTextInRange(std::string_view field, const InputRange &range, std::string_view text)
{
    CheckedNumber checked;
    checked.value = ParseWideInt(text);
    if (!range.Holds(checked.value))
        checked.error = RefuseText(field, range, text);
    return checked;
}

CheckedNumber ReadTypedNumber(std::string_view field, const InputRange &range, std::string_view text)
{
    CheckedNumber checked;
    const std::optional<int64_t> number = text.empty() ? std::optional<int64_t>(0) : ParseWholeNumber(text);
    if (number && range.Holds(*number))
        checked.value = *number;
    else
        checked.error = RefuseText(field, range, text);
    return checked;
}

CheckedRatio ReadTradeRatio(std::string_view text)
{
    CheckedRatio checked;
    std::array<int64_t, 3> parts{};
    std::string_view rest = text;
    bool valid = true;
    for (size_t i = 0; i < parts.size() && valid; ++i) {
        const size_t colon = i + 1 < parts.size() ? rest.find(':') : std::string_view::npos;
        if (i + 1 < parts.size() && colon == std::string_view::npos) {
            valid = false;
            break;
        }
        const std::optional<int64_t> part = ParseWholeNumber(rest.substr(0, colon));
        valid = part && kRatioPartRange.Holds(*part) && rest[0] != '+';
        if (valid)
            parts[i] = *part;
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    if (!valid) {
        constexpr size_t kShown = 40;
        const std::string shown =
            text.size() > kShown ? std::string(text.substr(0, kShown)) + "..." : std::string(text);
        checked.error = std::string(kRatioField) + " must be three whole numbers A:B:C, each from " +
                        std::to_string(kRatioPartRange.minimum) + " to " + std::to_string(kRatioPartRange.maximum) +
                        ", not " + shown;
        return checked;
    }
    checked.ratio = {static_cast<int32_t>(parts[0]), static_cast<int32_t>(parts[1]), static_cast<int32_t>(parts[2])};
    return checked;
}

std::string TradeRatioText(const advice::TradeRatio &ratio)
{
    return std::to_string(ratio.metal) + ":" + std::to_string(ratio.crystal) + ":" + std::to_string(ratio.deuterium);
}

} // namespace korvelin
