#pragma once
// Game arithmetic. Every figure of the game is computed in x87 80-bit extended
// precision in a fixed order of operations and then truncated: a one-bit
// difference in an intermediate product can change a price or a time by one.

#include <cstdint>
#include <limits>

namespace korvelin {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "game figures need the x87 extended type with a 64-bit mantissa");

// The decimal constants of the formulas, as the nearest extended values.
inline constexpr Extended kFactor1_1 = 1.1L;
inline constexpr Extended kFactor1_5 = 1.5L;
inline constexpr Extended kFactor1_6 = 1.6L;
inline constexpr Extended kFactor1_8 = 1.8L;
inline constexpr Extended kFactor2_0 = 2.0L;
inline constexpr Extended kTemperatureSlope = -0.002L;
inline constexpr Extended kTemperatureBase = 1.28L;

// Exponentiation by squaring, rounding every product to extended. Never replace
// this with powl: the game's figures are defined by this sequence of roundings.
Extended IntegerPower(Extended base, int64_t exponent);

// Game quantities are held as 64-bit integers. Conversions from Extended
// saturate at the 64-bit limits so that levels far beyond the game's range
// give huge but sound figures instead of undefined behaviour or wrapped
// negative values; a NaN (zero base cost times an overflowed power) means 0.
int64_t TruncToInt64(Extended value);
// Rounds to nearest with ties to even (the default rounding mode), saturating.
int64_t RoundToInt64(Extended value);

// True when this machine really computes with a 64-bit mantissa. The type can
// report 64 digits while the x87 control word rounds to 53 bits; the figures
// would then be off by one in places (fusion reactor level 3 would cost 2916).
bool ExtendedPrecisionWorks();

} // namespace korvelin
