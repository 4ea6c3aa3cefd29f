#include "util/Extended.h"
#include "util/Saturating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvelin {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(ExtendedTest, MachineComputesWithSixtyFourBitMantissa)
{
    EXPECT_TRUE(ExtendedPrecisionWorks());
}

TEST(ExtendedTest, IntegerPowerBasics)
{
    EXPECT_EQ(IntegerPower(1.8L, 0), 1.0L);
    EXPECT_EQ(IntegerPower(0.0L, 0), 1.0L);
    EXPECT_EQ(IntegerPower(2.0L, 10), 1024.0L);
    EXPECT_EQ(IntegerPower(2.0L, -1), 0.5L);
    EXPECT_EQ(IntegerPower(0.5L, 3), 0.125L);
    EXPECT_EQ(IntegerPower(2.0L, -3), 0.125L);
    EXPECT_TRUE(std::isinf(IntegerPower(2.0L, 20000)));
    EXPECT_EQ(IntegerPower(2.0L, std::numeric_limits<int64_t>::min()), 0.0L);
}

// The squaring sequence, not a correctly rounded power, defines the figures:
// these values differ in the last bit from what powl or double would give.
TEST(ExtendedTest, IntegerPowerRoundsEveryProduct)
{
    const Extended square = 1.8L * 1.8L;
    EXPECT_EQ(IntegerPower(1.8L, 2), square);
    EXPECT_EQ(TruncToInt64(900.0L * IntegerPower(1.8L, 2)), 2915);
    EXPECT_EQ(static_cast<int64_t>(900.0 * 1.8 * 1.8), 2916) << "double would give 2916";
    // 1.1^5 by squaring: ((1.1^2)^2) × 1.1 with a rounding after each product.
    const Extended x2 = 1.1L * 1.1L;
    const Extended x4 = x2 * x2;
    EXPECT_EQ(IntegerPower(1.1L, 5), 1.1L * x4);
    EXPECT_EQ(IntegerPower(1.1L, 7), ((1.1L * x2) * x4));
}

TEST(ExtendedTest, TruncationSaturates)
{
    const struct {
        Extended value;
        int64_t expected;
    } cases[] = {
        {2.9L, 2},
        {-2.9L, -2},
        {9223372036854775807.0L, kMax},
        {1e30L, kMax},
        {-1e30L, kMin},
        {std::numeric_limits<Extended>::infinity(), kMax},
        {-std::numeric_limits<Extended>::infinity(), kMin},
        {std::numeric_limits<Extended>::quiet_NaN(), 0},
        {9223372036854775806.0L, 9223372036854775806},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TruncToInt64(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(ExtendedTest, RoundingGoesToEven)
{
    const struct {
        Extended value;
        int64_t expected;
    } cases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {12.5L, 12}, {0.6L, 1}, {1e40L, kMax}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundToInt64(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(ExtendedTest, SaturatingArithmetic)
{
    EXPECT_EQ(SatAdd(kMax, 1), kMax);
    EXPECT_EQ(SatAdd(kMin, -1), kMin);
    EXPECT_EQ(SatSub(kMin, 1), kMin);
    EXPECT_EQ(SatSub(0, kMin), kMax);
    EXPECT_EQ(SatMul(kMax, -2), kMin);
    EXPECT_EQ(SatMul(kMin, -1), kMax);
    EXPECT_EQ(SatMul(-3, 4), -12);
}

} // namespace
} // namespace korvelin
