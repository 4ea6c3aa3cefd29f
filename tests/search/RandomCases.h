#pragma once
// Random planets, queues and goals for the property tests of the searches.
// A small fixed generator and no standard distributions, so that a case
// number gives the same case with every compiler and library.

#include "goal/GoalPlanner.h"
#include "rules/ItemCatalogue.h"
#include "rules/Planet.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace korvelin::test {

class CaseRandom {
  public:
    explicit CaseRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // lo .. hi, both included.
    int64_t Between(int64_t lo, int64_t hi)
    {
        return lo + static_cast<int64_t>(Next() % static_cast<uint64_t>(hi - lo + 1));
    }
    bool Chance(int32_t percent) { return Between(0, 99) < percent; }
    template <typename T> T Pick(std::span<const T> values)
    {
        return values[static_cast<size_t>(Between(0, static_cast<int64_t>(values.size()) - 1))];
    }

  private:
    uint64_t state_;
};

// Economy items often, every other item now and then.
inline int32_t RandomBid(CaseRandom &random)
{
    if (random.Chance(55))
        return random.Pick<int32_t>(kEconomyItems);
    return ItemCatalogue()[static_cast<size_t>(random.Between(0, kItemCount - 1))].bid;
}

// Planets from nothing to grown ones, with stock from none to more than any
// price here, every speed, and cold to hot temperatures; a fusion reactor
// at the start may eat all the deuterium a small synthesizer makes.
inline Planet RandomPlanet(CaseRandom &random)
{
    Planet planet;
    if (!random.Chance(25)) {
        for (const int32_t bid : kEconomyItems) {
            if (random.Chance(60))
                planet.SetStartLevel(bid, static_cast<int32_t>(random.Between(0, 25)));
        }
        // Mostly a planet whose synthesizer runs: a plant that keeps up with the mines.
        const auto level = [&](int32_t bid) { return planet.StartLevel(bid); };
        if (random.Chance(80))
            planet.SetStartLevel(bid::kDeuteriumSynthesizer, std::max(level(bid::kDeuteriumSynthesizer),
                                                                      static_cast<int32_t>(random.Between(1, 15))));
        if (random.Chance(70)) {
            const int32_t mines =
                std::max({level(bid::kMetalMine), level(bid::kCrystalMine), level(bid::kDeuteriumSynthesizer)});
            planet.SetStartLevel(bid::kSolarPlant, std::max(level(bid::kSolarPlant),
                                                            mines + static_cast<int32_t>(random.Between(-1, 3))));
        }
        planet.SetStartLevel(bid::kFusionReactor, random.Chance(85) ? 0 : static_cast<int32_t>(random.Between(1, 8)));
        planet.SetStartLevel(bid::kNaniteFactory, random.Chance(80) ? 0 : static_cast<int32_t>(random.Between(1, 4)));
        for (int32_t other = random.Chance(50) ? 0 : static_cast<int32_t>(random.Between(1, 4)); other > 0; --other)
            planet.SetStartLevel(RandomBid(random), static_cast<int32_t>(random.Between(0, 12)));
    }
    switch (random.Between(0, 4)) {
    case 0:
        planet.startStock = {0, 0, 0};
        break;
    case 1:
        break; // the default stock
    case 2:
        planet.startStock = {random.Between(0, 100'000), random.Between(0, 100'000), random.Between(0, 50'000)};
        break;
    case 3:
        planet.startStock = {random.Between(0, 10'000'000'000), random.Between(0, 10'000'000'000),
                             random.Between(0, 10'000'000'000)};
        break;
    default:
        planet.startStock = {random.Between(0, 5'000), random.Between(0, 5'000), 0};
        break;
    }
    planet.inputs.economySpeed = random.Chance(85) ? static_cast<int32_t>(random.Between(1, 5))
                                                   : static_cast<int32_t>(random.Between(6, kMaxEconomySpeed));
    planet.inputs.maxTemperature =
        static_cast<int32_t>(random.Chance(30) ? random.Between(80, 160) : random.Between(-130, 80));
    planet.inputs.satellites = random.Chance(80) ? 0 : static_cast<int32_t>(random.Between(1, 60));
    return planet;
}

// Every fourth case under the game rules, with a research lab of a few levels.
// No draw of `random` is taken, so the classic cases stay as they were.
inline void MaybeGameRules(int32_t caseNumber, Planet &planet)
{
    if (caseNumber % 4 != 3)
        return;
    planet.inputs.rules = GameRules::Game;
    planet.SetStartLevel(bid::kResearchLab, std::max(planet.StartLevel(bid::kResearchLab), caseNumber % 7));
}

// `count` entries of random items, each item's levels rising by one from
// its start level.
inline std::vector<QueueEntry> RandomQueue(CaseRandom &random, const Planet &planet, int32_t count)
{
    std::vector<QueueEntry> entries;
    std::array<int32_t, 200> levels{};
    for (const CatalogueItem &item : ItemCatalogue())
        levels[static_cast<size_t>(item.bid)] = planet.StartLevel(item.bid);
    // A few items per queue, so that their entries interleave.
    std::vector<int32_t> items(static_cast<size_t>(random.Between(1, 5)));
    for (int32_t &bid : items)
        bid = RandomBid(random);
    // Often the synthesizer too, which the entries costing deuterium must then follow.
    if (random.Chance(40))
        items.push_back(bid::kDeuteriumSynthesizer);
    for (int32_t e = 0; e < count; ++e) {
        const int32_t bid = random.Pick<int32_t>(items);
        entries.push_back({bid, ++levels[static_cast<size_t>(bid)], 999 - e});
    }
    return entries;
}

// The same entries with each item's levels moved by up to three, never below
// 1: a queue kept from before the planet's start levels changed.
inline std::vector<QueueEntry> ShiftedLevels(CaseRandom &random, std::vector<QueueEntry> entries)
{
    std::array<int32_t, 200> shifts{};
    for (int32_t &shift : shifts)
        shift = static_cast<int32_t>(random.Between(-3, 3));
    for (QueueEntry &entry : entries)
        entry.level = std::max(1, entry.level + shifts[static_cast<size_t>(entry.bid)]);
    return entries;
}

// One to three targets a few levels above the start, now and then at or
// below it.
inline std::vector<GoalTarget> RandomGoal(CaseRandom &random, const Planet &planet)
{
    static constexpr int32_t kOthers[] = {bid::kRoboticsFactory, 21,  bid::kResearchLab,  bid::kEspionage,
                                          bid::kMetalStorage,    113, bid::kNaniteFactory};
    std::vector<GoalTarget> goal(static_cast<size_t>(random.Between(1, 3)));
    for (GoalTarget &target : goal) {
        target.bid = random.Chance(60) ? random.Pick<int32_t>(kEconomyItems) : random.Pick<int32_t>(kOthers);
        const int32_t start = planet.StartLevel(target.bid);
        target.level = start + static_cast<int32_t>(random.Chance(8) ? random.Between(-2, 0) : random.Between(1, 4));
    }
    return goal;
}

inline std::string EntriesText(std::span<const QueueEntry> entries)
{
    std::ostringstream text;
    for (const QueueEntry &entry : entries)
        text << ' ' << entry.bid << ':' << entry.level;
    return text.str();
}

// Enough to write the case down as a test.
inline std::string PlanetText(const Planet &planet)
{
    std::ostringstream text;
    text << "Levels=";
    const char *separator = "";
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (planet.StartLevel(item.bid) > 0) {
            text << separator << item.bid << ':' << planet.StartLevel(item.bid);
            separator = ",";
        }
    }
    text << " Stock=" << planet.startStock[0] << ':' << planet.startStock[1] << ':' << planet.startStock[2]
         << " Speed=" << planet.inputs.economySpeed << " Temperature=" << planet.inputs.maxTemperature
         << " Satellites=" << planet.inputs.satellites << " Rules=" << RulesName(planet.inputs.rules);
    return text.str();
}

} // namespace korvelin::test
