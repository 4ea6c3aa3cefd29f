#pragma once
// 64 × 64 → 128-bit products and 128 / 64-bit quotients for the software
// extended type. The compiler's 128-bit integer is used where it has one;
// elsewhere the portable forms work on 32-bit digits. KORVELIN_PORTABLE_WIDE
// selects them on any compiler, so that a machine with the x87 unit can check
// the software type built on them too.

#include <cstdint>

namespace korvelin {

struct WideProduct {
    uint64_t high = 0;
    uint64_t low = 0;
};

constexpr WideProduct PortableMultiplyWide(uint64_t a, uint64_t b)
{
    constexpr uint64_t kMask = 0xFFFFFFFFu;
    const uint64_t aLow = a & kMask;
    const uint64_t aHigh = a >> 32;
    const uint64_t bLow = b & kMask;
    const uint64_t bHigh = b >> 32;
    const uint64_t lowLow = aLow * bLow;
    const uint64_t lowHigh = aLow * bHigh;
    const uint64_t highLow = aHigh * bLow;
    // Three values below 2^32 each: the sum cannot overflow.
    const uint64_t middle = (lowLow >> 32) + (lowHigh & kMask) + (highLow & kMask);
    return {aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32), (middle << 32) | (lowLow & kMask)};
}

// (high · 2^64 + low) / divisor for a divisor with its top bit set and
// high < divisor, so that the quotient fits 64 bits: two steps of long
// division in 32-bit digits, each estimate corrected at most twice.
constexpr uint64_t PortableDivideWide(uint64_t high, uint64_t low, uint64_t divisor, uint64_t &remainder)
{
    constexpr uint64_t kBase = uint64_t{1} << 32;
    const uint64_t divisorHigh = divisor >> 32;
    const uint64_t divisorLow = divisor & (kBase - 1);
    const uint64_t lowHigh = low >> 32;
    const uint64_t lowLow = low & (kBase - 1);

    uint64_t q1 = high / divisorHigh;
    uint64_t rest = high - q1 * divisorHigh;
    while (q1 >= kBase || q1 * divisorLow > kBase * rest + lowHigh) {
        --q1;
        rest += divisorHigh;
        if (rest >= kBase)
            break;
    }
    // Wraps modulo 2^64 on the way; the true value is below the divisor.
    const uint64_t partial = high * kBase + lowHigh - q1 * divisor;

    uint64_t q0 = partial / divisorHigh;
    rest = partial - q0 * divisorHigh;
    while (q0 >= kBase || q0 * divisorLow > kBase * rest + lowLow) {
        --q0;
        rest += divisorHigh;
        if (rest >= kBase)
            break;
    }
    remainder = partial * kBase + lowLow - q0 * divisor;
    return q1 * kBase + q0;
}

#if defined(__SIZEOF_INT128__) && !defined(KORVELIN_PORTABLE_WIDE)
__extension__ typedef unsigned __int128 Uint128;

constexpr WideProduct MultiplyWide(uint64_t a, uint64_t b)
{
    const Uint128 product = static_cast<Uint128>(a) * b;
    return {static_cast<uint64_t>(product >> 64), static_cast<uint64_t>(product)};
}

constexpr uint64_t DivideWide(uint64_t high, uint64_t low, uint64_t divisor, uint64_t &remainder)
{
    const Uint128 dividend = (static_cast<Uint128>(high) << 64) | low;
    remainder = static_cast<uint64_t>(dividend % divisor);
    return static_cast<uint64_t>(dividend / divisor);
}
#else
constexpr WideProduct MultiplyWide(uint64_t a, uint64_t b)
{
    return PortableMultiplyWide(a, b);
}

constexpr uint64_t DivideWide(uint64_t high, uint64_t low, uint64_t divisor, uint64_t &remainder)
{
    return PortableDivideWide(high, low, divisor, remainder);
}
#endif

} // namespace korvelin
