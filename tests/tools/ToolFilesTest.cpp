#include "ToolFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvelin::tools {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ToolFilesTest, ReplacesOnlyWhenCompleteAndLeavesNothingBehind)
{
    const fs::path dir = fs::temp_directory_path() / ("korvelin-tool-files-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path target = dir / "plan.bql";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    EXPECT_EQ(WriteFileAtomically(target.string(), "new\r\n"), std::nullopt);
    EXPECT_EQ(Contents(target), "new\r\n");
    // The replaced file keeps its permissions.
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A link is followed: the file it names gets the bytes, the link stays.
    const fs::path link = dir / "link.bql";
    fs::create_symlink(target, link);
    EXPECT_EQ(WriteFileAtomically(link.string(), "linked"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(target), "linked");

    // Failures name the reason and leave no temporary file.
    EXPECT_EQ(WriteFileAtomically((dir / "missing" / "x.bql").string(), "x"), "No such file or directory");
    EXPECT_EQ(WriteFileAtomically(dir.string(), "x"), "Is a directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    // A device is written in place.
    EXPECT_EQ(WriteFileAtomically("/dev/null", "x"), std::nullopt);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::remove_all(dir);
}

} // namespace
} // namespace korvelin::tools
