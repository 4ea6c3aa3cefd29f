#include "util/Extended.h"
#include "util/Saturating.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvelin {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// Decimal values the way the compiler would parse them, for either type: a
// quotient of exact integers rounds once, to the nearest extended value.
Extended Decimal(int64_t numerator, int64_t denominator)
{
    return static_cast<Extended>(numerator) / static_cast<Extended>(denominator);
}

const Extended kInfinity = IntegerPower(Extended{2}, 20000);
const Extended kNan = kInfinity * Extended{0};

TEST(ExtendedTest, MachineComputesWithSixtyFourBitMantissa)
{
    EXPECT_TRUE(ExtendedPrecisionWorks());
}

TEST(ExtendedTest, IntegerPowerBasics)
{
    const Extended eighth = Decimal(1, 8);
    EXPECT_EQ(IntegerPower(kFactor1_8, 0), Extended{1});
    EXPECT_EQ(IntegerPower(Extended{0}, 0), Extended{1});
    EXPECT_EQ(IntegerPower(kFactor2_0, 10), Extended{1024});
    EXPECT_EQ(IntegerPower(kFactor2_0, -1), kOneHalf);
    EXPECT_EQ(IntegerPower(kOneHalf, 3), eighth);
    EXPECT_EQ(IntegerPower(kFactor2_0, -3), eighth);
    const Extended overflowed = IntegerPower(kFactor2_0, 20000);
    EXPECT_TRUE(overflowed > Extended{0} && overflowed * kOneHalf == overflowed) << "infinity";
    EXPECT_EQ(IntegerPower(kFactor2_0, std::numeric_limits<int64_t>::min()), Extended{0});
}

// The squaring sequence, not a correctly rounded power, defines the figures:
// these values differ in the last bit from what powl or double would give.
TEST(ExtendedTest, IntegerPowerRoundsEveryProduct)
{
    const Extended square = kFactor1_8 * kFactor1_8;
    EXPECT_EQ(IntegerPower(kFactor1_8, 2), square);
    EXPECT_EQ(TruncToInt64(Extended{900} * IntegerPower(kFactor1_8, 2)), 2915);
    EXPECT_EQ(static_cast<int64_t>(900.0 * 1.8 * 1.8), 2916) << "double would give 2916";
    // 1.1^5 by squaring: ((1.1^2)^2) × 1.1 with a rounding after each product.
    const Extended x2 = kFactor1_1 * kFactor1_1;
    const Extended x4 = x2 * x2;
    EXPECT_EQ(IntegerPower(kFactor1_1, 5), kFactor1_1 * x4);
    EXPECT_EQ(IntegerPower(kFactor1_1, 7), ((kFactor1_1 * x2) * x4));
}

TEST(ExtendedTest, TruncationSaturates)
{
    const struct {
        Extended value;
        int64_t expected;
    } cases[] = {
        {Decimal(29, 10), 2},
        {Decimal(-29, 10), -2},
        {Extended{kMax}, kMax},
        {IntegerPower(Extended{10}, 30), kMax},
        {-IntegerPower(Extended{10}, 30), kMin},
        {kInfinity, kMax},
        {-kInfinity, kMin},
        {kNan, 0},
        {Extended{9223372036854775806}, 9223372036854775806},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(TruncToInt64(cases[i].value), cases[i].expected) << "case " << i;
}

TEST(ExtendedTest, RoundingGoesToEven)
{
    const struct {
        Extended value;
        int64_t expected;
    } cases[] = {
        {Decimal(1, 2), 0},   {Decimal(3, 2), 2},   {Decimal(5, 2), 2},  {Decimal(-1, 2), 0},
        {Decimal(-3, 2), -2}, {Decimal(25, 2), 12}, {Decimal(6, 10), 1}, {IntegerPower(Extended{10}, 40), kMax}};
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(RoundToInt64(cases[i].value), cases[i].expected) << "case " << i;
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
