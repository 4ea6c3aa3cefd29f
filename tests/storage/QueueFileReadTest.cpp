#include "storage/QueueFile.h"

#include "ReferenceQueueReader.h"
#include "TestQueues.h"

#include <gtest/gtest.h>

#include <optional>

namespace korvelin {
namespace {

const std::string kHeader = "[Korvelin_0.7_BuildQueueList]\r\n";
const std::string kKeys = kHeader + "Temperature=5\r\n##BUILD##\r\n";

struct ReadCase {
    const char *name;
    std::string bytes;
    bool accepted;
    std::optional<std::string> temperature;
    std::vector<LoadedEntry> entries;
    std::vector<int32_t> unknownBids;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

const std::optional<std::string> kNone;

// One row per file; kept one line each where it fits.
// clang-format off
const ReadCase kReadCases[] = {
    {"ThreeEntryExample", test::ReadTestData("three-entry-queue/queue.bql"), true, "35", {{1, 1}, {1, 2}, {4, 1}}, {}},
    {"EmptyFile", "", false, kNone, {}, {}},
    {"OtherFirstLine", "hello\r\n" + kKeys.substr(kHeader.size()) + "1:1:999\r\n", false, kNone, {}, {}},
    {"OtherVersionTag", "[Korvelin_0.6_BuildQueueList]\r\nTemperature=5\r\n##BUILD##\r\n1:1:999\r\n", false, kNone,
     {}, {}},
    {"HeaderWithTrailingBlank", "[Korvelin_0.7_BuildQueueList] \r\n##BUILD##\r\n", false, kNone, {}, {}},
    {"HeaderInOtherCase", "[korvelin_0.7_buildqueuelist]\r\n##BUILD##\r\n", false, kNone, {}, {}},
    {"HeaderCutShort", "[Korvelin_0.7_BuildQueueList\r\n", false, kNone, {}, {}},
    {"HeaderAloneWithoutLineEnd", "[Korvelin_0.7_BuildQueueList]", true, kNone, {}, {}},
    {"LfOnlyLines", "[Korvelin_0.7_BuildQueueList]\nTemperature=-3\n##BUILD##\n1:1:999\n2:1:998\n", true, "-3",
     {{1, 1}, {2, 1}}, {}},
    {"TemperatureTextUnconverted", kHeader + "Temperature=abc\r\n##BUILD##\r\n", true, "abc", {}, {}},
    {"TemperatureValueKeepsBlanksAndEquals", kHeader + "Temperature= 1=2 \r\n##BUILD##\r\n", true, " 1=2 ", {}, {}},
    {"TemperatureWithoutEqualsEmpties", kHeader + "Temperature\r\n##BUILD##\r\n", true, "", {}, {}},
    {"SecondTemperatureOverrides", kHeader + "Temperature=5\r\nTemperature=-7\r\n##BUILD##\r\n", true, "-7", {}, {}},
    {"LowerCaseKeyIgnored", kHeader + "temperature=5\r\n##BUILD##\r\n", true, kNone, {}, {}},
    {"OtherKeysIgnored", kHeader + "Foo=1\r\nTemperature =3\r\nTemperatureX=4\r\nTemp=5\r\n##BUILD##\r\n", true, kNone,
     {}, {}},
    {"TemperatureAfterMarkerIsABuildLine", kKeys + "Temperature=9\r\n", true, "5", {}, {0}},
    {"NoMarkerReadsEverythingAsKeys", kHeader + "Temperature=5\r\n1:1:999\r\nTemperature=6\r\n", true, "6", {}, {}},
    {"MarkerWithTrailingBlankIsAKey", kHeader + "##BUILD## \r\n1:1:999\r\n", true, kNone, {}, {}},
    {"MarkerWithEqualsIsAKey", kHeader + "##BUILD##=\r\n1:1:999\r\n", true, kNone, {}, {}},
    {"SecondMarkerIsABuildLine", kKeys + "##BUILD##\r\n1:1:999\r\n", true, "5", {{1, 1}}, {0}},
    {"LevelFields", kKeys + "4:7\r\n4:7:5:9\r\n4\r\n4:\r\n4:-2:x\r\n", true, "5",
     {{4, 7}, {4, 7}, {4, 0}, {4, 0}, {4, -2}}, {}},
    {"LeadingBlankGivesBidZero", kKeys + " 4:7\r\n", true, "5", {}, {0}},
    {"UnknownBidsSkippedInOrder", kKeys + "5:1\r\n1:1\r\n0:0\r\n-1:3\r\nabc\r\n+2:4\r\n", true, "5",
     {{1, 1}, {2, 4}}, {5, 0, -1, 0}},
    {"ExtraEmptyLastLine", kKeys + "1:1:999\r\n2:1:998\r\n\r\n", true, "5", {{1, 1}, {2, 1}}, {0}},
    {"LastLineWithoutLineEnd", kKeys + "1:1:999\r\n2:1:998", true, "5", {{1, 1}, {2, 1}}, {}},
    {"LevelsOutOfOrderKept", kKeys + "1:2:999\r\n1:1:998\r\n", true, "5", {{1, 2}, {1, 1}}, {}},
    {"RankIgnored", kKeys + "2:1:5\r\n1:1:999\r\n3:1:-4\r\n", true, "5", {{2, 1}, {1, 1}, {3, 1}}, {}},
    {"CtrlZEndsTheFile", kKeys + "1:1:999\r\n\x1a" "2:1:998\r\n", true, "5", {{1, 1}}, {}},
    {"CtrlZEndsTheLineBeingRead", kKeys + "4:5\x1a" "9\r\n2:1\r\n", true, "5", {{4, 5}}, {}},
    {"CtrlZInsideHeader", "[Korvelin_0.7_\x1a" "BuildQueueList]\r\n", false, kNone, {}, {}},
    {"CtrlZFirst", "\x1a" + kKeys, false, kNone, {}, {}},
    {"CtrlZInKeySection", kHeader + "Temperature=4\x1a" "2\r\n##BUILD##\r\n1:1\r\n", true, "4", {}, {}},
    {"LoneCrDroppedFromLine", kKeys + "4:\r7\r\n", true, "5", {{4, 7}}, {}},
    {"LoneCrInsideHeader", "[Korvelin_0.7_\rBuildQueueList]\r\n", true, kNone, {}, {}},
    {"CrCrLf", kKeys + "4:7\r\r\n", true, "5", {{4, 7}}, {}},
    {"LoneCrAtEndIsAnEmptyLine", kKeys + "1:1\r\n\r", true, "5", {{1, 1}}, {0}},
    {"NulByteEndsADigitRun", kKeys + std::string("1\0:2\r\n", 6), true, "5", {{1, 2}}, {}},
    {"BidDigitRunsWrapAt32Bits", kKeys + "4294967297:7\r\n", true, "5", {{1, 7}}, {}},
    {"SignsOnBothFields", kKeys + "+1:+3\r\n-0:-0\r\n", true, "5", {{1, 3}}, {0}},
};
// clang-format on

class QueueFileRead : public testing::TestWithParam<ReadCase> {};

void ExpectContents(const QueueFileContents &got, const ReadCase &c)
{
    EXPECT_EQ(got.headerAccepted, c.accepted);
    EXPECT_EQ(got.temperature, c.temperature);
    EXPECT_EQ(got.entries, c.entries);
    EXPECT_EQ(got.firstUnknownBids, c.unknownBids);
    EXPECT_EQ(got.unknownBidLines, c.unknownBids.size());
    EXPECT_FALSE(got.tooManyEntries);
}

TEST_P(QueueFileRead, WholeFile)
{
    ExpectContents(ParseQueueFile(GetParam().bytes, "0.7"), GetParam());
}

TEST_P(QueueFileRead, ByteByByte)
{
    QueueFileParser parser("0.7");
    for (const char c : GetParam().bytes)
        parser.Feed(std::string_view(&c, 1));
    ExpectContents(parser.Finish(), GetParam());
}

TEST_P(QueueFileRead, PlainLineReaderAgrees)
{
    ExpectContents(test::ReferenceReadQueueFile(GetParam().bytes, "0.7"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Files, QueueFileRead, testing::ValuesIn(kReadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(QueueFileRead, EmptyVersionTagExpectsTwoUnderscores)
{
    EXPECT_TRUE(ParseQueueFile("[Korvelin__BuildQueueList]\r\n", "").headerAccepted);
    EXPECT_FALSE(ParseQueueFile("[Korvelin_0.7_BuildQueueList]\r\n", "").headerAccepted);
}

TEST(QueueFileRead, RejectionStopsReading)
{
    QueueFileParser parser("0.7");
    parser.Feed("[Korvelin_0.6_BuildQueueList]\r\n");
    EXPECT_TRUE(parser.Complete());
    parser.Feed("Temperature=5\r\n");
    EXPECT_FALSE(parser.Finish().temperature.has_value());
}

TEST(QueueFileRead, FirstLineLongerThanTheHeaderStopsReading)
{
    QueueFileParser parser("0.7");
    parser.Feed(std::string(QueueFileHeader("0.7").size(), '\0'));
    EXPECT_FALSE(parser.Complete());
    parser.Feed(std::string(1, '\0'));
    EXPECT_TRUE(parser.Complete());
    EXPECT_FALSE(parser.Finish().headerAccepted);
}

TEST(QueueFileRead, EntriesBeyondTheLimitMarkTheFileTooLarge)
{
    QueueFileParser parser("0.7", 2);
    parser.Feed(kKeys + "1:1\r\n1:2\r\n1:3\r\n1:4\r\n");
    EXPECT_TRUE(parser.Complete());
    const QueueFileContents contents = parser.Finish();
    EXPECT_TRUE(contents.tooManyEntries);
    EXPECT_EQ(contents.entries.size(), 2u);
}

struct MessagesCase {
    const char *name;
    uint64_t unknownLines;
    size_t exactBoxes;
    std::string summary; // empty: no summary box
};

class LoadMessagesCount : public testing::TestWithParam<MessagesCase> {};

TEST_P(LoadMessagesCount, ShowsAtMostTenBoxes)
{
    QueueFileContents contents;
    contents.headerAccepted = true;
    contents.unknownBidLines = GetParam().unknownLines;
    for (uint64_t i = 0; i < GetParam().unknownLines && i < kMaxUnknownBidMessages; ++i)
        contents.firstUnknownBids.push_back(static_cast<int32_t>(100 + i));
    const auto messages = LoadMessages(contents, "0.7");
    const size_t boxes = GetParam().exactBoxes + (GetParam().summary.empty() ? 0 : 1);
    ASSERT_EQ(messages.size(), boxes);
    for (size_t i = 0; i < GetParam().exactBoxes; ++i)
        EXPECT_EQ(messages[i], "Unknown BID: " + std::to_string(100 + i));
    if (!GetParam().summary.empty()) {
        EXPECT_EQ(messages.back(), GetParam().summary);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LoadMessagesCount,
    testing::Values(MessagesCase{"None", 0, 0, ""}, MessagesCase{"One", 1, 1, ""}, MessagesCase{"Ten", 10, 10, ""},
                    MessagesCase{"Eleven", 11, 9, "Skipped 2 more lines with an unknown BID"},
                    MessagesCase{"Million", 1000000, 9, "Skipped 999991 more lines with an unknown BID"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadMessages, RejectionNamesTheReadersOwnTag)
{
    const QueueFileContents rejected = ParseQueueFile("[Korvelin_0.6_BuildQueueList]\r\n", "0.7");
    EXPECT_EQ(LoadMessages(rejected, "0.7"), std::vector<std::string>{"Config file is corrupted or not version 0.7"});
    EXPECT_EQ(LoadMessages(rejected, ""), std::vector<std::string>{"Config file is corrupted or not version "});
}

TEST(LoadMessages, ExtraEmptyLineGivesOneUnknownBidZero)
{
    const auto contents = ParseQueueFile(test::ReadTestData("three-entry-queue/queue.bql") + "\r\n", "0.7");
    EXPECT_EQ(LoadMessages(contents, "0.7"), std::vector<std::string>{"Unknown BID: 0"});
}

TEST(ApplyLoadedQueue, ReplacesQueueWithFreshStampsAndQueuedLevels)
{
    BuildQueue queue;
    queue.AppendEntry(14, 1);
    ApplyLoadedQueue(queue, std::vector<LoadedEntry>{{1, 2}, {1, 1}, {4, 9}, {1, 5}});
    ASSERT_EQ(queue.Count(), 4);
    const int32_t expected[][3] = {{1, 2, 999}, {1, 1, 998}, {4, 9, 997}, {1, 5, 996}};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(queue.At(i).bid, expected[i][0]);
        EXPECT_EQ(queue.At(i).level, expected[i][1]);
        EXPECT_EQ(queue.At(i).order, expected[i][2]);
    }
    EXPECT_EQ(queue.QueuedLevel(1), 3);
    EXPECT_EQ(queue.QueuedLevel(4), 1);
    EXPECT_EQ(queue.QueuedLevel(14), 0);
}

TEST(QueueFileRoundTrip, ReadingAndWritingAgainGivesTheSameBytes)
{
    const auto original = test::Entries({{1, 1}, {2, 1}, {1, 2}, {44, 3}, {199, 1}, {123, 2}, {4, -1}});
    const std::string bytes = FormatQueueFile(original, "-40", "0.7");
    const QueueFileContents contents = ParseQueueFile(bytes, "0.7");
    ASSERT_TRUE(contents.headerAccepted);
    ASSERT_EQ(contents.temperature, "-40");
    BuildQueue queue;
    ApplyLoadedQueue(queue, contents.entries);
    ASSERT_EQ(queue.Count(), static_cast<int32_t>(original.size()));
    for (int32_t i = 0; i < queue.Count(); ++i) {
        EXPECT_EQ(queue.At(i).bid, original[static_cast<size_t>(i)].bid);
        EXPECT_EQ(queue.At(i).level, original[static_cast<size_t>(i)].level);
        EXPECT_EQ(queue.At(i).order, 999 - i);
    }
    EXPECT_EQ(queue.QueuedLevel(1), 2);
    EXPECT_EQ(FormatQueueFile(queue.Entries(), *contents.temperature, "0.7"), bytes);
}

} // namespace
} // namespace korvelin
