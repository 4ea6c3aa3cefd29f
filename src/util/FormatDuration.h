#pragma once

#include <cstdint>
#include <string>

namespace korvelin {

// "HH:MM:SS", preceded by "<days>d " from one day on; a negative duration gets
// a "-" in front of the text of its magnitude.
std::string FormatDuration(int64_t seconds);

} // namespace korvelin
