#include "BuildVersion.h"
#include "RunReport.h"
#include "ToolFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvelin::report {
namespace {

namespace fs = std::filesystem;

struct ReportRun {
    int status;
    std::string out;
    std::string err;
};

class ReportTest : public test::ToolFolderTest {
  protected:
    static ReportRun RunWith(const std::vector<std::string> &arguments)
    {
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunReport(views, out, err);
        return {status, out.str(), err.str()};
    }
};

const std::string kHeader = test::BuildQueueHeader();
const char *const kCsvHeader =
    "index,bid,level,metal_cost,crystal_cost,deuterium_cost,build_time_s,metal_wait_s,crystal_wait_s,"
    "deuterium_wait_s,step_s,total_s,metal_stock,crystal_stock,deuterium_stock,metal_per_hour,crystal_per_hour,"
    "deuterium_per_hour,energy_produced,energy_balance,production_factor\n";

TEST_F(ReportTest, WorkedStartAsCsv)
{
    const std::string path = WriteFile("start.bql", {kHeader, "Temperature=0", "##BUILD##", "1:1:999", "1:2:998"});
    const ReportRun run = RunWith({"--format", "csv", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, std::string(kCsvHeader) + "1,1,1,60,15,0,108,0,0,0,108,108,441,485,0,20,10,0,0,0,100\n"
                                                 "2,1,2,90,22,0,161,0,0,0,161,269,353,463,0,53,10,0,0,-11,100\n");
}

TEST_F(ReportTest, CheckListsTheBrokenLimitsAndExitsOneForAny)
{
    const std::string broken = WriteFile("broken.bql", {kHeader, "Temperature=0", "Levels=1:21", "Stock=0:0:0",
                                                        "##BUILD##", "1:22:999", "108:1:998", "31:1:997"});
    const ReportRun run = RunWith({"--check", broken});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1. Metal Mine (22): costs 299273 metal; the metal storage holds 100000\n"
                       "2. Computer (1): needs Research Lab 1\n");
    const std::string sound = WriteFile("sound.bql", {kHeader, "Temperature=0", "##BUILD##", "31:1:999", "108:1:998"});
    EXPECT_EQ(RunWith({"--check", sound}).status, 0);
    EXPECT_EQ(RunWith({"--check", sound}).out, "");
}

TEST_F(ReportTest, TableEndsWithTheTotal)
{
    const std::string path = WriteFile("start.bql", {kHeader, "Temperature=0", "##BUILD##", "1:1:999", "14:1:998"});
    const ReportRun run = RunWith({path});
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);)
        all.push_back(line);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_NE(all[0].find("Item"), std::string::npos);
    EXPECT_NE(all[1].find("Metal Mine"), std::string::npos);
    EXPECT_NE(all[2].find("Robotics Factory"), std::string::npos);
    // Every row is as wide as the header: the columns line up.
    EXPECT_EQ(all[1].size(), all[0].size());
    EXPECT_EQ(all[3], "Total time: 00:14:16");
    // The robotics factory costs deuterium before any synthesizer stands in the queue.
    EXPECT_EQ(run.err, "line 2: Build is Corrupted - FixItPlz\n");
}

TEST_F(ReportTest, TableColumnsLineUpAroundCyrillicNames)
{
    const std::string path =
        WriteFile("moon.bql", {kHeader, "Temperature=0", "##BUILD##", "3:1:999", "14:1:998", "41:1:997"});
    EXPECT_EQ(
        RunWith({path}).out,
        "#  Item                   Level  Metal  Crystal  Deuterium        Wait M         Wait K        Wait D     "
        "Build          Total  Stock M  Stock K  Stock D\n"
        "1  Deuterium Synthesizer      1    225       75          0      00:00:00       00:00:00      00:00:00  "
        "00:07:12       00:07:12      277      426        0\n"
        "2  Robotics Factory           1    400      120        200      06:09:01       00:00:00      14:17:09  "
        "00:12:28       14:24:21      163      449        0\n"
        "3  Лунная база                1  20000    40000      20000  41d 07:51:01  164d 19:06:01  59d 12:34:18  "
        "12:00:00  165d 09:30:22    59265        0    35371\n"
        "Total time: 165d 09:30:22\n");
}

TEST_F(ReportTest, TemperatureOptionOverridesTheFile)
{
    // Deuterium per hour at the second synthesizer entry: 14 at T = 0, 13 at T = 40.
    const std::string path = WriteFile("t.bql", {kHeader, "Temperature=40", "##BUILD##", "3:1:999", "3:2:998"});
    const auto deuteriumPerHour = [](const std::string &csv) {
        const std::string last = csv.substr(csv.rfind('\n', csv.size() - 2) + 1);
        std::vector<std::string> fields;
        std::istringstream in(last);
        for (std::string f; std::getline(in, f, ',');)
            fields.push_back(f);
        return fields.at(17);
    };
    EXPECT_EQ(deuteriumPerHour(RunWith({"--format=csv", path}).out), "13");
    EXPECT_EQ(deuteriumPerHour(RunWith({"--format=csv", "--temperature", "0", path}).out), "14");
}

TEST_F(ReportTest, PlanetFromTheFileOrTheOptions)
{
    // The first entry's CSV row on the planet of the file, then the same
    // planet given on the command line to a file without one.
    const std::string withPlanet = WriteFile("p.bql", {kHeader, "Temperature=0", "Levels=1:20", "Stock=0:0:0",
                                                       "Satellites=2", "Speed=2", "##BUILD##", "1:21:999"});
    const std::string plain = WriteFile("q.bql", {kHeader, "Temperature=0", "##BUILD##", "1:21:999"});
    const ReportRun fromFile = RunWith({"--format=csv", withPlanet});
    const ReportRun fromOptions =
        RunWith({"--format=csv", "--levels", "1:20", "--stock=0:0:0", "--speed", "2", "--satellites=2", plain});
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, fromOptions.out);
    // An item by its English name, case and blanks around it ignored.
    EXPECT_EQ(RunWith({"--format=csv", "--levels", " metal MINE :20", "--stock=0:0:0", "--speed", "2", "--satellites=2",
                       plain})
                  .out,
              fromOptions.out);
    // The mine at its start level 20 needs 1345 energy against the two
    // satellites' 40: factor 0, so only the base production, doubled.
    EXPECT_NE(fromFile.out.find(",40,20,0,40,-1305,0\n"), std::string::npos) << fromFile.out;
    EXPECT_NE(RunWith({"--format=csv", "--speed=1", withPlanet}).out, fromFile.out);
    // The game rules from the file or the option; the option overrides the file.
    const std::string game = WriteFile("g.bql", {kHeader, "Temperature=0", "Rules=game", "##BUILD##", "111:1:999"});
    const std::string armour = WriteFile("a.bql", {kHeader, "Temperature=0", "##BUILD##", "111:1:999"});
    EXPECT_EQ(RunWith({"--format=csv", game}).out, RunWith({"--format=csv", "--rules", "game", armour}).out);
    EXPECT_EQ(RunWith({"--format=csv", "--rules=classic", game}).out, RunWith({"--format=csv", armour}).out);
    EXPECT_NE(RunWith({"--format=csv", game}).out, RunWith({"--format=csv", armour}).out);
}

TEST_F(ReportTest, UnknownBidIsReportedAndSkipped)
{
    const std::string path = WriteFile("u.bql", {kHeader, "##BUILD##", "1:1:999", "5:1:998", "2:1:997"});
    const ReportRun run = RunWith({"--format", "csv", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Unknown BID: 5\n");
    EXPECT_NE(run.out.find("\n2,2,1,"), std::string::npos);
    EXPECT_EQ(run.out.find("\n3,"), std::string::npos);
}

TEST_F(ReportTest, FileErrorsExitWithOne)
{
    const std::string rejected = WriteFile("old.bql", {"[Korvelin_0.6_BuildQueueList]", "##BUILD##", "1:1:999"});
    ReportRun run = RunWith({rejected});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "korvelin-report: " + rejected + ": Config file is corrupted or not version " +
                           VersionTag(test::kBuildVersion) + "\n");

    const std::string missing = (dir_ / "missing.bql").string();
    run = RunWith({missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "korvelin-report: cannot read " + missing + ": No such file or directory\n");

    const std::string good = WriteFile("good.bql", {kHeader, "##BUILD##", "1:1:999"});
    run = RunWith({"--output", (dir_ / "no-such-dir" / "out.csv").string(), good});
    EXPECT_EQ(run.status, 1);
}

TEST_F(ReportTest, OutputOptionWritesTheFile)
{
    const std::string good = WriteFile("good.bql", {kHeader, "##BUILD##", "1:1:999"});
    const std::string target = (dir_ / "out.csv").string();
    const ReportRun run = RunWith({"--format", "csv", "--output", target, good});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    std::ifstream file(target, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, std::string(kCsvHeader) + "1,1,1,60,15,0,108,0,0,0,108,108,441,485,0,20,10,0,0,0,100\n");
}

TEST(ReportArgumentsTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--format", "xml", "q.bql"},
        {"--temperature"},
        {"--bogus", "q.bql"},
        {"a.bql", "b.bql"},
        {"--levels", "1:x", "q.bql"},
        {"--levels=77:1", "q.bql"},
        {"--levels", "1:-1", "q.bql"},
        {"--stock", "1:2", "q.bql"},
        {"--stock=a:b:c", "q.bql"},
        {"--speed", "0", "q.bql"},
        {"--speed=101", "q.bql"},
        {"--temperature=-x", "q.bql"},
        {"--temperature", "1001", "q.bql"},
        {"--satellites", "-1", "q.bql"},
        {"--levels", "Metal Mine:77", "q.bql"},
        {"--levels", "Metal Mines:1", "q.bql"},
        {"--stock", "1:2:-3", "q.bql"},
        {"--stock", "1:2:1000000000000001", "q.bql"},
        {"--rules", "Game", "q.bql"},
        {"--rules=", "q.bql"},
    };
    for (const auto &arguments : cases) {
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunReport(views, out, err), 2) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_NE(err.str().find("Usage: korvelin-report"), std::string::npos);
    }
}

TEST(ReportArgumentsTest, HelpAndVersion)
{
    const std::vector<std::string_view> version{"--version"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReport(version, out, err), 0);
    EXPECT_EQ(out.str(), std::string("korvelin-report ") + test::kBuildVersion + "\n");
    const std::vector<std::string_view> help{"--help"};
    std::ostringstream helpOut;
    EXPECT_EQ(RunReport(help, helpOut, err), 0);
    EXPECT_EQ(helpOut.str().rfind("Usage: korvelin-report", 0), 0u);
    // The items a person can name, with their BIDs and levels.
    EXPECT_NE(helpOut.str().find("\n    21  Shipyard                        0 to 42\n"), std::string::npos);
}

TEST_F(ReportTest, PaybackRanksTheNextUpgradesAsCsv)
{
    // Worked by hand at 3:2:1: the metal mine's 165 against 33 × 2 an hour is
    // 9000 s; the solar plant adds nothing on a planet that uses no energy.
    const std::string path = WriteFile("start.bql", {kHeader, "Temperature=0", "##BUILD##", "1:1:999"});
    const ReportRun run = RunWith({"--payback", "--at", "0", "--format", "csv", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "bid,level,with,metal_cost,crystal_cost,deuterium_cost,metal_gain,crystal_gain,"
                       "deuterium_gain,payback_s\n"
                       "1,1,,60,15,0,33,0,0,9000\n"
                       "2,1,,48,24,0,0,22,0,9164\n"
                       "3,1,,225,75,0,0,0,14,28929\n"
                       "4,1,,75,30,0,0,0,0,\n");
    // On solar 1, mines 2 and 1 the mine's level 3 overdraws the energy;
    // solar 2 brings the factor back: 135 + 112 metal and 33 + 45 crystal,
    // worth 325 at 1:1:1, against 85 + 12 an hour: ceil(1170000 / 97).
    const ReportRun solar = RunWith({"--payback", "--ratio=1:1:1", "--levels", "4:1,1:1,2:1", "--format", "csv", path});
    EXPECT_EQ(solar.status, 0);
    EXPECT_NE(solar.out.find("\n1,3,4:2,247,78,0,85,12,0,12062\n"), std::string::npos) << solar.out;
}

TEST_F(ReportTest, PaybackRefusesBadUse)
{
    const std::string path = WriteFile("start.bql", {kHeader, "Temperature=0", "##BUILD##", "1:1:999"});
    const std::vector<std::vector<std::string>> cases = {
        {"--payback", "--ratio", "3:2", path},
        {"--payback", "--ratio", "0:1:1", path},
        {"--payback", "--at", "-1", path},
        {"--payback", "--at", "2", path},
        {"--payback", "--check", path},
        {"--ratio", "3:2:1", path},
        {"--at", "1", path},
    };
    for (const auto &arguments : cases) {
        const ReportRun run = RunWith(arguments);
        EXPECT_EQ(run.status, 2) << arguments[1] << " " << arguments[2];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
}

} // namespace
} // namespace korvelin::report
