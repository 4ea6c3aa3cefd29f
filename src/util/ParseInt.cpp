#include "util/ParseInt.h"

namespace korvelin {

int32_t ParseInt(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps by definition, which gives the 32-bit wrap of
    // long digit runs without undefined behaviour.
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

int64_t ParseWideInt(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr uint64_t kLimit = uint64_t{1} << 63; // |INT64_MIN|
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<uint64_t>(text[i] - '0');
        value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
    }
    if (negative)
        return value >= kLimit ? INT64_MIN : -static_cast<int64_t>(value);
    return value >= kLimit ? INT64_MAX : static_cast<int64_t>(value);
}

} // namespace korvelin
