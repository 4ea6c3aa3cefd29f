// korvelin-optimize --grow: the plan it saves keeps the limits and ends
// within the days, and bad use is refused.

#include "BuildVersion.h"
#include "RunOptimize.h"
#include "RunReport.h"
#include "ToolFolderTest.h"

#include <gtest/gtest.h>

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

using GrowToolTest = test::ToolFolderTest;

const std::string kHeader = test::BuildQueueHeader();

TEST_F(GrowToolTest, SavesAGrownPlanWithinTheDaysAndTheLimits)
{
    // The metal mine's next level costs more than the empty metal storage holds.
    const std::string path = WriteFile("planet.bql", {kHeader, "Temperature=20", "Levels=1:21,2:18,3:10,4:22",
                                                      "Stock=0:0:0", "##BUILD##", "31:1:999"});
    const std::string grown = (dir_ / "grown.bql").string();
    const ToolRun run =
        RunTool(RunOptimize, {"--grow", "30", "--ratio", "3:2:1", "--evaluations", "5000", "--output", grown, path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("horizon: 30d 00:00:00 (2592000 s), ratio 3:2:1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("over best payback first\nsearch: best found, "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("production value: -"), std::string::npos) << run.out;

    const ToolRun check = RunTool(report::RunReport, {"--check", grown});
    EXPECT_EQ(check.status, 0) << check.out;
    // The total_s column of the last CSV row: the plan's end.
    const ToolRun walked = RunTool(report::RunReport, {"--format", "csv", grown});
    const std::string last = walked.out.substr(walked.out.rfind('\n', walked.out.size() - 2) + 1);
    size_t field = 0;
    for (int comma = 0; comma < 11; ++comma)
        field = last.find(',', field) + 1;
    EXPECT_LE(std::stoll(last.substr(field)), 30 * 86'400) << last;
    EXPECT_NE(walked.out.find(",22,1,"), std::string::npos) << "a metal storage level for the mines";
}

TEST_F(GrowToolTest, RefusesBadUseAndAPlanPastTheDays)
{
    const std::string path = WriteFile("plan.bql", {kHeader, "Temperature=0", "##BUILD##", "1:1:999"});
    const std::vector<std::vector<std::string>> usage = {
        {"--grow", "0", path},
        {"--grow", "3651", path},
        {"--grow", "x", path},
        {"--ratio", "3:2:1", path},
        {"--grow", "1", "--ratio", "3:2", path},
        {"--grow", "1", "--economy", path},
    };
    for (const auto &arguments : usage) {
        const ToolRun run = RunTool(RunOptimize, arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << " " << arguments[1];
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    const std::string longPlan =
        WriteFile("long.bql", {kHeader, "Temperature=0", "Levels=1:40", "##BUILD##", "1:41:999"});
    const ToolRun late = RunTool(RunOptimize, {"--grow", "1", "--evaluations", "100", longPlan});
    EXPECT_EQ(late.status, 1);
    EXPECT_NE(late.err.find("The plan already ends after 1 days"), std::string::npos) << late.err;
}

} // namespace
} // namespace korvelin::optimizetool
