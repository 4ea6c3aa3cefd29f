#include "util/FormatDuration.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvelin {
namespace {

TEST(FormatDurationTest, Examples)
{
    const struct {
        int64_t seconds;
        const char *text;
    } cases[] = {
        {0, "00:00:00"},
        {59, "00:00:59"},
        {108, "00:01:48"},
        {3661, "01:01:01"},
        {36610, "10:10:10"},
        {86399, "23:59:59"},
        {86400, "1d 00:00:00"},
        {90061, "1d 01:01:01"},
        {1000000, "11d 13:46:40"},
        {864000, "10d 00:00:00"},
        {-1, "-00:00:01"},
        {-90061, "-1d 01:01:01"},
        {std::numeric_limits<int64_t>::max(), "106751991167300d 15:30:07"},
        {std::numeric_limits<int64_t>::min(), "-106751991167300d 15:30:08"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDuration(c.seconds), c.text) << c.seconds;
}

} // namespace
} // namespace korvelin
