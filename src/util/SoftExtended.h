#pragma once
// The x87 80-bit extended format in software, for machines and compilers
// whose long double is something else: a 64-bit significand with an explicit
// integer bit, a 15-bit exponent biased by 16383 and a sign. Every operation
// rounds to nearest with ties to even, with gradual underflow to denormals
// and overflow to infinity, exactly as the x87 unit does with its default
// control word, so that the figures agree to the last bit on every machine.
// Only integer arithmetic is used.

#include <bit>
#include <compare>
#include <cstdint>

namespace korvelin {

class SoftExtended {
  public:
    constexpr SoftExtended() = default; // +0

    // Exact: every 64-bit integer fits the significand.
    constexpr explicit SoftExtended(int64_t value)
    {
        if (value == 0)
            return;
        const bool negative = value < 0;
        const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        const int shift = std::countl_zero(magnitude);
        significand_ = magnitude << shift;
        signExponent_ = static_cast<uint16_t>((negative ? kSignBit : 0) | (kBias + 63 - shift));
    }

    // The value with this memory image: sign in bit 15 of signExponent.
    static constexpr SoftExtended FromBits(uint16_t signExponent, uint64_t significand)
    {
        SoftExtended value;
        value.signExponent_ = signExponent;
        value.significand_ = significand;
        return value;
    }
    constexpr uint16_t SignExponent() const { return signExponent_; }
    constexpr uint64_t Significand() const { return significand_; }

    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b) { return a + -b; }
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    friend constexpr SoftExtended operator-(SoftExtended a)
    {
        return FromBits(static_cast<uint16_t>(a.signExponent_ ^ kSignBit), a.significand_);
    }

    // NaN is unordered (every comparison false but !=); -0 equals +0.
    friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b);
    friend bool operator==(SoftExtended a, SoftExtended b) { return (a <=> b) == 0; }

    static constexpr uint16_t kSignBit = 0x8000;
    static constexpr uint16_t kMaxExponent = 0x7FFF; // infinities and NaNs
    static constexpr int32_t kBias = 16383;
    static constexpr uint64_t kIntegerBit = uint64_t{1} << 63;

  private:
    uint64_t significand_ = 0;
    uint16_t signExponent_ = 0;
};

// NaN also for the encodings the x87 unit refuses as operands (an exponent
// without its integer bit).
bool IsNan(SoftExtended value);
constexpr SoftExtended Abs(SoftExtended value)
{
    return SoftExtended::FromBits(static_cast<uint16_t>(value.SignExponent() & 0x7FFF), value.Significand());
}
// As for the hardware type: toward zero, saturating at the 64-bit limits, NaN 0.
int64_t TruncToInt64(SoftExtended value);
// To nearest with ties to even, saturating, NaN 0.
int64_t RoundToInt64(SoftExtended value);

// The decimal constants of the formulas as the bit patterns of their nearest
// extended values: a compiler whose long double is another type would parse
// the decimal text to other values.
inline constexpr SoftExtended kSoftFactor1_1 = SoftExtended::FromBits(0x3FFF, 0x8CCCCCCCCCCCCCCD);
inline constexpr SoftExtended kSoftFactor1_5 = SoftExtended::FromBits(0x3FFF, 0xC000000000000000);
inline constexpr SoftExtended kSoftFactor1_6 = SoftExtended::FromBits(0x3FFF, 0xCCCCCCCCCCCCCCCD);
inline constexpr SoftExtended kSoftFactor1_8 = SoftExtended::FromBits(0x3FFF, 0xE666666666666666);
inline constexpr SoftExtended kSoftFactor2_0 = SoftExtended::FromBits(0x4000, 0x8000000000000000);
inline constexpr SoftExtended kSoftTemperatureSlope = SoftExtended::FromBits(0xBFF6, 0x83126E978D4FDF3B);
inline constexpr SoftExtended kSoftTemperatureBase = SoftExtended::FromBits(0x3FFF, 0xA3D70A3D70A3D70A);
inline constexpr SoftExtended kSoftOneHalf = SoftExtended::FromBits(0x3FFE, 0x8000000000000000);

} // namespace korvelin
