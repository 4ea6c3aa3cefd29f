#include "rules/Production.h"

#include "rules/ItemCatalogue.h"
#include "util/Extended.h"
#include "util/Saturating.h"

namespace korvelin {

int64_t EnergyTerm(int32_t coefficient, int32_t level)
{
    // The integer c × L first, then multiplied by the power: the order matters.
    const int64_t cl = static_cast<int64_t>(coefficient) * level;
    return TruncToInt64(IntegerPower(kFactor1_1, level) * static_cast<Extended>(cl));
}

namespace {

// c of each item's energy term; 0 for an item that neither uses nor makes
// energy.
int32_t EnergyCoefficient(int32_t bid)
{
    switch (bid) {
    case bid::kMetalMine:
    case bid::kCrystalMine:
        return 10;
    case bid::kDeuteriumSynthesizer:
    case bid::kSolarPlant:
        return 20;
    case bid::kFusionReactor:
        return 50;
    default:
        return 0;
    }
}

} // namespace

int64_t ItemEnergy(int32_t bid, int32_t level)
{
    const int32_t coefficient = EnergyCoefficient(bid);
    return coefficient == 0 ? 0 : EnergyTerm(coefficient, level);
}

int64_t EnergyUse(int32_t mineBid, const Economy &economy)
{
    switch (mineBid) {
    case bid::kMetalMine:
        return ItemEnergy(mineBid, economy.metalMine);
    case bid::kCrystalMine:
        return ItemEnergy(mineBid, economy.crystalMine);
    case bid::kDeuteriumSynthesizer:
        return ItemEnergy(mineBid, economy.deuteriumSynthesizer);
    default:
        return 0;
    }
}

int64_t EnergyProduced(const Economy &economy)
{
    const int64_t solar = ItemEnergy(bid::kSolarPlant, economy.solarPlant);
    const int64_t fusion = ItemEnergy(bid::kFusionReactor, economy.fusionReactor);
    const int64_t perSatellite =
        TruncToInt64(static_cast<Extended>(economy.maxTemperature) / Extended{4} + Extended{20});
    const int64_t satellites = SatMul(perSatellite, economy.satellites);
    return SatAdd(SatAdd(satellites, fusion), solar);
}

namespace {

int64_t BalanceOf(int64_t produced, const Economy &economy)
{
    int64_t balance = SatSub(produced, EnergyUse(bid::kMetalMine, economy));
    balance = SatSub(balance, EnergyUse(bid::kCrystalMine, economy));
    return SatSub(balance, EnergyUse(bid::kDeuteriumSynthesizer, economy));
}

int64_t FactorOf(int64_t produced, int64_t balance, GameRules rules)
{
    if (rules == GameRules::Game && produced == 0 && balance < 0)
        return 0;
    int64_t factor = 100;
    if (produced != 0 && balance < 0) {
        const Extended share = Abs(static_cast<Extended>(balance)) / static_cast<Extended>(produced);
        factor = SatSub(100, RoundToInt64(share * Extended{100}));
    }
    if (factor < 0)
        return 0;
    return factor > 100 ? 100 : factor;
}

// trunc((f ÷ 100) × c × L × 1.1^L) + base.
int64_t MineOutput(int64_t factor, int32_t coefficient, int32_t level, int64_t base)
{
    const Extended x =
        IntegerPower(kFactor1_1, level) * static_cast<Extended>(static_cast<int64_t>(coefficient) * level);
    return SatAdd(TruncToInt64((static_cast<Extended>(factor) / Extended{100}) * x), base);
}

int64_t DeuteriumOutput(int64_t factor, const Economy &economy)
{
    const int32_t level = economy.deuteriumSynthesizer;
    const Extended x = IntegerPower(kFactor1_1, level) * static_cast<Extended>(static_cast<int64_t>(10) * level);
    const Extended y = (static_cast<Extended>(factor) / Extended{100}) * x;
    return TruncToInt64(y * (static_cast<Extended>(economy.maxTemperature) * kTemperatureSlope + kTemperatureBase));
}

} // namespace

int64_t EnergyBalance(const Economy &economy)
{
    return BalanceOf(EnergyProduced(economy), economy);
}

int64_t ProductionFactor(const Economy &economy)
{
    const int64_t produced = EnergyProduced(economy);
    return FactorOf(produced, BalanceOf(produced, economy), economy.rules);
}

int64_t MetalPerHour(const Economy &economy)
{
    return SatMul(MineOutput(ProductionFactor(economy), 30, economy.metalMine, 20), economy.economySpeed);
}

int64_t CrystalPerHour(const Economy &economy)
{
    return SatMul(MineOutput(ProductionFactor(economy), 20, economy.crystalMine, 10), economy.economySpeed);
}

int64_t DeuteriumPerHour(const Economy &economy)
{
    return SatMul(DeuteriumOutput(ProductionFactor(economy), economy), economy.economySpeed);
}

int64_t StorageCapacityInThousands(int64_t level)
{
    const int64_t exponent = level == INT64_MIN ? level : level - 1;
    return SatAdd(SatMul(RoundToInt64(IntegerPower(kFactor2_0, exponent)), 50), 100);
}

int64_t StorageCapacity([[maybe_unused]] int32_t storeBid, int32_t level)
{
    return SatMul(StorageCapacityInThousands(level), 1000);
}

EconomyFigures EvaluateEconomy(const Economy &economy)
{
    EconomyFigures figures;
    figures.energyProduced = EnergyProduced(economy);
    figures.energyBalance = BalanceOf(figures.energyProduced, economy);
    figures.productionFactor = FactorOf(figures.energyProduced, figures.energyBalance, economy.rules);
    // The server's speed scales the hourly figure itself, base production
    // included: the summary block shows the product and the waits divide by it.
    figures.metalPerHour =
        SatMul(MineOutput(figures.productionFactor, 30, economy.metalMine, 20), economy.economySpeed);
    figures.crystalPerHour =
        SatMul(MineOutput(figures.productionFactor, 20, economy.crystalMine, 10), economy.economySpeed);
    figures.deuteriumPerHour = SatMul(DeuteriumOutput(figures.productionFactor, economy), economy.economySpeed);
    return figures;
}

} // namespace korvelin
