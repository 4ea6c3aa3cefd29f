#include "util/FormatDuration.h"

namespace korvelin {

namespace {

void AppendTwoDigits(std::string &text, uint64_t value)
{
    if (value < 10)
        text += '0';
    text += std::to_string(value);
}

} // namespace

std::string FormatDuration(int64_t seconds)
{
    std::string text;
    // The magnitude as unsigned, so that the most negative value has one too.
    uint64_t rest = static_cast<uint64_t>(seconds);
    if (seconds < 0) {
        text += '-';
        rest = 0 - rest;
    }
    const uint64_t days = rest / 86400;
    rest %= 86400;
    if (days > 0) {
        text += std::to_string(days);
        text += "d ";
    }
    AppendTwoDigits(text, rest / 3600);
    text += ':';
    AppendTwoDigits(text, rest % 3600 / 60);
    text += ':';
    AppendTwoDigits(text, rest % 60);
    return text;
}

} // namespace korvelin
