#include "rules/Production.h"

#include "rules/ItemCatalogue.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

// Worked table: every building at the same level, T = 0, S = 0, factor 100.
TEST(ProductionTest, WorkedLevels)
{
    const struct {
        int32_t level;
        int64_t mineUse, synthUse, metal, crystal, deuterium, solar, fusion, capacity;
    } rows[] = {
        {0, 0, 0, 20, 10, 0, 0, 0, 100000},           {1, 11, 22, 53, 32, 14, 22, 55, 150000},
        {2, 24, 48, 92, 58, 30, 48, 121, 200000},     {3, 39, 79, 139, 89, 51, 79, 199, 300000},
        {4, 58, 117, 195, 127, 74, 117, 292, 500000}, {5, 80, 161, 261, 171, 103, 161, 402, 900000},
    };
    for (const auto &r : rows) {
        Economy mines{.metalMine = r.level, .crystalMine = r.level, .deuteriumSynthesizer = r.level};
        EXPECT_EQ(EnergyUse(bid::kMetalMine, mines), r.mineUse) << r.level;
        EXPECT_EQ(EnergyUse(bid::kCrystalMine, mines), r.mineUse) << r.level;
        EXPECT_EQ(EnergyUse(bid::kDeuteriumSynthesizer, mines), r.synthUse) << r.level;
        // No energy production at all: the factor stays 100.
        EXPECT_EQ(ProductionFactor(mines), 100);
        EXPECT_EQ(MetalPerHour(mines), r.metal) << r.level;
        EXPECT_EQ(CrystalPerHour(mines), r.crystal) << r.level;
        EXPECT_EQ(DeuteriumPerHour(mines), r.deuterium) << r.level;
        EXPECT_EQ(EnergyProduced(Economy{.solarPlant = r.level}), r.solar) << r.level;
        EXPECT_EQ(EnergyProduced(Economy{.fusionReactor = r.level}), r.fusion) << r.level;
        for (int32_t store : {22, 23, 24})
            EXPECT_EQ(StorageCapacity(store, r.level), r.capacity) << r.level;
    }
}

TEST(ProductionTest, EmptyPlanet)
{
    const EconomyFigures f = EvaluateEconomy(Economy{});
    EXPECT_EQ(f.metalPerHour, 20);
    EXPECT_EQ(f.crystalPerHour, 10);
    EXPECT_EQ(f.deuteriumPerHour, 0);
    EXPECT_EQ(f.energyProduced, 0);
    EXPECT_EQ(f.energyBalance, 0);
    EXPECT_EQ(f.productionFactor, 100);
}

struct FactorCase {
    const char *name;
    Economy economy;
    int64_t produced, balance, factor, metal, crystal;
};

void PrintTo(const FactorCase &c, std::ostream *os)
{
    *os << c.name;
}

class FactorTest : public testing::TestWithParam<FactorCase> {};

TEST_P(FactorTest, ShortageScalesMines)
{
    const FactorCase &c = GetParam();
    const EconomyFigures f = EvaluateEconomy(c.economy);
    EXPECT_EQ(f.energyProduced, c.produced);
    EXPECT_EQ(f.energyBalance, c.balance);
    EXPECT_EQ(f.productionFactor, c.factor);
    EXPECT_EQ(f.metalPerHour, c.metal);
    EXPECT_EQ(f.crystalPerHour, c.crystal);
    // The single-figure functions agree with the combined evaluation.
    EXPECT_EQ(ProductionFactor(c.economy), c.factor);
    EXPECT_EQ(EnergyBalance(c.economy), c.balance);
    EXPECT_EQ(MetalPerHour(c.economy), c.metal);
    EXPECT_EQ(CrystalPerHour(c.economy), c.crystal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FactorTest,
    testing::Values(
        // 22 produced, 24 + 11 used: 100 − nearest(59.09) = 41.
        FactorCase{"SolarOneAgainstMetalTwoCrystalOne",
                   {.metalMine = 2, .crystalMine = 1, .solarPlant = 1},
                   22,
                   -13,
                   41,
                   49,
                   19},
        // One satellite at T = 16 gives 24; a level-3 metal mine uses 39: 100 − nearest(62.5)
        // is 38 with ties to even (37 if halves went away from zero).
        FactorCase{"TieRoundsToEven", {.metalMine = 3, .maxTemperature = 16, .satellites = 1}, 24, -15, 38, 65, 10},
        // 48 produced, 58 used: 100 − nearest(20.83) = 79, where truncating would give 80.
        FactorCase{"ShareAboveHalfRoundsUp", {.crystalMine = 4, .solarPlant = 2}, 48, -10, 79, 20, 102},
        FactorCase{"ShortageBeyondProductionClampsToZero",
                   {.metalMine = 3, .crystalMine = 3, .maxTemperature = -40, .satellites = 1},
                   10,
                   -68,
                   0,
                   20,
                   10},
        FactorCase{"NoProductionKeepsHundred", {.metalMine = 4, .crystalMine = 4}, 0, -116, 100, 195, 127},
        FactorCase{"NegativeSatellitesNeverRaiseAboveHundred",
                   {.metalMine = 1, .maxTemperature = -200, .satellites = 3},
                   -90,
                   -101,
                   100,
                   53,
                   10}),
    [](const testing::TestParamInfo<FactorCase> &info) { return std::string(info.param.name); });

TEST(ProductionTest, Satellites)
{
    const struct {
        int32_t temperature, satellites;
        int64_t energy;
    } cases[] = {{0, 1, 20}, {40, 10, 300}, {-30, 2, 24}, {-100, 1, -5}, {-100, 3, -15}, {3, 4, 80}};
    for (const auto &c : cases)
        EXPECT_EQ(EnergyProduced(Economy{.maxTemperature = c.temperature, .satellites = c.satellites}), c.energy)
            << c.temperature << " " << c.satellites;
}

TEST(ProductionTest, DeuteriumDependsOnTemperature)
{
    EXPECT_EQ(DeuteriumPerHour(Economy{.deuteriumSynthesizer = 1}), 14);
    EXPECT_EQ(DeuteriumPerHour(Economy{.deuteriumSynthesizer = 1, .maxTemperature = 40}), 13);
    EXPECT_EQ(DeuteriumPerHour(Economy{.deuteriumSynthesizer = 1, .maxTemperature = 640}), 0);
    EXPECT_EQ(DeuteriumPerHour(Economy{.deuteriumSynthesizer = 1, .maxTemperature = 1000}), -7);
    EXPECT_EQ(DeuteriumPerHour(Economy{.deuteriumSynthesizer = 0, .maxTemperature = -300}), 0);
}

TEST(ProductionTest, StorageCapacityAndItsThousands)
{
    EXPECT_EQ(StorageCapacityInThousands(2), 200);
    EXPECT_EQ(StorageCapacityInThousands(3), 300);
    EXPECT_EQ(StorageCapacityInThousands(4), 500);
    EXPECT_EQ(StorageCapacity(22, 16), 1638500000);
    EXPECT_EQ(StorageCapacity(22, 17), 3276900000) << "beyond 32 bits the figure keeps growing";
    EXPECT_EQ(StorageCapacity(22, 1000), INT64_MAX);
    EXPECT_EQ(StorageCapacity(22, INT32_MIN), 100000);
}

} // namespace
} // namespace korvelin
