#include "BuildVersion.h"
#include "RunOptimize.h"
#include "RunReport.h"
#include "ToolFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvelin::optimizetool {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

template <typename Tool> ToolRun RunTool(Tool tool, const std::vector<std::string> &arguments)
{
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool(views, out, err);
    return {status, out.str(), err.str()};
}

ToolRun Optimize(const std::vector<std::string> &arguments)
{
    return RunTool(RunOptimize, arguments);
}

using OptimizeTest = test::ToolFolderTest;

const std::string kHeader = test::BuildQueueHeader();

// The total line korvelin-report prints for a file.
std::string ReportTotal(const std::string &path)
{
    const std::string out = RunTool(report::RunReport, {path}).out;
    return out.substr(out.rfind("Total time: ") + 12);
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(OptimizeTest, PrintsTheTotalsAndSavesTheNewOrder)
{
    // Research before the mines it waits for.
    const std::string input = WriteFile(
        "plan.bql", {kHeader, "Temperature=25", "##BUILD##", "3:1:999", "31:1:998", "1:1:997", "1:2:996", "2:1:995"});
    const std::string output = (dir_ / "best.bql").string();
    const ToolRun run = Optimize({"--output", output, input});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 8), "before: ");
    EXPECT_EQ(lines[1].substr(0, 7), "after: ");
    EXPECT_EQ(lines[3], "search: exact");
    // The report plays both files to the totals printed.
    EXPECT_EQ(ReportTotal(input), lines[0].substr(8, lines[0].find(" (") - 8) + "\n");
    EXPECT_EQ(ReportTotal(output), lines[1].substr(7, lines[1].find(" (") - 7) + "\n");
    EXPECT_NE(lines[0].substr(8), lines[1].substr(7));

    // Saving the new order again finds nothing shorter, and writes the same file.
    const std::string again = (dir_ / "again.bql").string();
    const ToolRun second = Optimize({"--output=" + again, output});
    EXPECT_EQ(Lines(second.out)[2], "saved: 00:00:00 (0.0%)");
    std::ifstream first(output, std::ios::binary), copy(again, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(first)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, std::string((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>()));
    const std::string head = std::string(kHeader) + "\r\nTemperature=25\r\n##BUILD##\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
}

TEST_F(OptimizeTest, InadmissibleInputIsMarkedAndMended)
{
    const std::string input =
        WriteFile("late.bql", {kHeader, "Temperature=10", "##BUILD##", "14:1:999", "3:1:998", "1:1:997"});
    const ToolRun run = Optimize({"--satellites", "0", input});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 14), ", inadmissible");
    EXPECT_EQ(lines[3], "search: exact");
}

TEST_F(OptimizeTest, LongQueueReportsTheOrdersTried)
{
    std::vector<std::string> lines{kHeader, "Temperature=30", "##BUILD##"};
    const int32_t bids[] = {1, 2, 4, 3, 1, 14, 2, 4, 31, 1, 113, 2, 3, 4};
    std::vector<int32_t> levels(200, 0);
    for (const int32_t b : bids)
        lines.push_back(std::to_string(b) + ":" + std::to_string(++levels[static_cast<size_t>(b)]) + ":1");
    const ToolRun run = Optimize({"--seconds", "0.2", "--seed", "3", WriteFile("long.bql", lines)});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> out = Lines(run.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[3].rfind("search: best found, ", 0), 0u);
    EXPECT_EQ(out[3].substr(out[3].size() - 13), " orders tried");
}

TEST_F(OptimizeTest, FailuresExitWithOne)
{
    const std::string output = (dir_ / "out.bql").string();
    const std::string hopeless = WriteFile("none.bql", {kHeader, "##BUILD##", "1:1:999", "14:1:998"});
    ToolRun run = Optimize({"--output", output, hopeless});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "korvelin-optimize: no admissible order: entry 2 (Robotics Factory level 1) can never get deuterium\n");
    EXPECT_FALSE(fs::exists(output));

    const std::string rejected = WriteFile("old.bql", {"[Korvelin_0.6_BuildQueueList]", "##BUILD##", "1:1:999"});
    run = Optimize({rejected});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "korvelin-optimize: " + rejected + ": Config file is corrupted or not version " +
                           VersionTag(test::kBuildVersion) + "\n");

    const std::string missing = (dir_ / "missing.bql").string();
    run = Optimize({missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "korvelin-optimize: cannot read " + missing + ": No such file or directory\n");

    const std::string good = WriteFile("good.bql", {kHeader, "##BUILD##", "1:1:999"});
    run = Optimize({"--output", (dir_ / "no-such-dir" / "out.bql").string(), good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

// A plan that lacks a level is refused with what to add, and no file is
// written; one whose order alone breaks the tree is saved in an order that
// the plan check passes.
TEST_F(OptimizeTest, KeepsTheTreeAndTheStores)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        const char *refusal; // nullptr: an order is saved
    } cases[] = {
        {"prerequisite",
         {"Levels=31:4,113:8,121:5,120:9", "##BUILD##", "122:1:999"},
         "Plasma 1 needs Laser 10: add it, or raise the planet's start level"},
        {"prerequisites",
         {"##BUILD##", "31:1:999", "113:1:998", "106:1:997"},
         "Espionage 1 needs Research Lab 3: add it, or raise the planet's start level"},
        {"store",
         {"Levels=1:21", "Stock=0:0:0", "##BUILD##", "22:1:999", "1:22:998"},
         "Metal Mine 22 needs Metal Storage 3: add it, or raise the planet's start level"},
        {"mended",
         {"Levels=1:21,3:10,4:20", "##BUILD##", "1:22:999", "113:1:998", "22:1:997", "22:2:996", "22:3:995",
          "31:1:994"},
         nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines{kHeader, "Temperature=20"};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        const std::string output = (dir_ / (std::string(c.name) + "-best.bql")).string();
        const ToolRun run = Optimize({"--output", output, WriteFile(std::string(c.name) + ".bql", lines)});
        if (c.refusal) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, std::string("korvelin-optimize: no admissible order: ") + c.refusal + "\n");
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(fs::exists(output));
            continue;
        }
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out)[0].substr(Lines(run.out)[0].size() - 14), ", inadmissible");
        const ToolRun check = RunTool(report::RunReport, {"--check", output});
        EXPECT_EQ(check.status, 0) << check.out;
    }
}

TEST(OptimizeArgumentsTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--seconds", "0", "q.bql"},
        {"--seconds=x", "q.bql"},
        {"--seconds", "nan", "q.bql"},
        {"--seed", "-1", "q.bql"},
        {"--seed", "18446744073709551616", "q.bql"},
        {"--output"},
        {"--bogus", "q.bql"},
        {"a.bql", "b.bql"},
    };
    for (const auto &arguments : cases) {
        const ToolRun run = Optimize(arguments);
        EXPECT_EQ(run.status, 2) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_NE(run.err.find("Usage: korvelin-optimize"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST(OptimizeArgumentsTest, HelpAndVersion)
{
    EXPECT_EQ(Optimize({"--version"}).out, std::string("korvelin-optimize ") + test::kBuildVersion + "\n");
    const ToolRun help = Optimize({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: korvelin-optimize", 0), 0u);
    for (const char *option : {"--temperature", "--satellites", "--seconds", "--seed", "--output"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace korvelin::optimizetool
