#pragma once
// The application layer shared by the window, the tools and the web page:
// the plan as a plain value, its edits, the texts a user reads and the
// supported range of every input. Everything here is standard C++ over the
// core; the front ends only show what it returns.
//
// This header: the range each input the user gives may take, in one place,
// and the message that refuses a value outside it.

#include "advice/TradeRatio.h"
#include "rules/Planet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvelin {

struct InputRange {
    int64_t minimum = 0;
    int64_t maximum = 0;
    // Why the range ends where it does, for the message; empty when the
    // bounds speak for themselves.
    std::string_view reason;
    bool Holds(int64_t value) const { return value >= minimum && value <= maximum; }
};

// Every item's levels run from 0 to the highest level whose price, in each
// resource, is no more than the largest supported stock. Past it the walk
// waits longer than its figures can count (the gate at 30, a Metal Mine near
// 80 begin to show negative stocks and saturated totals), so its figures
// stop being sound. Computed from the prices once; an item without a price
// (Gravitation Technology) stops at kLevelCap.
inline constexpr int64_t kLevelCap = 999;
int32_t MaxLevel(int32_t bid);
// 0 .. MaxLevel(bid), with the reason the messages give.
InputRange LevelRange(int32_t bid);
// Large enough for any stock a long plan piles up, small enough that a
// walk's production added to it stays exact, and exact in a double (the
// form's spin box and the web page's numbers).
inline constexpr InputRange kStockRange{0, 1'000'000'000'000'000, ""};
inline constexpr InputRange kSpeedRange{kMinEconomySpeed, kMaxEconomySpeed, ""};
inline constexpr InputRange kSatellitesRange{0, 1'000'000'000, ""};
// Far beyond any planet of the game; the energy and deuterium formulas stay
// sound across it.
inline constexpr InputRange kTemperatureRange{-1000, 1000, ""};

// "<field> must be a whole number from <min> to <max> (<reason>), not <text>".
std::string OutOfRangeMessage(std::string_view field, const InputRange &range, std::string_view given);
// The message when `value` is outside `range`; nothing when it fits.
std::optional<std::string> CheckRange(std::string_view field, const InputRange &range, int64_t value);

// Each part of the payback ranking's trade ratio metal:crystal:deuterium.
inline constexpr InputRange kRatioPartRange{1, advice::kMaxRatioPart, ""};
inline constexpr advice::TradeRatio kDefaultTradeRatio{3, 2, 1};
// The growth plan's horizon in days: ten years is far beyond any plan a
// player follows, and its seconds stay far within the walk's figures.
inline constexpr InputRange kGrowDaysRange{1, 3650, ""};
inline constexpr std::string_view kGrowDaysField = "Days";

// The field names the messages use.
std::string StartLevelField(int32_t bid); // "Start level of Metal Mine"
inline constexpr std::string_view kMetalField = "Start stock of metal";
inline constexpr std::string_view kCrystalField = "Start stock of crystal";
inline constexpr std::string_view kDeuteriumField = "Start stock of deuterium";
inline constexpr std::string_view kSpeedField = "Economy speed";
inline constexpr std::string_view kSatellitesField = "Satellites";
inline constexpr std::string_view kTemperatureField = "Maximum temperature";
inline constexpr std::string_view kRatioField = "Trade ratio";
std::string_view StockField(size_t kind); // 0 metal, 1 crystal, 2 deuterium
inline constexpr std::string_view kRulesField = "Rules";

// The rules `text` names ("classic" or "game"), or the message that refuses
// any other text.
struct CheckedRules {
    GameRules rules = GameRules::Classic;
    std::optional<std::string> error;
};
CheckedRules ReadRules(std::string_view text);

// The first part of `planet` outside its range (levels, stock, speed,
// satellites, temperature, rules, in that order), or nothing when all fit.
std::optional<std::string> CheckPlanet(const Planet &planet);

// A whole decimal number with an optional sign and nothing else: the strict
// reading of the tools' and the form's numbers. Nothing for other text or a
// number beyond 64 bits.
std::optional<int64_t> ParseWholeNumber(std::string_view text);

// Reads a number the way the file and the window's edits always have (the
// leading sign and digits, 0 for none) but into 64 bits without wrapping,
// then checks it: the value, or the message that refuses it.
struct CheckedNumber {
    int64_t value = 0;
    std::optional<std::string> error;
};
CheckedNumber ReadTextInRange(std::string_view field, const InputRange &range, std::string_view text);
// A number typed into the web page's form: a whole number and nothing else,
// an empty field reading as 0 as an empty edit always has. Other text is
// refused with the same message as a value out of range.
CheckedNumber ReadTypedNumber(std::string_view field, const InputRange &range, std::string_view text);

// A trade ratio "A:B:C", each part a whole number in kRatioPartRange: the
// ratio, or the message that refuses the text.
struct CheckedRatio {
    advice::TradeRatio ratio = kDefaultTradeRatio;
    std::optional<std::string> error;
};
CheckedRatio ReadTradeRatio(std::string_view text);
// "3:2:1": the text ReadTradeRatio reads back.
std::string TradeRatioText(const advice::TradeRatio &ratio);

} // namespace korvelin
