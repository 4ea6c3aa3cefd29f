#include "storage/QueueFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace korvelin {
namespace {

const std::string kFile = "[Korvelin_0.7_BuildQueueList]\r\nTemperature=-12\r\n##BUILD##\r\n1:1:999\r\n5:1:998\r\n"
                          "14:1:997\r\n2:1:996";

// Hands out `bytes` at most `piece` at a time, counting the pulls.
struct PieceSource {
    std::string bytes;
    size_t piece;
    size_t offset = 0;
    int pulls = 0;

    ReadBytes Reader()
    {
        return [this](std::span<char> buffer, FileFailure &) {
            ++pulls;
            const size_t count = std::min({piece, buffer.size(), bytes.size() - offset});
            std::copy_n(bytes.data() + offset, count, buffer.data());
            offset += count;
            return count;
        };
    }
};

TEST(QueueFileReaderTest, ReadsAlikeInPiecesOfAnySize)
{
    const QueueFileContents whole = ParseQueueFile(kFile, "0.7");
    for (const size_t piece : {size_t{1}, size_t{7}, size_t{1} << 20}) {
        PieceSource source{kFile, piece};
        const QueueFileRead read = ReadQueueFileFrom(source.Reader(), "0.7");
        ASSERT_TRUE(read.contents) << piece;
        EXPECT_EQ(read.failure.code, 0);
        EXPECT_EQ(read.contents->entries, whole.entries);
        EXPECT_EQ(read.contents->temperature, whole.temperature);
        EXPECT_EQ(read.contents->firstUnknownBids, whole.firstUnknownBids);
    }
}

TEST(QueueFileReaderTest, StopsPullingOnceTheHeaderIsRejected)
{
    PieceSource source{"[Korvelin_0.6_BuildQueueList]\r\n" + std::string(100, 'x'), 8};
    const QueueFileRead read = ReadQueueFileFrom(source.Reader(), "0.7");
    ASSERT_TRUE(read.contents);
    EXPECT_FALSE(read.contents->headerAccepted);
    EXPECT_LT(source.pulls, 6);
}

TEST(QueueFileReaderTest, FailuresComeBackWithCodeAndText)
{
    int pulls = 0;
    const ReadBytes failing = [&](std::span<char> buffer, FileFailure &failure) -> size_t {
        if (++pulls == 1)
            return kFile.copy(buffer.data(), 10);
        failure = FailureOf(EIO);
        return 0;
    };
    QueueFileRead read = ReadQueueFileFrom(failing, "0.7");
    EXPECT_FALSE(read.contents);
    EXPECT_EQ(read.failure.code, EIO);
    EXPECT_EQ(read.failure.text, std::strerror(EIO));

    // More entries than a queue holds would make a partial plan.
    PieceSource source{kFile, 64};
    read = ReadQueueFileFrom(source.Reader(), "0.7", 2);
    EXPECT_FALSE(read.contents);
    EXPECT_EQ(read.failure.code, EFBIG);
}

} // namespace
} // namespace korvelin
