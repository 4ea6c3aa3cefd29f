#include "advice/ExactValue.h"

#include <algorithm>
#include <limits>

namespace korvelin::advice {

bool RatioSupported(const TradeRatio &ratio)
{
    const auto holds = [](int32_t part) { return part >= 1 && part <= kMaxRatioPart; };
    return holds(ratio.metal) && holds(ratio.crystal) && holds(ratio.deuterium);
}

ExactValue ResourceValue(const std::array<int64_t, 3> &amounts, const TradeRatio &ratio)
{
    if (!RatioSupported(ratio))
        return 0;
    const ExactValue a = ratio.metal;
    const ExactValue b = ratio.crystal;
    const ExactValue c = ratio.deuterium;
    return ExactValue{amounts[0]} * (b * c) + ExactValue{amounts[1]} * (a * c) + ExactValue{amounts[2]} * (a * b);
}

std::string FormatExact(ExactValue value)
{
    if (value == 0)
        return "0";
    const bool negative = value < 0;
    // Digits of the magnitude, taken from the negative side so that the
    // smallest value needs no negation.
    std::string digits;
    ExactValue rest = negative ? value : -value;
    while (rest != 0) {
        digits.push_back(static_cast<char>('0' - static_cast<int>(rest % 10)));
        rest /= 10;
    }
    if (negative)
        digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

int64_t SaturateToInt64(ExactValue value)
{
    if (value > std::numeric_limits<int64_t>::max())
        return std::numeric_limits<int64_t>::max();
    if (value < std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

} // namespace korvelin::advice
