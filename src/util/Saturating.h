#pragma once
// 64-bit integer arithmetic that clamps at the limits instead of overflowing,
// for figures of levels far beyond the game's range.

#include <cstdint>
#include <limits>

namespace korvelin {

inline int64_t SaturateOnOverflow(bool negative)
{
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

inline int64_t SatAdd(int64_t a, int64_t b)
{
    int64_t r;
    return __builtin_add_overflow(a, b, &r) ? SaturateOnOverflow(b < 0) : r;
}

inline int64_t SatSub(int64_t a, int64_t b)
{
    int64_t r;
    return __builtin_sub_overflow(a, b, &r) ? SaturateOnOverflow(b > 0) : r;
}

inline int64_t SatMul(int64_t a, int64_t b)
{
    int64_t r;
    return __builtin_mul_overflow(a, b, &r) ? SaturateOnOverflow((a < 0) != (b < 0)) : r;
}

} // namespace korvelin
