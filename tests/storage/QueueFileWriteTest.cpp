#include "storage/QueueFile.h"

#include "TestQueues.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

using test::Entries;
using test::ReadTestData;

TEST(QueueFileWrite, ThreeEntryExampleMatchesGoldenBytes)
{
    const auto entries = Entries({{1, 1}, {1, 2}, {4, 1}});
    const std::string golden = ReadTestData("three-entry-queue/queue.bql");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(FormatQueueFile(entries, "35", "0.7"), golden);
}

TEST(QueueFileWrite, EmptyQueueIsExactlyThreeLines)
{
    EXPECT_EQ(FormatQueueFile({}, "0", "0.7"), ReadTestData("empty-queue/queue.bql"));
    EXPECT_EQ(FormatQueueFile({}, "0", "0.7"), "[Korvelin_0.7_BuildQueueList]\r\nTemperature=0\r\n##BUILD##\r\n");
}

struct TemperatureCase {
    const char *name;
    std::string fieldText;
    std::string line;
};

void PrintTo(const TemperatureCase &c, std::ostream *os)
{
    *os << c.name;
}

class TemperatureLine : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureLine, IsTheNumberTheFieldReadsAs)
{
    const std::string file = FormatQueueFile({}, GetParam().fieldText, "0.7");
    EXPECT_EQ(file, "[Korvelin_0.7_BuildQueueList]\r\n" + GetParam().line + "\r\n##BUILD##\r\n");
}

INSTANTIATE_TEST_SUITE_P(Texts, TemperatureLine,
                         testing::Values(TemperatureCase{"Negative", "-12", "Temperature=-12"},
                                         TemperatureCase{"PlusSign", "+7", "Temperature=7"},
                                         TemperatureCase{"Decimal", "3.5", "Temperature=3"},
                                         TemperatureCase{"Empty", "", "Temperature=0"},
                                         TemperatureCase{"LeadingBlank", " 5", "Temperature=0"},
                                         TemperatureCase{"Letters", "abc", "Temperature=0"},
                                         TemperatureCase{"Wraps", "4294967297", "Temperature=1"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(QueueFileWrite, RanksCountDownPastZeroAndIgnoreOrderStamps)
{
    std::vector<QueueEntry> entries(1001, QueueEntry{2, 3, 12345});
    const std::string file = FormatQueueFile(entries, "0", "0.7");
    EXPECT_NE(file.find("\r\n2:3:999\r\n2:3:998\r\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("\r\n2:3:1\r\n2:3:0\r\n2:3:-1\r\n")) << file.substr(file.size() - 40);
    EXPECT_EQ(file.find("12345"), std::string::npos);
}

TEST(QueueFileWrite, NegativeAndExtremeFieldsAreWrittenInDecimal)
{
    const std::vector<QueueEntry> entries = {{-5, INT32_MIN, 0}, {INT32_MAX, 0, 0}};
    const std::string file = FormatQueueFile(entries, "-2147483648", "0.7");
    EXPECT_NE(file.find("Temperature=-2147483648\r\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("##BUILD##\r\n-5:-2147483648:999\r\n2147483647:0:998\r\n"));
}

TEST(QueueFileWrite, HeaderCarriesTheVersionTag)
{
    EXPECT_EQ(QueueFileHeader("0.7"), "[Korvelin_0.7_BuildQueueList]");
    // An unreadable version block gives an empty tag.
    EXPECT_EQ(QueueFileHeader(""), "[Korvelin__BuildQueueList]");
    EXPECT_TRUE(FormatQueueFile({}, "0", "").starts_with("[Korvelin__BuildQueueList]\r\n"));
}

TEST(QueueFileWrite, OutputIsAsciiWithCrLfOnEveryLine)
{
    const auto entries = Entries({{1, 1}, {199, 1}, {44, 3}});
    const std::string file = FormatQueueFile(entries, "-40", "0.7");
    size_t lines = 0;
    for (size_t i = 0; i < file.size(); ++i) {
        const auto byte = static_cast<unsigned char>(file[i]);
        EXPECT_LT(byte, 0x80);
        if (byte == '\n') {
            ++lines;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(file[i - 1], '\r');
        } else if (byte == '\r') {
            ASSERT_LT(i + 1, file.size());
            EXPECT_EQ(file[i + 1], '\n');
        }
    }
    EXPECT_EQ(lines, 6u);
    EXPECT_TRUE(file.ends_with("\r\n"));
}

} // namespace
} // namespace korvelin
