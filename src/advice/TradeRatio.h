#pragma once

#include <cstdint>

namespace korvelin::advice {

// The largest part of a trade ratio: with it every value below stays within
// the 128 bits (the input range kRatioPartRange is 1 .. this).
inline constexpr int32_t kMaxRatioPart = 1000;

// The trade ratio metal:crystal:deuterium.
struct TradeRatio {
    int32_t metal = 3;
    int32_t crystal = 2;
    int32_t deuterium = 1;
    friend bool operator==(const TradeRatio &, const TradeRatio &) = default;
};

} // namespace korvelin::advice
