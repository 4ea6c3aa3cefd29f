#pragma once
// Game arithmetic. Every figure of the game is computed in x87 80-bit extended
// precision in a fixed order of operations and then truncated: a one-bit
// difference in an intermediate product can change a price or a time by one.
// Where long double is that type it is used directly; elsewhere, or with
// KORVELIN_SOFT_EXTENDED, the software type gives the same bits. Code that
// computes figures uses only what this header offers, so it reads the same
// for both.

#include "util/SoftExtended.h"

#include <cstdint>
#include <limits>

#ifndef KORVELIN_SOFT_EXTENDED
#include <cmath>
#endif

namespace korvelin {

#ifdef KORVELIN_SOFT_EXTENDED

using Extended = SoftExtended;

inline constexpr Extended kFactor1_1 = kSoftFactor1_1;
inline constexpr Extended kFactor1_5 = kSoftFactor1_5;
inline constexpr Extended kFactor1_6 = kSoftFactor1_6;
inline constexpr Extended kFactor1_8 = kSoftFactor1_8;
inline constexpr Extended kFactor2_0 = kSoftFactor2_0;
inline constexpr Extended kTemperatureSlope = kSoftTemperatureSlope;
inline constexpr Extended kTemperatureBase = kSoftTemperatureBase;
inline constexpr Extended kOneHalf = kSoftOneHalf;

#else

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "game figures need the x87 extended type with a 64-bit mantissa; configure with KORVELIN_SOFT_EXTENDED");

// The decimal constants of the formulas, as the nearest extended values.
inline constexpr Extended kFactor1_1 = 1.1L;
inline constexpr Extended kFactor1_5 = 1.5L;
inline constexpr Extended kFactor1_6 = 1.6L;
inline constexpr Extended kFactor1_8 = 1.8L;
inline constexpr Extended kFactor2_0 = 2.0L;
inline constexpr Extended kTemperatureSlope = -0.002L;
inline constexpr Extended kTemperatureBase = 1.28L;
inline constexpr Extended kOneHalf = 0.5L;

inline bool IsNan(Extended value)
{
    return std::isnan(value);
}

inline Extended Abs(Extended value)
{
    return std::fabs(value);
}

// Game quantities are held as 64-bit integers. Conversions from Extended
// saturate at the 64-bit limits so that levels far beyond the game's range
// give huge but sound figures instead of undefined behaviour or wrapped
// negative values; a NaN (zero base cost times an overflowed power) means 0.
// Inline: every step of a walk converts several times, and the searches play
// millions of steps.
inline int64_t TruncToInt64(Extended value)
{
    constexpr Extended kTwoTo63 = 9223372036854775808.0L;
    if (std::isnan(value))
        return 0;
    if (value >= kTwoTo63)
        return std::numeric_limits<int64_t>::max();
    if (value <= -kTwoTo63)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

// Rounds to nearest with ties to even (the default rounding mode), saturating.
inline int64_t RoundToInt64(Extended value)
{
    // rintl honours the current rounding mode, which is never changed from
    // round-to-nearest-even; roundl would round halves away from zero instead.
    // nearbyintl gives the same value but saves and restores the whole
    // floating-point environment to keep the inexact flag, which nothing
    // reads, at several times the cost of the rounding itself.
    return TruncToInt64(std::rintl(value));
}

#endif

// Exponentiation by squaring, rounding every product to extended. Never replace
// this with powl: the game's figures are defined by this sequence of roundings.
// A template so that both types can be checked against each other.
template <typename Number> Number IntegerPowerOf(Number base, int64_t exponent)
{
    if (exponent == 0)
        return Number{1};
    // Unsigned magnitude: negating INT64_MIN as a signed value would overflow.
    uint64_t bits = static_cast<uint64_t>(exponent);
    if (exponent < 0) {
        base = Number{1} / base;
        bits = 0 - bits;
    }
    Number result{1};
    Number x = base;
    while (bits != 0) {
        if (bits & 1u)
            result = result * x;
        bits >>= 1;
        if (bits != 0)
            x = x * x;
    }
    return result;
}

Extended IntegerPower(Extended base, int64_t exponent);

// True when this machine really computes with a 64-bit mantissa. The type can
// report 64 digits while the x87 control word rounds to 53 bits; the figures
// would then be off by one in places (fusion reactor level 3 would cost 2916).
bool ExtendedPrecisionWorks();

} // namespace korvelin
