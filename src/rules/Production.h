#pragma once

#include "rules/Planet.h"

#include <cstdint>

namespace korvelin {

// What the economy formulas read at one point of the queue: the levels of the
// mines and power plants reached there, and the planet inputs.
struct Economy {
    int32_t metalMine = 0;
    int32_t crystalMine = 0;
    int32_t deuteriumSynthesizer = 0;
    int32_t solarPlant = 0;
    int32_t fusionReactor = 0;
    int32_t maxTemperature = 0; // T
    int32_t satellites = 0;     // S
    int32_t economySpeed = 1;   // multiplies every hourly production figure
    GameRules rules = GameRules::Classic;

    friend bool operator==(const Economy &, const Economy &) = default;
};

// trunc(c × L × 1.1^L): the energy term shared by mines, plants and item rows.
int64_t EnergyTerm(int32_t coefficient, int32_t level);

// The energy an item uses (a mine or the synthesizer) or makes (a power
// plant) at a level; 0 for an item without energy.
int64_t ItemEnergy(int32_t bid, int32_t level);

// Energy used by the metal mine (1), crystal mine (2) or synthesizer (3); 0 for
// any other BID.
int64_t EnergyUse(int32_t mineBid, const Economy &economy);
int64_t EnergyProduced(const Economy &economy);
int64_t EnergyBalance(const Economy &economy);
// Percent 0..100 of full production that the mines reach. With no energy
// produced and some used, the classic rules give 100 and the game rules 0.
int64_t ProductionFactor(const Economy &economy);
int64_t MetalPerHour(const Economy &economy);
int64_t CrystalPerHour(const Economy &economy);
int64_t DeuteriumPerHour(const Economy &economy);

// Capacity of a store (22, 23 or 24; all grow alike) at a level, and the same
// in thousands: (nearest(2^(L−1)) × 50 + 100).
int64_t StorageCapacity(int32_t storeBid, int32_t level);
int64_t StorageCapacityInThousands(int64_t level);

// All figures of one position at once, each factor computed once.
struct EconomyFigures {
    int64_t energyProduced = 0;
    int64_t energyBalance = 0;
    int64_t productionFactor = 100;
    int64_t metalPerHour = 0;
    int64_t crystalPerHour = 0;
    int64_t deuteriumPerHour = 0;
};
EconomyFigures EvaluateEconomy(const Economy &economy);

} // namespace korvelin
