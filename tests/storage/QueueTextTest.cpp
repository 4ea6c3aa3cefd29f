#include "storage/QueueText.h"

#include "CodePage1251.h"
#include "TestQueues.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

using test::EncodeCodePage1251;
using test::Entries;

TEST(CompactQueueText, ExampleGluesShortNamesToLevels)
{
    const auto entries = Entries({{1, 1}, {1, 2}, {2, 1}, {44, 3}});
    const std::string text = CompactQueueText(entries);
    EXPECT_EQ(text, "М1 М2 К1 Ракетница3 ");

    const auto bytes = EncodeCodePage1251(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\xcc"
                      "1 \xcc"
                      "2 \xca"
                      "1 \xd0\xe0\xea\xe5\xf2\xed\xe8\xf6\xe0"
                      "3 ");
    EXPECT_EQ(bytes->size(), 20u);
}

TEST(CompactQueueText, ItemsWithoutButtonsAndLongLevels)
{
    const auto entries = Entries({{114, 12}, {41, 1}, {42, 2}, {43, 3}, {123, 4}, {199, 1}, {1, -1}});
    EXPECT_EQ(CompactQueueText(entries), "Гипер12 ЛБ1 Ф2 Ворота3 Сеть4 Грава1 М-1 ");
}

TEST(CompactQueueText, EmptyQueueGivesEmptyText)
{
    EXPECT_EQ(CompactQueueText({}), "");
    EXPECT_EQ(EncodeCodePage1251(""), std::string());
}

TEST(CompactQueueText, FollowsQueueOrderNotOrderStamps)
{
    const std::vector<QueueEntry> entries = {{2, 1, 998}, {1, 1, 999}};
    EXPECT_EQ(CompactQueueText(entries), "К1 М1 ");
}

TEST(EncodeCodePage1251, EveryShortNameHasASingleByteForm)
{
    for (const CatalogueItem &item : ItemCatalogue()) {
        const auto bytes = EncodeCodePage1251(item.shortName);
        ASSERT_TRUE(bytes.has_value()) << item.bid;
        EXPECT_FALSE(bytes->empty());
    }
    EXPECT_FALSE(EncodeCodePage1251("中").has_value());
    EXPECT_FALSE(EncodeCodePage1251("\xff").has_value());
}

struct TimedNameCase {
    const char *name;
    std::string summaryTime;
    std::string fileName;
};

class TimedFileNames : public testing::TestWithParam<TimedNameCase> {};

TEST_P(TimedFileNames, ReplaceColonsAndBlanks)
{
    EXPECT_EQ(TimedFileName(GetParam().summaryTime), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Texts, TimedFileNames,
                         testing::Values(TimedNameCase{"WithDays", "2d 05:13:20", "2d_05-13-20.bql"},
                                         TimedNameCase{"UnderADay", "05:13:20", "05-13-20.bql"},
                                         TimedNameCase{"Zero", "00:00:00", "00-00-00.bql"},
                                         TimedNameCase{"TypedText", "ab:c d", "ab-c_d.bql"},
                                         TimedNameCase{"Empty", "", ".bql"},
                                         TimedNameCase{"OtherCharactersKept", "a\\b\t.x", "a\\b\t.x.bql"},
                                         TimedNameCase{"Cyrillic", "Время 1:2", "Время_1-2.bql"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvelin
