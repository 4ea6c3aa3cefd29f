#pragma once
// Exact integers for the trade values of the payback ranking. A price of up
// to 2^63 times a product of two ratio parts (each up to 1000), summed over
// three resources and multiplied by 3600, needs about 98 bits: a signed
// 128-bit integer holds every such figure without overflow.

#include "advice/TradeRatio.h"

#include <array>
#include <cstdint>
#include <string>

#ifndef __SIZEOF_INT128__
#error "The payback ranking needs a 128-bit integer type"
#endif

namespace korvelin::advice {

__extension__ typedef __int128 ExactValue;

// Every part is 1 .. kMaxRatioPart.
bool RatioSupported(const TradeRatio &ratio);

// value(m, k, d) = m·b·c + k·a·c + d·a·b for the ratio a:b:c: the amounts in
// one currency, scaled by a·b·c so that it stays whole. Exact for any amounts;
// 0 for a ratio that is not supported.
ExactValue ResourceValue(const std::array<int64_t, 3> &amounts, const TradeRatio &ratio);

// The decimal text of `value`, with a "-" for a negative one.
std::string FormatExact(ExactValue value);

// `value` where it fits in 64 bits, otherwise the nearest 64-bit limit.
int64_t SaturateToInt64(ExactValue value);

} // namespace korvelin::advice
