#include "util/Extended.h"

#include <cmath>

namespace korvelin {

Extended IntegerPower(Extended base, int64_t exponent)
{
    if (exponent == 0)
        return 1.0L;
    // Unsigned magnitude: negating INT64_MIN as a signed value would overflow.
    uint64_t bits = static_cast<uint64_t>(exponent);
    if (exponent < 0) {
        base = 1.0L / base;
        bits = 0 - bits;
    }
    Extended result = 1.0L;
    Extended x = base;
    while (bits != 0) {
        if (bits & 1u)
            result = result * x;
        bits >>= 1;
        if (bits != 0)
            x = x * x;
    }
    return result;
}

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

bool ExtendedPrecisionWorks()
{
    volatile Extended one = 1.0L;
    volatile Extended tiny = std::ldexp(1.0L, -63);
    const Extended sum = one + tiny;
    if (!(sum != one))
        return false;
    volatile Extended factor = kFactor1_8;
    volatile int64_t exponent = 2;
    return TruncToInt64(900.0L * IntegerPower(factor, exponent)) == 2915;
}

} // namespace korvelin
