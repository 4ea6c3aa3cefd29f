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

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

using GoalToolTest = test::ToolFolderTest;

const std::string kHeader = test::BuildQueueHeader();

TEST_F(GoalToolTest, GoalPrintsThePlanAndSavesIt)
{
    // The file's queue plays no part; its temperature does.
    const std::string input = WriteFile("planet.bql", {kHeader, "Temperature=0", "##BUILD##", "22:1:999"});
    const std::string output = (dir_ / "plan.bql").string();
    const ToolRun run = Optimize({"--goal", "14=1", "--evaluations", "3000000", "--output", output, input});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{
                  "goal: Robotics Factory 1", "plan: 07:49:57 (28197 s), 9 upgrades, 8 added",
                  "1. Metal Mine (1): pays for itself", "2. Metal Mine (2): pays for itself",
                  "3. Metal Mine (3): pays for itself", "4. Metal Mine (4): pays for itself",
                  "5. Crystal Mine (1): pays for itself", "6. Deuterium Synthesizer (1): pays for itself",
                  "7. Deuterium Synthesizer (2): pays for itself", "8. Deuterium Synthesizer (3): pays for itself",
                  "9. Robotics Factory (1): for the goal", "search: exact"}));
    const std::string report = RunTool(report::RunReport, {output}).out;
    EXPECT_EQ(report.substr(report.rfind("Total time: ")), "Total time: 07:49:57\n");
    // The item by its English name plans the same.
    EXPECT_EQ(Optimize({"--goal", "robotics factory=1", "--evaluations", "3000000", input}).out, run.out);
}

TEST_F(GoalToolTest, PlansFromTheFilesPlanetAndSavesIt)
{
    const std::string input = WriteFile(
        "grown.bql", {kHeader, "Temperature=10", "Levels=1:8,3:4,14:2", "Stock=9000:4000:900", "Speed=2", "##BUILD##"});
    const std::string output = (dir_ / "plan.bql").string();
    const ToolRun run = Optimize({"--goal", "14=4", "--evaluations", "2000000", "--output", output, input});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "goal: Robotics Factory 4");
    EXPECT_EQ(lines[lines.size() - 2], std::to_string(lines.size() - 3) + ". Robotics Factory (4): for the goal");
    // The saved plan carries the planet, and the report plays it to the total printed.
    const std::string report = RunTool(report::RunReport, {output}).out;
    EXPECT_EQ(report.substr(report.rfind("Total time: ") + 12), lines[1].substr(6, lines[1].find(" (") - 6) + "\n");
    std::ifstream file(output, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("Levels=1:8,3:4,14:2\r\nStock=9000:4000:900\r\nSpeed=2\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("14:3:"), std::string::npos);
}

TEST_F(GoalToolTest, EconomyComparesWithTheQueue)
{
    const std::string input = WriteFile("queue.bql", {kHeader, "Temperature=0", "##BUILD##", "3:1:999", "14:1:998"});
    const ToolRun run = Optimize({"--economy", "--evaluations=3000000", input});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{"before: 14:24:21 (51861 s)", "after: 07:49:57 (28197 s)",
                                        "saved: 06:34:24 (45.6%)", "added: 7 upgrades", "search: exact"}));
}

TEST_F(GoalToolTest, BeforeIsTheReportsTotalOnPlanetsWithStartLevels)
{
    // The queue as the report plays it, from the file's start levels and
    // stock, in the order search's summary and in the goal planner's.
    const std::vector<std::vector<std::string>> planets = {
        {"Levels=1:5,4:5", "##BUILD##", "1:6:999", "4:6:998"},
        {"Levels=1:5,14:1", "##BUILD##", "1:6:999", "2:1:998", "4:1:997"},
        {"Levels=1:12,2:9,3:6,4:13,14:2", "Stock=20000:10000:3000", "Speed=2", "##BUILD##", "3:7:999", "1:13:998",
         "14:3:997", "31:1:996"},
    };
    for (const std::vector<std::string> &lines : planets) {
        std::vector<std::string> file{kHeader, "Temperature=30"};
        file.insert(file.end(), lines.begin(), lines.end());
        const std::string input = WriteFile("queue.bql", file);
        const std::string report = RunTool(report::RunReport, {input}).out;
        const std::string total = "before: " + report.substr(report.rfind("Total time: ") + 12);
        for (const bool economy : {true, false}) {
            std::vector<std::string> arguments{"--evaluations", "200000", input};
            if (economy)
                arguments.insert(arguments.begin(), "--economy");
            const ToolRun run = Optimize(arguments);
            ASSERT_EQ(run.status, 0) << lines[0] << run.err;
            const std::string before = Lines(run.out).at(0);
            EXPECT_EQ(before.substr(0, before.find(" (")) + "\n", total) << lines[0] << (economy ? " --economy" : "");
        }
    }
}

TEST_F(GoalToolTest, LargerGoalReportsThePlansTried)
{
    const std::string input = WriteFile("planet.bql", {kHeader, "Temperature=20", "##BUILD##"});
    const ToolRun run = Optimize({"--goal", "1=9,2=7,3=5,31=2,14=2", "--evaluations", "300000", input});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "goal: Metal Mine 9, Crystal Mine 7, Deuterium Synthesizer 5, Robotics Factory 2, "
                        "Research Lab 2");
    EXPECT_EQ(lines.back().rfind("search: best found, ", 0), 0u);
    EXPECT_EQ(lines.back().substr(lines.back().size() - 12), " plans tried");
    // The same budget and seed print the same plan.
    EXPECT_EQ(Optimize({"--goal", "1=9,2=7,3=5,31=2,14=2", "--evaluations", "300000", input}).out, run.out);
}

TEST_F(GoalToolTest, NoPlanExitsWithOneAndWritesNothing)
{
    const std::string input = WriteFile("hot.bql", {kHeader, "Temperature=700", "##BUILD##"});
    const std::string output = (dir_ / "out.bql").string();
    const ToolRun run = Optimize({"--goal", "1=2,106=1", "--evaluations", "10000", "--output", output, input});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    // Espionage needs Research Lab 3, whose first level already costs deuterium.
    EXPECT_EQ(run.err, "korvelin-optimize: no admissible plan: Research Lab level 1 can never get deuterium\n");
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(GoalArgumentsTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--goal", "", "q.bql"},         {"--goal", "14", "q.bql"},
        {"--goal", "14=x", "q.bql"},     {"--goal", "99=1", "q.bql"},
        {"--goal", "14=43", "q.bql"},    {"--goal", "14=1,", "q.bql"},
        {"--goal=14=-1", "q.bql"},       {"--goal", "14=1", "--economy", "q.bql"},
        {"--evaluations", "0", "q.bql"}, {"--evaluations", "-5", "q.bql"},
    };
    for (const auto &arguments : cases) {
        const ToolRun run = Optimize(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << " " << arguments[1];
        EXPECT_NE(run.err.find("Usage: korvelin-optimize"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
} // namespace korvelin::optimizetool
