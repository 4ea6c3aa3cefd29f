// The game rules' own figures, worked out by hand: research by the lab, and
// mines that stop when the planet produces no energy.

#include "RecordingMessageSink.h"

#include "rules/Production.h"
#include "rules/UpgradeCost.h"

#include <gtest/gtest.h>

#include <string>

namespace korvelin {
namespace {

constexpr GameRules kClassic = GameRules::Classic;
constexpr GameRules kGame = GameRules::Game;

struct TimeCase {
    const char *name;
    int32_t bid;
    FacilityLevels levels;
    int32_t speed;
    GameRules rules;
    int64_t walkTime; // UpgradeTime
    int64_t rowTime;  // ItemRowTime
};

class GameRulesTime : public testing::TestWithParam<TimeCase> {};

TEST_P(GameRulesTime, FollowsTheRules)
{
    const TimeCase &c = GetParam();
    test::RecordingMessageSink silent;
    const auto costs = UpgradeCosts(c.bid, 1, silent);
    PlanetInputs inputs;
    inputs.economySpeed = c.speed;
    inputs.rules = c.rules;
    EXPECT_EQ(UpgradeTime(c.bid, costs[0], costs[1], c.levels, inputs), c.walkTime);
    EXPECT_EQ(ItemRowTime(c.bid, costs[0], costs[1], c.levels, inputs), c.rowTime);
}

// Armour 1 costs 1000 metal: 1000 × 3600 / ((lab + 1) × 1000) in the lab,
// 1000 × 3600 / 2500 = 1440 by the factories.
INSTANTIATE_TEST_SUITE_P(
    Cases, GameRulesTime,
    testing::Values(TimeCase{"ResearchInTheLab", 111, {0, 0, 2}, 1, kGame, 1200, 1200},
                    TimeCase{"ResearchInTheLabAtSpeed4", 111, {0, 0, 2}, 4, kGame, 300, 300},
                    TimeCase{"ResearchByTheFactoriesInClassic", 111, {0, 0, 2}, 1, kClassic, 1440, 1440},
                    // Computer 1: 400 crystal, lab 0.
                    TimeCase{"ResearchWithoutALab", 108, {0, 0, 0}, 1, kGame, 1440, 1440},
                    // Metal Mine 1: 75 × 3600 / 2500, robotics 1 halves it.
                    TimeCase{"BuildingsKeepTheFactories", 1, {1, 0, 9}, 1, kGame, 54, 54},
                    TimeCase{"TheLabItselfIsABuilding", 31, {0, 0, 5}, 1, kGame, 864, 864},
                    // Espionage 1: 1200 × 3600 / 2000 in a row under either rules.
                    TimeCase{"EspionageRowInTheLabInClassic", 106, {0, 0, 1}, 1, kClassic, 1728, 2160},
                    TimeCase{"EspionageInTheLabInGame", 106, {0, 0, 1}, 1, kGame, 2160, 2160}),
    [](const testing::TestParamInfo<TimeCase> &info) { return std::string(info.param.name); });

struct FactorCase {
    const char *name;
    Economy economy;
    int64_t classicFactor;
    int64_t gameFactor;
    int64_t gameMetal;
    int64_t gameDeuterium;
};

Economy Levels(int32_t metal, int32_t synthesizer, int32_t solar)
{
    Economy economy;
    economy.metalMine = metal;
    economy.deuteriumSynthesizer = synthesizer;
    economy.solarPlant = solar;
    return economy;
}

class GameRulesFactor : public testing::TestWithParam<FactorCase> {};

TEST_P(GameRulesFactor, StopsMinesOnlyWithoutAnyEnergy)
{
    const FactorCase &c = GetParam();
    Economy economy = c.economy;
    EXPECT_EQ(ProductionFactor(economy), c.classicFactor);
    economy.rules = kGame;
    const EconomyFigures figures = EvaluateEconomy(economy);
    EXPECT_EQ(figures.productionFactor, c.gameFactor);
    EXPECT_EQ(ProductionFactor(economy), c.gameFactor);
    EXPECT_EQ(figures.metalPerHour, c.gameMetal);
    EXPECT_EQ(figures.deuteriumPerHour, c.gameDeuterium);
}

INSTANTIATE_TEST_SUITE_P(Cases, GameRulesFactor,
                         testing::Values(
                             // Metal mine 1 uses 11 and nothing is produced: the base 20 alone.
                             FactorCase{"MineWithoutEnergy", Levels(1, 0, 0), 100, 0, 20, 0},
                             FactorCase{"SynthesizerWithoutEnergy", Levels(0, 2, 0), 100, 0, 20, 0},
                             // Solar 1 makes 22, metal mine 3 uses 39: 100 − round(17 / 22 × 100) = 23
                             // under both; trunc(0.23 × 119.79) + 20 = 47.
                             FactorCase{"SomeEnergyKeepsTheFormula", Levels(3, 0, 1), 23, 23, 47, 0},
                             FactorCase{"NothingBuilt", Levels(0, 0, 0), 100, 100, 20, 0}),
                         [](const testing::TestParamInfo<FactorCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvelin
