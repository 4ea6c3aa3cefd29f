#include "util/Version.h"
#include "BuildVersion.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

TEST(VersionTest, FileVersionAndTag)
{
    EXPECT_EQ(ReadFileVersion(), test::kBuildVersion);
    EXPECT_EQ(ReadFileVersion(), ReadFileVersion());
    EXPECT_EQ(VersionTag(ReadFileVersion()), std::string(test::kBuildVersion).substr(0, 3));
    EXPECT_EQ(VersionTag("1."), "1.");
    EXPECT_EQ(VersionTag(""), "");
}

} // namespace
} // namespace korvelin
