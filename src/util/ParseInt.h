#pragma once

#include <cstdint>
#include <string_view>

namespace korvelin {

// Reads a number typed into an edit or stored in a queue file: an optional "-"
// or "+", then decimal digits up to the first other character. No blank is
// skipped, text without leading digits gives 0, and the value wraps at 32 bits.
int32_t ParseInt(std::string_view text);

} // namespace korvelin
