#include "rules/ItemCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace korvelin {
namespace {

TEST(ItemCatalogueTest, IndexOfKnownAndGapBids)
{
    const struct {
        int32_t bid;
        int32_t index;
    } cases[] = {{1, 1},    {12, 5},   {44, 16},  {106, 17}, {199, 31}, {0, -1},   {5, -1},
                 {107, -1}, {112, -1}, {116, -1}, {119, -1}, {124, -1}, {200, -1}, {-1, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(ItemIndexOf(c.bid), c.index) << c.bid;
}

TEST(ItemCatalogueTest, TableInvariants)
{
    std::set<int32_t> bids;
    int32_t previous = 0;
    int withRow = 0;
    for (int32_t i = 1; i <= kItemCount; ++i) {
        const int32_t b = BidAt(i);
        EXPECT_GT(b, previous) << "ascending BIDs";
        previous = b;
        bids.insert(b);
        EXPECT_EQ(ItemIndexOf(b), i);
        EXPECT_EQ(i <= 16, b < 100) << b;
        EXPECT_FALSE(FullName(i).empty());
        EXPECT_FALSE(ShortName(i).empty());
        if (HasItemRow(b))
            ++withRow;
        else
            EXPECT_TRUE(Caption(i).empty());
    }
    EXPECT_EQ(bids.size(), 31u);
    EXPECT_EQ(withRow, 26);
    for (int32_t b : {41, 42, 43, 123, 199})
        EXPECT_FALSE(HasItemRow(b)) << b;
}

TEST(ItemCatalogueTest, ColumnsOfSomeRows)
{
    EXPECT_EQ(Caption(ItemIndexOf(106)), "Espionage");
    EXPECT_EQ(FullName(ItemIndexOf(1)), "Рудник по добыче металла");
    EXPECT_EQ(ShortName(ItemIndexOf(44)), "Ракетница");
    EXPECT_EQ(FullName(ItemIndexOf(24)), "Ёмкость для дейтерия");
    for (int32_t kind : {kMetal, kCrystal, kDeuterium})
        EXPECT_EQ(BaseCost(ItemIndexOf(199), kind), 0);
    EXPECT_EQ(BaseCost(ItemIndexOf(108), kMetal), 0);
    EXPECT_EQ(BaseCost(ItemIndexOf(111), kCrystal), 0);
    EXPECT_EQ(BaseCost(ItemIndexOf(111), kDeuterium), 0);
    EXPECT_EQ(BaseCost(ItemIndexOf(15), kMetal), 1000000);
}

TEST(ItemCatalogueTest, EveryItemHasAnEnglishName)
{
    EXPECT_EQ(EnglishName(ItemIndexOf(1)), "Metal Mine");
    EXPECT_EQ(EnglishName(ItemIndexOf(123)), "Intergalactic Research Network");
    for (int32_t i = 1; i <= kItemCount; ++i)
        EXPECT_LT(static_cast<unsigned char>(EnglishName(i).front()), 0x80) << i;
}

} // namespace
} // namespace korvelin
