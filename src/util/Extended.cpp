#include "util/Extended.h"

namespace korvelin {

Extended IntegerPower(Extended base, int64_t exponent)
{
    return IntegerPowerOf(base, exponent);
}

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
