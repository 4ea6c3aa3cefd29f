#include "storage/QueueFile.h"

#include "QueueFileChecks.h"
#include "RandomQueueFiles.h"
#include "ReferenceQueueReader.h"
#include "util/ParseInt.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

// The streaming parser against the plain line reader, on whole files and on
// the same files cut into pieces, and the round trip of what was loaded.
TEST(QueueFileRandom, PropertiesHoldOnRandomFiles)
{
    test::RandomQueueFiles files(20240611u);
    for (int i = 0; i < 20000; ++i) {
        const std::string file = files.Next();
        const std::string problem = test::CheckQueueFileProperties(file, 1 + files.Below(8));
        ASSERT_EQ(problem, "") << testing::PrintToString(file);
    }
}

QueueFileContents ParseInPieces(const std::string &bytes)
{
    QueueFileParser parser("0.7");
    constexpr size_t kPiece = 64 * 1024;
    for (size_t pos = 0; pos < bytes.size() && !parser.Complete(); pos += kPiece)
        parser.Feed(std::string_view(bytes).substr(pos, kPiece));
    return parser.Finish();
}

const std::string kKeys = "[Korvelin_0.7_BuildQueueList]\r\nTemperature=5\r\n##BUILD##\r\n";

TEST(QueueFileLarge, HundredMegabyteTemperatureLine)
{
    std::string file = "[Korvelin_0.7_BuildQueueList]\r\nTemperature=";
    file.append(100u << 20, '7');
    file += "\r\n##BUILD##\r\n1:1\r\n";
    const QueueFileContents contents = ParseInPieces(file);
    // Only what an edit field can hold is kept; the line is still read whole.
    EXPECT_EQ(contents.temperature, std::string(kMaxTemperatureText, '7'));
    EXPECT_EQ(contents.entries, (std::vector<LoadedEntry>{{1, 1}}));
}

TEST(QueueFileLarge, LongBuildAndKeyLinesAreNotKept)
{
    std::string file = "[Korvelin_0.7_BuildQueueList]\r\nX";
    file.append(20u << 20, 'x');
    file += "\r\n##BUILD##\r\n4:";
    file.append(20u << 20, '9');
    file += "\r\n";
    const std::string fives(20u << 20, '5');
    file += fives + "\r\n";
    const QueueFileContents contents = ParseInPieces(file);
    // A level no queue can hold refuses the file rather than wrap.
    EXPECT_TRUE(contents.entries.empty());
    EXPECT_TRUE(contents.outOfRange.has_value());
    EXPECT_EQ(contents.firstUnknownBids, std::vector<int32_t>{ParseInt(fives)});
}

TEST(QueueFileLarge, MillionBuildLines)
{
    std::string file = kKeys;
    for (int i = 0; i < 1000000; ++i)
        file += i % 2 ? "1:1:999\r\n" : "777:1:998\r\n";
    const QueueFileContents contents = ParseInPieces(file);
    EXPECT_EQ(contents.entries.size(), 500000u);
    EXPECT_EQ(contents.unknownBidLines, 500000u);
    EXPECT_EQ(contents.firstUnknownBids.size(), kMaxUnknownBidMessages);
    EXPECT_EQ(LoadMessages(contents, "0.7").size(), kMaxUnknownBidMessages);

    BuildQueue queue;
    ApplyLoadedQueue(queue, contents.entries);
    EXPECT_EQ(queue.Count(), 500000);
    EXPECT_EQ(queue.QueuedLevel(1), 500000);
}

TEST(QueueFileLarge, BinaryFileIsRejectedAtTheFirstLine)
{
    std::string file(1u << 20, '\0');
    for (size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<char>((i * 2654435761u) >> 13);
    const QueueFileContents contents = ParseInPieces(file);
    EXPECT_FALSE(contents.headerAccepted);
    EXPECT_TRUE(contents.entries.empty());
}

} // namespace
} // namespace korvelin
