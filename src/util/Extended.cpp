#include "util/Extended.h"

namespace korvelin {

Extended IntegerPower(Extended base, int64_t exponent)
{
    return IntegerPowerOf(base, exponent);
}

#ifndef KORVELIN_SOFT_EXTENDED

namespace {
constexpr Extended kTwoTo63 = 9223372036854775808.0L;
}

int64_t TruncToInt64(Extended value)
{
    if (std::isnan(value))
        return 0;
    if (value >= kTwoTo63)
        return std::numeric_limits<int64_t>::max();
    if (value <= -kTwoTo63)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

int64_t RoundToInt64(Extended value)
{
    // rintl honours the current rounding mode, which is never changed from
    // round-to-nearest-even; roundl would round halves away from zero instead.
    // nearbyintl gives the same value but saves and restores the whole
    // floating-point environment to keep the inexact flag, which nothing
    // reads, at several times the cost of the rounding itself.
    return TruncToInt64(std::rintl(value));
}

#endif

namespace {

// Keeps the compiler from folding the check at build time, where it computes
// with its own precision instead of the machine's.
Extended Opaque(Extended value)
{
#ifdef KORVELIN_SOFT_EXTENDED
    return value;
#else
    volatile Extended copy = value;
    return copy;
#endif
}

} // namespace

bool ExtendedPrecisionWorks()
{
    const Extended one = Opaque(Extended{1});
    const Extended tiny = Opaque(IntegerPower(Extended{2}, -63));
    const Extended sum = one + tiny;
    if (!(sum != one))
        return false;
    volatile int64_t exponent = 2;
    return TruncToInt64(Extended{900} * IntegerPower(Opaque(kFactor1_8), exponent)) == 2915;
}

} // namespace korvelin
