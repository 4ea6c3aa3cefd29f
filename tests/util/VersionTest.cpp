#include "util/Version.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

TEST(VersionTest, FileVersionAndTag)
{
    EXPECT_EQ(ReadFileVersion(), "0.7.1.19");
    EXPECT_EQ(ReadFileVersion(), ReadFileVersion());
    EXPECT_EQ(VersionTag(ReadFileVersion()), "0.7");
    EXPECT_EQ(VersionTag("1."), "1.");
    EXPECT_EQ(VersionTag(""), "");
}

} // namespace
} // namespace korvelin
