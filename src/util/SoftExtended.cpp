#include "util/SoftExtended.h"

#include "util/WideArithmetic.h"

#include <limits>
#include <utility>

namespace korvelin {

namespace {

constexpr int32_t kBias = SoftExtended::kBias;
constexpr uint16_t kSignBit = SoftExtended::kSignBit;
constexpr uint16_t kMaxExponent = SoftExtended::kMaxExponent;
constexpr uint64_t kIntegerBit = SoftExtended::kIntegerBit;

// The x87 unit's answer to an invalid operation ("real indefinite").
constexpr SoftExtended kDefaultNan = SoftExtended::FromBits(0xFFFF, 0xC000000000000000);

enum class Kind { Zero, Finite, Infinite, NaN };

// A finite nonzero value is significand × 2^(exponent − kBias − 63) with the
// significand's top bit set; a denormal gets an exponent below 1 for that.
struct Parts {
    Kind kind = Kind::Zero;
    bool negative = false;
    int32_t exponent = 0;
    uint64_t significand = 0;
};

Parts Unpack(SoftExtended value)
{
    Parts parts;
    parts.negative = (value.SignExponent() & kSignBit) != 0;
    const int32_t exponent = value.SignExponent() & kMaxExponent;
    const uint64_t significand = value.Significand();
    if (exponent == kMaxExponent) {
        parts.kind = significand == kIntegerBit ? Kind::Infinite : Kind::NaN;
    } else if (exponent == 0) {
        if (significand != 0) {
            const int shift = std::countl_zero(significand);
            parts = {Kind::Finite, parts.negative, 1 - shift, significand << shift};
        }
    } else if ((significand & kIntegerBit) == 0) {
        parts.kind = Kind::NaN; // an unnormal, which the x87 unit refuses
    } else {
        parts = {Kind::Finite, parts.negative, exponent, significand};
    }
    return parts;
}

constexpr SoftExtended Zero(bool negative)
{
    return SoftExtended::FromBits(negative ? kSignBit : 0, 0);
}

constexpr SoftExtended Infinity(bool negative)
{
    return SoftExtended::FromBits(static_cast<uint16_t>((negative ? kSignBit : 0) | kMaxExponent), kIntegerBit);
}

// Shifts the 128-bit high:low right, keeping any bit shifted out as a 1 in the
// lowest bit (the sticky bit): enough to round correctly afterwards.
void ShiftRightSticky(uint64_t &high, uint64_t &low, int64_t count)
{
    if (count <= 0)
        return;
    if (count < 64) {
        const uint64_t lost = low << (64 - count);
        low = (low >> count) | (high << (64 - count)) | (lost != 0 ? 1 : 0);
        high >>= count;
    } else if (count == 64) {
        low = high | (low != 0 ? 1 : 0);
        high = 0;
    } else if (count < 128) {
        const uint64_t lost = (high << (128 - count)) | low;
        low = (high >> (count - 64)) | (lost != 0 ? 1 : 0);
        high = 0;
    } else {
        low = (high | low) != 0 ? 1 : 0;
        high = 0;
    }
}

// Rounds significand + extra / 2^64 (significand normalized) at the given
// exponent to the nearest representable value, ties to even. Below the
// normal range the value is first denormalized, so that it is rounded once,
// at the precision the denormal keeps.
SoftExtended RoundAndPack(bool negative, int32_t exponent, uint64_t significand, uint64_t extra)
{
    if (exponent >= kMaxExponent)
        return Infinity(negative);
    if (exponent <= 0) {
        ShiftRightSticky(significand, extra, int64_t{1} - exponent);
        exponent = 0;
    }
    const bool roundBit = (extra & kIntegerBit) != 0;
    const bool sticky = (extra << 1) != 0;
    if (roundBit && (sticky || (significand & 1) != 0)) {
        ++significand;
        if (significand == 0) {
            significand = kIntegerBit;
            ++exponent;
        } else if (exponent == 0 && (significand & kIntegerBit) != 0) {
            exponent = 1; // a denormal rounded up to the smallest normal
        }
    }
    if (exponent >= kMaxExponent)
        return Infinity(negative);
    const uint16_t sign = negative ? kSignBit : 0;
    return SoftExtended::FromBits(static_cast<uint16_t>(sign | exponent), significand);
}

SoftExtended AddMagnitudes(bool negative, Parts larger, Parts smaller)
{
    uint64_t high = smaller.significand;
    uint64_t low = 0;
    ShiftRightSticky(high, low, int64_t{larger.exponent} - smaller.exponent);
    uint64_t sumHigh = larger.significand + high;
    int32_t exponent = larger.exponent;
    if (sumHigh < high) { // carry out of the significand
        low = (low >> 1) | (sumHigh << 63) | (low & 1);
        sumHigh = (sumHigh >> 1) | kIntegerBit;
        ++exponent;
    }
    return RoundAndPack(negative, exponent, sumHigh, low);
}

// |larger| ≥ |smaller|. Where the alignment lost bits into the sticky bit the
// difference needs at most one bit of normalization, so rounding stays exact.
SoftExtended SubtractMagnitudes(bool negative, Parts larger, Parts smaller)
{
    uint64_t high = smaller.significand;
    uint64_t low = 0;
    ShiftRightSticky(high, low, int64_t{larger.exponent} - smaller.exponent);
    const uint64_t differenceLow = 0 - low;
    const uint64_t differenceHigh = larger.significand - high - (low != 0 ? 1 : 0);
    if (differenceHigh == 0 && differenceLow == 0)
        return Zero(false); // x − x is +0 when rounding to nearest
    const int shift = differenceHigh != 0 ? std::countl_zero(differenceHigh) : 64 + std::countl_zero(differenceLow);
    uint64_t resultHigh = differenceHigh;
    uint64_t resultLow = differenceLow;
    if (shift >= 64) {
        resultHigh = differenceLow << (shift - 64);
        resultLow = 0;
    } else if (shift > 0) {
        resultHigh = (differenceHigh << shift) | (differenceLow >> (64 - shift));
        resultLow = differenceLow << shift;
    }
    return RoundAndPack(negative, larger.exponent - shift, resultHigh, resultLow);
}

bool MagnitudeBelow(const Parts &a, const Parts &b)
{
    return a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand);
}

} // namespace

SoftExtended operator+(SoftExtended a, SoftExtended b)
{
    Parts x = Unpack(a);
    Parts y = Unpack(b);
    if (x.kind == Kind::NaN || y.kind == Kind::NaN)
        return kDefaultNan;
    if (x.kind == Kind::Infinite) {
        if (y.kind == Kind::Infinite && x.negative != y.negative)
            return kDefaultNan;
        return Infinity(x.negative);
    }
    if (y.kind == Kind::Infinite)
        return Infinity(y.negative);
    if (x.kind == Kind::Zero)
        return y.kind == Kind::Zero ? Zero(x.negative && y.negative) : b;
    if (y.kind == Kind::Zero)
        return a;
    if (MagnitudeBelow(x, y))
        std::swap(x, y);
    if (x.negative == y.negative)
        return AddMagnitudes(x.negative, x, y);
    return SubtractMagnitudes(x.negative, x, y);
}

SoftExtended operator*(SoftExtended a, SoftExtended b)
{
    const Parts x = Unpack(a);
    const Parts y = Unpack(b);
    const bool negative = x.negative != y.negative;
    if (x.kind == Kind::NaN || y.kind == Kind::NaN)
        return kDefaultNan;
    if (x.kind == Kind::Infinite || y.kind == Kind::Infinite) {
        if (x.kind == Kind::Zero || y.kind == Kind::Zero)
            return kDefaultNan;
        return Infinity(negative);
    }
    if (x.kind == Kind::Zero || y.kind == Kind::Zero)
        return Zero(negative);
    WideProduct product = MultiplyWide(x.significand, y.significand);
    int32_t exponent = x.exponent + y.exponent - kBias + 1;
    if ((product.high & kIntegerBit) == 0) {
        product.high = (product.high << 1) | (product.low >> 63);
        product.low <<= 1;
        --exponent;
    }
    return RoundAndPack(negative, exponent, product.high, product.low);
}

SoftExtended operator/(SoftExtended a, SoftExtended b)
{
    const Parts x = Unpack(a);
    const Parts y = Unpack(b);
    const bool negative = x.negative != y.negative;
    if (x.kind == Kind::NaN || y.kind == Kind::NaN)
        return kDefaultNan;
    if (x.kind == Kind::Infinite)
        return y.kind == Kind::Infinite ? kDefaultNan : Infinity(negative);
    if (y.kind == Kind::Infinite)
        return Zero(negative);
    if (y.kind == Kind::Zero)
        return x.kind == Kind::Zero ? kDefaultNan : Infinity(negative);
    if (x.kind == Kind::Zero)
        return Zero(negative);

    // The quotient of the significands lies in (1/2, 2): its integer bit
    // first, then 64 fraction bits from one 128 / 64 division.
    uint64_t dividend = x.significand;
    const bool integerBit = dividend >= y.significand;
    if (integerBit)
        dividend -= y.significand;
    uint64_t remainder = 0;
    const uint64_t fraction = DivideWide(dividend, 0, y.significand, remainder);
    int32_t exponent = x.exponent - y.exponent + kBias;
    uint64_t significand = 0;
    uint64_t extra = 0;
    if (integerBit) {
        significand = kIntegerBit | (fraction >> 1);
        extra = (fraction << 63) | (remainder != 0 ? 1 : 0);
    } else {
        // The remainder against half the divisor gives the round bit and
        // whether anything lies beyond it.
        const uint64_t rest = y.significand - remainder;
        significand = fraction;
        extra = (remainder >= rest ? kIntegerBit : 0) | (remainder != 0 && remainder != rest ? 1 : 0);
        --exponent;
    }
    return RoundAndPack(negative, exponent, significand, extra);
}

std::partial_ordering operator<=>(SoftExtended a, SoftExtended b)
{
    const Parts x = Unpack(a);
    const Parts y = Unpack(b);
    if (x.kind == Kind::NaN || y.kind == Kind::NaN)
        return std::partial_ordering::unordered;
    if (x.kind == Kind::Zero && y.kind == Kind::Zero)
        return std::partial_ordering::equivalent;
    const bool xNegative = x.kind != Kind::Zero && x.negative;
    const bool yNegative = y.kind != Kind::Zero && y.negative;
    if (xNegative != yNegative)
        return xNegative ? std::partial_ordering::less : std::partial_ordering::greater;
    // Same sign: order the magnitudes (zero below everything, infinity above).
    const auto rank = [](const Parts &p) { return p.kind == Kind::Zero ? 0 : p.kind == Kind::Finite ? 1 : 2; };
    std::partial_ordering magnitude = std::partial_ordering::equivalent;
    if (rank(x) != rank(y))
        magnitude = rank(x) < rank(y) ? std::partial_ordering::less : std::partial_ordering::greater;
    else if (x.kind == Kind::Finite && (x.exponent != y.exponent || x.significand != y.significand))
        magnitude = MagnitudeBelow(x, y) ? std::partial_ordering::less : std::partial_ordering::greater;
    if (!xNegative)
        return magnitude;
    return magnitude == std::partial_ordering::less      ? std::partial_ordering::greater
           : magnitude == std::partial_ordering::greater ? std::partial_ordering::less
                                                         : magnitude;
}

bool IsNan(SoftExtended value)
{
    return Unpack(value).kind == Kind::NaN;
}

namespace {

constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();

// The saturated result for a magnitude of 2^63 or more.
int64_t Saturated(bool negative)
{
    return negative ? kInt64Min : kInt64Max;
}

int64_t Signed(bool negative, uint64_t magnitude)
{
    if (magnitude >= kIntegerBit)
        return Saturated(negative);
    const auto value = static_cast<int64_t>(magnitude);
    return negative ? -value : value;
}

} // namespace

int64_t TruncToInt64(SoftExtended value)
{
    const Parts parts = Unpack(value);
    if (parts.kind == Kind::NaN || parts.kind == Kind::Zero)
        return 0;
    if (parts.kind == Kind::Infinite)
        return Saturated(parts.negative);
    const int32_t power = parts.exponent - kBias; // the integer bit's weight
    if (power < 0)
        return 0;
    if (power >= 63)
        return Saturated(parts.negative);
    return Signed(parts.negative, parts.significand >> (63 - power));
}

int64_t RoundToInt64(SoftExtended value)
{
    const Parts parts = Unpack(value);
    if (parts.kind == Kind::NaN || parts.kind == Kind::Zero)
        return 0;
    if (parts.kind == Kind::Infinite)
        return Saturated(parts.negative);
    const int32_t power = parts.exponent - kBias;
    if (power < -1)
        return 0;    // below one half
    if (power == -1) // [1/2, 1): exactly one half goes to the even 0
        return parts.significand == kIntegerBit ? 0 : Signed(parts.negative, 1);
    if (power >= 63)
        return Saturated(parts.negative);
    uint64_t magnitude = parts.significand >> (63 - power);
    const uint64_t fraction = parts.significand << (power + 1);
    if (fraction > kIntegerBit || (fraction == kIntegerBit && (magnitude & 1) != 0))
        ++magnitude; // may reach 2^63, which saturates like the hardware
    return Signed(parts.negative, magnitude);
}

} // namespace korvelin
