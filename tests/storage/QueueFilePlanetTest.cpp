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
    planet.startStock = {120000, 80000, 15000};
    planet.inputs.satellites = 3;
    planet.inputs.economySpeed = 5;
    const std::string bytes = FormatQueueFile(test::Entries({{1, 21}}), "40", planet, "0.7");
    EXPECT_EQ(bytes, std::string(kHeader) +
                         "Levels=1:20,2:17,14:2\r\nStock=120000:80000:15000\r\nSatellites=3\r\nSpeed=5\r\n"
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
        KeyCase{"UnknownBidSkippedNegativeLevelIsZero",
                "Levels=1:5,77:3,2:-4,,3\r\n",
                5,
                0,
                {500, 500, 0},
                1,
                {"Unknown BID: 77"}},
        KeyCase{"LaterLineOverrides", "Levels=1:5\r\nLevels=2:6\r\nSpeed=3\r\nSpeed=4\r\n", 0, 6, {500, 500, 0}, 4, {}},
        KeyCase{"MissingStockFieldsAreZero", "Stock=7\r\n", 0, 0, {7, 0, 0}, 1, {}},
        KeyCase{"StockBeyond32Bits", "Stock=99999999999:x:-5:8\r\n", 0, 0, {99999999999, 0, -5}, 1, {}},
        KeyCase{"SpeedClampedLow", "Speed=0\r\n", 0, 0, {500, 500, 0}, 1, {}},
        KeyCase{"SpeedClampedHigh", "Speed=250\r\n", 0, 0, {500, 500, 0}, 100, {}}),
    [](const testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

TEST(QueueFilePlanet, SatellitesKeepTheirText)
{
    EXPECT_EQ(Parse("Satellites=12x\r\n").satellites, "12x");
    EXPECT_FALSE(Parse("").satellites.has_value());
}

} // namespace
} // namespace korvelin
