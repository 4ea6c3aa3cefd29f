#pragma once

#include <cstdint>
#include <string_view>

namespace korvelin {

// Reads a number typed into an edit or stored in a queue file: an optional "-"
// or "+", then decimal digits up to the first other character. No blank is
// skipped, text without leading digits gives 0, and the value wraps at 32 bits.
int32_t ParseInt(std::string_view text);

// The same reading into 64 bits, saturating at the ends of the range rather
// than wrapping: for stocks, which outgrow 32 bits in a long plan.
int64_t ParseWideInt(std::string_view text);

} // namespace korvelin
