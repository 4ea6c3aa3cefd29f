#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace korvelin::test {

// A test of a command-line tool with a folder of its own for the files it
// reads and writes, removed afterwards.
class ToolFolderTest : public testing::Test {
  protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("korvelin-tool-" + std::to_string(::getpid()) + "-" +
                                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // The lines with CR LF after each, as queue files end them.
    std::string WriteFile(const std::string &name, const std::vector<std::string> &lines)
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream file(path, std::ios::binary);
        for (const std::string &line : lines)
            file << line << "\r\n";
        return path.string();
    }

    std::filesystem::path dir_;
};

} // namespace korvelin::test
