#include "storage/QueueFile.h"

#include "TestQueues.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

constexpr std::string_view kHeader = "[Korvelin_0.7_BuildQueueList]\r\nTemperature=40\r\n";

QueueFileContents Parse(std::string_view keyLines)
{
    return ParseQueueFile(std::string(kHeader) + std::string(keyLines) + "##BUILD##\r\n1:21:999\r\n", "0.7");
}

TEST(QueueFilePlanet, EveryKeyWrittenInOrderAndReadBack)
{
    Planet planet;
    planet.SetStartLevel(bid::kMetalMine, 20);
    planet.SetStartLevel(bid::kCrystalMine, 17);
    planet.SetStartLevel(bid::kRoboticsFactory, 2);
    // Past 2^32, as Built up to here leaves a long plan's stock.
    planet.startStock = {274467426591, 5000000000, 15000};
    planet.inputs.satellites = 3;
    planet.inputs.economySpeed = 5;
    const std::string bytes = FormatQueueFile(test::Entries({{1, 21}}), "40", planet, "0.7");
    EXPECT_EQ(bytes, std::string(kHeader) +
                         "Levels=1:20,2:17,14:2\r\nStock=274467426591:5000000000:15000\r\nSatellites=3\r\nSpeed=5\r\n"
                         "##BUILD##\r\n1:21:999\r\n");

    const QueueFileContents contents = ParseQueueFile(bytes, "0.7");
    EXPECT_EQ(contents.satellites, "3");
    Planet read = LoadedPlanet(contents);
    read.inputs.satellites = 3;
    EXPECT_EQ(read, planet);
    EXPECT_TRUE(LoadMessages(contents, "0.7").empty());
    // Only what differs from the planet built from nothing is written.
    Planet speedOnly;
    speedOnly.inputs.economySpeed = 2;
    EXPECT_FALSE(speedOnly.StartsFromNothing());
    EXPECT_EQ(FormatQueueFile({}, "0", speedOnly, "0.7"),
              "[Korvelin_0.7_BuildQueueList]\r\nTemperature=0\r\nSpeed=2\r\n##BUILD##\r\n");
}

TEST(QueueFilePlanet, GameRulesWrittenAfterThePlanetKeysAndReadBack)
{
    Planet planet;
    planet.inputs.economySpeed = 2;
    planet.inputs.rules = GameRules::Game;
    const std::string bytes = FormatQueueFile(test::Entries({{111, 1}}), "40", planet, "0.7");
    EXPECT_EQ(bytes, std::string(kHeader) + "Speed=2\r\nRules=game\r\n##BUILD##\r\n111:1:999\r\n");
    const QueueFileContents contents = ParseQueueFile(bytes, "0.7");
    EXPECT_TRUE(contents.Accepted());
    EXPECT_EQ(LoadedPlanet(contents), planet);
    // "classic" reads as the default, which is never written.
    const QueueFileContents classic = Parse("Rules=classic\r\n");
    EXPECT_EQ(classic.rules, GameRules::Classic);
    EXPECT_EQ(FormatQueueFile({}, "40", LoadedPlanet(classic), "0.7"), std::string(kHeader) + "##BUILD##\r\n");
}

struct KeyCase {
    const char *name;
    std::string keyLines;
    int32_t metalMine;
    int32_t crystalMine;
    std::array<int64_t, 3> stock;
    int32_t speed;
    std::vector<std::string> messages;
};

class QueueFilePlanetKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(QueueFilePlanetKeys, ReadAsTheyAreMeant)
{
    const KeyCase &c = GetParam();
    const QueueFileContents contents = Parse(c.keyLines);
    ASSERT_TRUE(contents.headerAccepted);
    const Planet planet = LoadedPlanet(contents);
    EXPECT_EQ(planet.StartLevel(bid::kMetalMine), c.metalMine);
    EXPECT_EQ(planet.StartLevel(bid::kCrystalMine), c.crystalMine);
    EXPECT_EQ(planet.startStock, c.stock);
    EXPECT_EQ(planet.inputs.economySpeed, c.speed);
    EXPECT_EQ(LoadMessages(contents, "0.7"), c.messages);
    EXPECT_EQ(contents.entries.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueueFilePlanetKeys,
    testing::Values(
        KeyCase{"NoKeysIsThePlanetFromNothing", "", 0, 0, {500, 500, 0}, 1, {}},
        KeyCase{"UnknownBidSkippedEmptyLevelIsZero",
                "Levels=1:5,77:3,2:,,3\r\n",
                5,
                0,
                {500, 500, 0},
                1,
                {"Unknown BID: 77"}},
        KeyCase{"LaterLineOverrides", "Levels=1:5\r\nLevels=2:6\r\nSpeed=3\r\nSpeed=4\r\n", 0, 6, {500, 500, 0}, 4, {}},
        KeyCase{"MissingStockFieldsAreZero", "Stock=7\r\n", 0, 0, {7, 0, 0}, 1, {}},
        KeyCase{
            "StockBeyond32Bits", "Stock=274467426591:x:5000000000:8\r\n", 0, 0, {274467426591, 0, 5000000000}, 1, {}},
        KeyCase{"LevelsAtTheirHighest", "Levels=1:76,2:66\r\n", 76, 66, {500, 500, 0}, 1, {}},
        KeyCase{"SpeedAtItsHighest", "Speed=100\r\n", 0, 0, {500, 500, 0}, 100, {}}),
    [](const testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

struct RefusedCase {
    const char *name;
    std::string lines; // key lines, then build lines after the marker
    std::string message;
};

class QueueFileRefused : public testing::TestWithParam<RefusedCase> {};

// Nothing past its range is cut or wrapped into another value: the file is
// refused, with the field and its range named.
TEST_P(QueueFileRefused, NamesTheFieldAndItsRange)
{
    const RefusedCase &c = GetParam();
    const QueueFileContents contents = ParseQueueFile(
        std::string(kHeader) + c.lines + (c.lines.find("##BUILD##") == std::string::npos ? "##BUILD##\r\n" : ""),
        "0.7");
    EXPECT_TRUE(contents.headerAccepted);
    EXPECT_FALSE(contents.Accepted());
    EXPECT_EQ(LoadMessages(contents, "0.7"), std::vector<std::string>{"The file is not opened: " + c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueueFileRefused,
    testing::Values(
        RefusedCase{"SpeedAbove100", "Speed=1000\r\n",
                    "Economy speed must be a whole number from 1 to 100, not 1000 (its Speed line)."},
        RefusedCase{"UnknownRules", "Rules=Game\r\n", "Rules must be classic or game, not 'Game' (its Rules line)."},
        RefusedCase{"SpeedZero", "Speed=0\r\n",
                    "Economy speed must be a whole number from 1 to 100, not 0 (its Speed line)."},
        RefusedCase{"NegativeSatellites", "Satellites=-99999999999\r\n",
                    "Satellites must be a whole number from 0 to 1000000000, not -99999999999 (its Satellites line)."},
        RefusedCase{
            "LevelPastSoundFigures", "Levels=1:77\r\n",
            "Start level of Metal Mine must be a whole number from 0 to 76 (higher levels overflow the figures), "
            "not 77 (its Levels line)."},
        RefusedCase{"LevelBeyond32Bits", "Levels=2:99999999999\r\n",
                    "Start level of Crystal Mine must be a whole number from 0 to 66 (higher levels overflow the "
                    "figures), not 99999999999 (its Levels line)."},
        RefusedCase{"NegativeLevel", "Levels=2:-4\r\n",
                    "Start level of Crystal Mine must be a whole number from 0 to 66 (higher levels overflow the "
                    "figures), not -4 (its Levels line)."},
        RefusedCase{"NegativeStock", "Stock=1:2:-5\r\n",
                    "Start stock of deuterium must be a whole number from 0 to 1000000000000000, not -5 (its Stock "
                    "line)."},
        RefusedCase{"HotterThanAnyPlanet", "Temperature=5000\r\n",
                    "Maximum temperature must be a whole number from -1000 to 1000, not 5000 (its Temperature line)."},
        RefusedCase{"BuildLevelBeyond32Bits", "##BUILD##\r\n4:1:999\r\n1:99999999999:998\r\n",
                    "The level of Metal Mine must be a whole number from -2147483648 to 2147483647, not 99999999999 "
                    "(build line 2)."}),
    [](const testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

TEST(QueueFilePlanet, SatellitesKeepTheirText)
{
    EXPECT_EQ(Parse("Satellites=12x\r\n").satellites, "12x");
    EXPECT_FALSE(Parse("").satellites.has_value());
}

} // namespace
} // namespace korvelin
