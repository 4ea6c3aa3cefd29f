// The software extended type against the x87 unit, bit for bit: random
// operands over the whole range plus operands built for the hard cases (ties,
// carries out of the significand, cancellation, denormals, both ends of the
// exponent range, infinities, NaNs and signed zeros). Any NaN matches any NaN.
#include "util/Extended.h"
#include "util/SoftExtended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifndef KORVELIN_DIFFERENTIAL_PAIRS
#define KORVELIN_DIFFERENTIAL_PAIRS 1000000
#endif

namespace korvelin {
namespace {

constexpr int64_t kPairs = KORVELIN_DIFFERENTIAL_PAIRS;
constexpr int kReportedMismatches = 5;
constexpr uint64_t kTop = uint64_t{1} << 63;

long double ToHardware(SoftExtended value)
{
    long double hardware = 0;
    const uint64_t significand = value.Significand();
    const uint16_t signExponent = value.SignExponent();
    std::memcpy(&hardware, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<char *>(&hardware) + sizeof significand, &signExponent, sizeof signExponent);
    return hardware;
}

SoftExtended ToSoft(long double hardware)
{
    uint64_t significand = 0;
    uint16_t signExponent = 0;
    std::memcpy(&significand, &hardware, sizeof significand);
    std::memcpy(&signExponent, reinterpret_cast<const char *>(&hardware) + sizeof significand, sizeof signExponent);
    return SoftExtended::FromBits(signExponent, significand);
}

bool SameBits(long double hardware, SoftExtended soft)
{
    if (std::isnan(hardware))
        return IsNan(soft);
    const SoftExtended expected = ToSoft(hardware);
    return expected.SignExponent() == soft.SignExponent() && expected.Significand() == soft.Significand();
}

std::string Describe(SoftExtended value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04x:%016llx", value.SignExponent(),
                  static_cast<unsigned long long>(value.Significand()));
    return text;
}

// Operands drawn at random from a mix of kinds; deterministic for a seed.
class Operands {
  public:
    explicit Operands(uint64_t seed) : random_(seed) {}

    uint64_t Bits() { return random_(); }
    uint64_t Below(uint64_t n) { return random_() % n; }

    SoftExtended Any()
    {
        const uint64_t kind = Below(100);
        if (kind < 35)
            return Make(static_cast<int32_t>(1 + Below(0x7FFE)), Significand());
        if (kind < 65)
            return Make(SoftExtended::kBias - 80 + static_cast<int32_t>(Below(160)), Significand());
        if (kind < 75)
            return Make(static_cast<int32_t>(1 + Below(80)), Significand());
        if (kind < 82)
            return Make(0x7FFE - static_cast<int32_t>(Below(80)), Significand());
        if (kind < 90)
            return Make(0, Significand() >> (1 + Below(63)));
        return Special();
    }

    // A partner for `a`: near its exponent, often with a related significand,
    // so that sums carry, differences cancel and products and quotients tie.
    SoftExtended Near(SoftExtended a)
    {
        const int32_t exponent = a.SignExponent() & 0x7FFF;
        const int32_t delta =
            Below(4) == 0 ? static_cast<int32_t>(Below(141)) - 70 : static_cast<int32_t>(Below(5)) - 2;
        const int32_t shifted = std::clamp(exponent + delta, 0, 0x7FFE);
        uint64_t significand = Significand();
        switch (Below(4)) {
        case 0:
            significand = a.Significand();
            break;
        case 1:
            significand = a.Significand() ^ (Bits() >> Below(64));
            break;
        default:
            break;
        }
        if (shifted != 0)
            significand |= kTop;
        else
            significand &= ~kTop;
        return Make(shifted, significand);
    }

    SoftExtended Pair(SoftExtended a) { return Below(2) == 0 ? Near(a) : Any(); }

    // A value near the integers that the conversions cut or round, halves
    // included, up to the 64-bit limits and a little beyond.
    SoftExtended NearInteger()
    {
        if (Below(10) == 0)
            return Any();
        return Make(SoftExtended::kBias - 2 + static_cast<int32_t>(Below(68)), Significand());
    }

    int64_t AnyInt64()
    {
        static constexpr int64_t kEdges[] = {
            0, 1, -1, std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min(), int64_t{1} << 62};
        if (Below(20) == 0)
            return kEdges[Below(std::size(kEdges))];
        const uint64_t magnitude = Bits() >> Below(64);
        return static_cast<int64_t>(Below(2) == 0 ? magnitude : 0 - magnitude);
    }

  private:
    SoftExtended Make(int32_t exponent, uint64_t significand)
    {
        const uint16_t sign = Below(2) == 0 ? 0 : SoftExtended::kSignBit;
        return SoftExtended::FromBits(static_cast<uint16_t>(sign | exponent), significand);
    }

    // Random, short (few significant bits, so products tie and quotients come
    // out exact), or a run of ones (so sums carry out of the significand).
    uint64_t Significand()
    {
        switch (Below(4)) {
        case 0: {
            const uint64_t width = 1 + Below(64);
            return ((Bits() | 1) << (64 - width)) | kTop;
        }
        case 1:
            return ~uint64_t{0} << Below(64);
        default:
            return Bits() | kTop;
        }
    }

    SoftExtended Special()
    {
        static constexpr SoftExtended kSpecials[] = {
            SoftExtended{},
            SoftExtended::FromBits(0x7FFF, kTop),               // infinity
            SoftExtended::FromBits(0x7FFF, 0xC000000000000000), // quiet NaN
            SoftExtended::FromBits(0, 1),                       // smallest denormal
            SoftExtended::FromBits(0, kTop - 1),                // largest denormal
            SoftExtended::FromBits(1, kTop),                    // smallest normal
            SoftExtended::FromBits(0x7FFE, ~uint64_t{0}),       // largest finite
            SoftExtended{1},
            SoftExtended{3},
        };
        const SoftExtended value = kSpecials[Below(std::size(kSpecials))];
        return Below(2) == 0 ? value : -value;
    }

    std::mt19937_64 random_;
};

// Counts the mismatches of one operation and reports the first few.
class Mismatches {
  public:
    // `describe` makes the message only for a mismatch.
    template <typename Describe> void Check(bool same, const Describe &describe)
    {
        if (same)
            return;
        if (++count_ <= kReportedMismatches)
            ADD_FAILURE() << describe();
    }
    int64_t Count() const { return count_; }

  private:
    int64_t count_ = 0;
};

// How the second operand's exponent must follow the first one's for the
// result to land at a given exponent.
enum class Shape { Sum, Product, Quotient };

struct BinaryOperation {
    const char *name;
    Shape shape;
    long double (*hardware)(long double, long double);
    SoftExtended (*soft)(SoftExtended, SoftExtended);
};

const BinaryOperation kBinaryOperations[] = {
    {"Addition", Shape::Sum, [](long double a, long double b) { return a + b; },
     [](SoftExtended a, SoftExtended b) { return a + b; }},
    {"Subtraction", Shape::Sum, [](long double a, long double b) { return a - b; },
     [](SoftExtended a, SoftExtended b) { return a - b; }},
    {"Multiplication", Shape::Product, [](long double a, long double b) { return a * b; },
     [](SoftExtended a, SoftExtended b) { return a * b; }},
    {"Division", Shape::Quotient, [](long double a, long double b) { return a / b; },
     [](SoftExtended a, SoftExtended b) { return a / b; }},
};

bool MatchesHardware(const BinaryOperation &operation, SoftExtended a, SoftExtended b, Mismatches &mismatches)
{
    const SoftExtended soft = operation.soft(a, b);
    const long double hardware = operation.hardware(ToHardware(a), ToHardware(b));
    const bool same = SameBits(hardware, soft);
    mismatches.Check(same, [&] {
        return Describe(a) + " " + operation.name + " " + Describe(b) + ": x87 " + Describe(ToSoft(hardware)) +
               ", soft " + Describe(soft);
    });
    return same;
}

// Significands whose rounding turns on single bits: powers of two, runs of
// ones, lone low bits.
constexpr uint64_t kEdgeSignificands[] = {
    kTop,
    kTop + 1,
    kTop + 2,
    kTop | kTop >> 1,
    ~uint64_t{0},
    ~uint64_t{0} - 1,
    0xFFFFFFFF00000000,
    0x8000000080000000,
    0xC000000000000001,
    0xAAAAAAAAAAAAAAAB,
    0x8CCCCCCCCCCCCCCD,
    0xF0000000000000FF,
};

class BinaryDifferentialTest : public testing::TestWithParam<BinaryOperation> {};

TEST_P(BinaryDifferentialTest, MatchesTheHardwareBitForBit)
{
    const BinaryOperation &operation = GetParam();
    Operands operands(0x5EED0001u + static_cast<uint64_t>(operation.name[0]));
    Mismatches mismatches;
    for (int64_t i = 0; i < kPairs; ++i) {
        const SoftExtended a = operands.Any();
        MatchesHardware(operation, a, operands.Pair(a), mismatches);
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

// The edge significands at every alignment: sums and differences at every
// exponent distance up to well past the significand's width, products and
// quotients at every result exponent across the denormal range and at the
// top of the range, where the bits shifted out decide the rounding.
TEST_P(BinaryDifferentialTest, EdgeSignificandsAtEveryAlignment)
{
    const BinaryOperation &operation = GetParam();
    constexpr int32_t kBias = SoftExtended::kBias;
    std::vector<std::pair<int32_t, int32_t>> exponents;
    if (operation.shape == Shape::Sum) {
        for (int32_t distance = 0; distance <= 140; ++distance)
            exponents.emplace_back(kBias, kBias - distance);
    } else {
        std::vector<int32_t> targets;
        for (int32_t target = -70; target <= 3; ++target)
            targets.push_back(target);
        for (int32_t target = 0x7FFE - 2; target <= 0x7FFE + 1; ++target)
            targets.push_back(target);
        for (const int32_t target : targets) {
            const int32_t first = target < kBias ? 100 : 0x7FFE - 100;
            const int32_t second = operation.shape == Shape::Product ? target - first + kBias : first - target + kBias;
            exponents.emplace_back(first, second);
        }
    }
    Mismatches mismatches;
    for (const auto &[first, second] : exponents)
        for (const uint64_t x : kEdgeSignificands)
            for (const uint64_t y : kEdgeSignificands)
                for (const uint16_t signs : {0x0000, 0x0001, 0x0100, 0x0101}) {
                    const auto a = SoftExtended::FromBits(static_cast<uint16_t>(first | (signs & 1) << 15), x);
                    const auto b = SoftExtended::FromBits(static_cast<uint16_t>(second | (signs >> 8) << 15), y);
                    MatchesHardware(operation, a, b, mismatches);
                }
    EXPECT_EQ(mismatches.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Operations, BinaryDifferentialTest, testing::ValuesIn(kBinaryOperations),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SoftExtendedDifferentialTest, ComparisonsMatchTheHardware)
{
    Operands operands(0x5EED0002u);
    Mismatches mismatches;
    for (int64_t i = 0; i < kPairs; ++i) {
        const SoftExtended a = operands.Any();
        const SoftExtended b = operands.Below(8) == 0 ? a : operands.Pair(a);
        const long double x = ToHardware(a);
        const long double y = ToHardware(b);
        const int hardware = (x == y) | (x != y) << 1 | (x < y) << 2 | (x <= y) << 3 | (x > y) << 4 | (x >= y) << 5;
        const int soft = (a == b) | (a != b) << 1 | (a < b) << 2 | (a <= b) << 3 | (a > b) << 4 | (a >= b) << 5;
        mismatches.Check(hardware == soft, [&] { return Describe(a) + " vs " + Describe(b); });
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

TEST(SoftExtendedDifferentialTest, ConversionFromInt64IsExact)
{
    Operands operands(0x5EED0003u);
    Mismatches mismatches;
    for (int64_t i = 0; i < kPairs; ++i) {
        const int64_t value = operands.AnyInt64();
        mismatches.Check(SameBits(static_cast<long double>(value), SoftExtended{value}),
                         [&] { return std::to_string(value); });
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

TEST(SoftExtendedDifferentialTest, ConversionsToInt64MatchTheHardware)
{
    Operands operands(0x5EED0004u);
    Mismatches truncations;
    Mismatches roundings;
    for (int64_t i = 0; i < kPairs; ++i) {
        const SoftExtended value = operands.NearInteger();
        const long double hardware = ToHardware(value);
        truncations.Check(TruncToInt64(hardware) == TruncToInt64(value), [&] { return "trunc " + Describe(value); });
        roundings.Check(RoundToInt64(hardware) == RoundToInt64(value), [&] { return "round " + Describe(value); });
    }
    EXPECT_EQ(truncations.Count(), 0);
    EXPECT_EQ(roundings.Count(), 0);
}

// The levels a file can hold reach the powers' extremes: denormal and zero
// results for huge negative exponents, infinity for huge positive ones.
TEST(SoftExtendedDifferentialTest, IntegerPowersMatchTheHardware)
{
    const SoftExtended bases[] = {kSoftFactor1_1, kSoftFactor1_5, kSoftFactor1_6, kSoftFactor1_8,
                                  kSoftFactor2_0, kSoftOneHalf,   SoftExtended{0}};
    Operands operands(0x5EED0005u);
    Mismatches mismatches;
    for (int64_t i = 0; i < kPairs / 50; ++i) {
        const SoftExtended base = operands.Below(2) == 0 ? bases[operands.Below(std::size(bases))] : operands.Any();
        const int64_t exponent = operands.Below(4) == 0 ? static_cast<int64_t>(operands.Bits())
                                                        : static_cast<int64_t>(static_cast<int32_t>(operands.Bits()));
        for (const int64_t e : {exponent, exponent >> operands.Below(40), int64_t{std::numeric_limits<int32_t>::min()}})
            mismatches.Check(SameBits(IntegerPowerOf(ToHardware(base), e), IntegerPowerOf(base, e)),
                             [&] { return Describe(base) + " ^ " + std::to_string(e); });
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

TEST(SoftExtendedDifferentialTest, DecimalConstantsAreTheHardwareValues)
{
    const struct {
        SoftExtended soft;
        long double hardware;
    } constants[] = {{kSoftFactor1_1, 1.1L}, {kSoftFactor1_5, 1.5L},       {kSoftFactor1_6, 1.6L},
                     {kSoftFactor1_8, 1.8L}, {kSoftFactor2_0, 2.0L},       {kSoftTemperatureSlope, -0.002L},
                     {kSoftOneHalf, 0.5L},   {kSoftTemperatureBase, 1.28L}};
    for (const auto &constant : constants)
        EXPECT_TRUE(SameBits(constant.hardware, constant.soft)) << Describe(constant.soft);
}

} // namespace
} // namespace korvelin
