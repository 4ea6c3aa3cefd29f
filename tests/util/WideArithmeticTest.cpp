// The portable 128-bit routines against the compiler's 128-bit integer, on
// the digit patterns where their estimate corrections happen.
#include "util/WideArithmetic.h"

#include <gtest/gtest.h>

#include <random>

#ifndef KORVELIN_DIFFERENTIAL_PAIRS
#define KORVELIN_DIFFERENTIAL_PAIRS 1000000
#endif

// Only where the compiler has the 128-bit integer to compare with.
#ifdef __SIZEOF_INT128__

namespace korvelin {
namespace {

__extension__ typedef unsigned __int128 Wide;

// Each 32-bit digit random or one of the values where the estimates of a
// quotient digit need correcting.
uint64_t Digits(std::mt19937_64 &random)
{
    static constexpr uint64_t kDigits[] = {0, 1, 2, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu};
    const auto digit = [&random] {
        const uint64_t bits = random();
        return bits % 2 == 0 ? bits >> 32 : kDigits[(bits >> 1) % std::size(kDigits)];
    };
    const uint64_t high = digit();
    return high << 32 | digit();
}

TEST(WideArithmeticTest, PortableRoutinesMatchTheWideInteger)
{
    std::mt19937_64 random(0x5EED0006u);
    int mismatches = 0;
    for (int64_t i = 0; i < KORVELIN_DIFFERENTIAL_PAIRS && mismatches < 5; ++i) {
        const uint64_t a = Digits(random);
        const uint64_t b = Digits(random);
        const WideProduct product = PortableMultiplyWide(a, b);
        const Wide expectedProduct = static_cast<Wide>(a) * b;
        const uint64_t divisor = b | (uint64_t{1} << 63);
        const uint64_t high = a < divisor ? a : a - divisor;
        const uint64_t low = Digits(random);
        uint64_t remainder = 0;
        const uint64_t quotient = PortableDivideWide(high, low, divisor, remainder);
        const Wide dividend = (static_cast<Wide>(high) << 64) | low;
        const bool same = product.high == static_cast<uint64_t>(expectedProduct >> 64) &&
                          product.low == static_cast<uint64_t>(expectedProduct) &&
                          quotient == static_cast<uint64_t>(dividend / divisor) &&
                          remainder == static_cast<uint64_t>(dividend % divisor);
        if (!same) {
            ++mismatches;
            ADD_FAILURE() << std::hex << a << " " << b << " " << low;
        }
    }
}

} // namespace
} // namespace korvelin

#endif
