#pragma once
// Long plans shuffled as a player might have lined them up, for the order
// search. Each item's levels are spread evenly over the plan (every item
// progresses steadily), then every entry drifts a random distance, each item
// keeping its levels in order; only orders in which every deuterium price
// finds deuterium production are kept.

#include "RealisticQueue.h"

#include "optimize/OrderProblem.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace korvelin::bench {

// The levels a balanced 300-entry plan reaches: mines and power ahead,
// factories, storage, the lab and every research line behind.
inline const std::vector<std::pair<int32_t, int32_t>> &BalancedPlanLevels()
{
    static const std::vector<std::pair<int32_t, int32_t>> levels = {
        {1, 33},   {2, 29},  {3, 22},   {4, 30},  {12, 12},  {14, 10},  {15, 2},   {21, 10}, {22, 8},
        {23, 8},   {24, 7},  {31, 10},  {44, 3},  {106, 10}, {108, 10}, {109, 10}, {110, 9}, {111, 10},
        {113, 12}, {114, 8}, {115, 10}, {117, 8}, {118, 5},  {120, 12}, {121, 6},  {122, 6},
    };
    return levels;
}

// The BIDs of a plan with `levels`, each item's levels spread evenly.
inline std::vector<int32_t> SpreadPlan(const std::vector<std::pair<int32_t, int32_t>> &levels)
{
    std::vector<std::pair<double, int32_t>> keyed;
    for (const auto &[b, count] : levels) {
        for (int32_t k = 0; k < count; ++k)
            keyed.emplace_back((k + 0.5) / count, b);
    }
    std::stable_sort(keyed.begin(), keyed.end());
    std::vector<int32_t> plan;
    for (const auto &[key, b] : keyed)
        plan.push_back(b);
    return plan;
}

// `plan` with every entry moved by a normal drift of `drift` places; empty
// when no admissible one turned up.
inline std::vector<QueueEntry> ShuffledQueue(const std::vector<int32_t> &plan, uint32_t seed, double drift,
                                             const Planet &planet, int32_t attempts = 1000)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, drift);
    for (int32_t attempt = 0; attempt < attempts; ++attempt) {
        std::vector<std::pair<double, int32_t>> keyed;
        for (size_t i = 0; i < plan.size(); ++i)
            keyed.emplace_back(static_cast<double>(i) + noise(random), plan[i]);
        std::sort(keyed.begin(), keyed.end());
        // The drifted places hold the items; each item's levels fill its
        // places in order.
        BuildQueue queue;
        for (const auto &[key, b] : keyed) {
            queue.AppendUpgrade(b);
        }
        std::vector<QueueEntry> entries(queue.Entries().begin(), queue.Entries().end());
        std::vector<int32_t> order(entries.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int32_t>(i);
        if (optimize::OrderProblem(entries, planet).TotalOf(order) >= 0)
            return entries;
    }
    return {};
}

// A balanced plan of `count` entries (at least one per item) whose item
// levels vary by a quarter either way with the seed, shuffled.
inline std::vector<QueueEntry> ShuffledBalancedQueue(int32_t count, uint32_t seed, const Planet &planet)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> spread(0.75, 1.25);
    std::vector<std::pair<int32_t, int32_t>> levels = BalancedPlanLevels();
    count = std::max(count, static_cast<int32_t>(levels.size()));
    int32_t total = 0;
    for (auto &[b, levelCount] : levels) {
        levelCount = std::max(1, static_cast<int32_t>(levelCount * spread(random) * count / 300.0 + 0.5));
        total += levelCount;
    }
    while (total != count) {
        auto &[b, levelCount] = levels[random() % levels.size()];
        if (total > count && levelCount > 1) {
            --levelCount;
            --total;
        } else if (total < count) {
            ++levelCount;
            ++total;
        }
    }
    return ShuffledQueue(SpreadPlan(levels), seed, 30, planet);
}

// A short plan from nothing: `count` entries drawn from the early items
// (mines and power twice as often), shuffled freely.
inline std::vector<QueueEntry> RandomEarlyQueue(int32_t count, uint32_t seed, const Planet &planet)
{
    static constexpr std::array<int32_t, 16> kEarly = {1, 1, 2, 2, 3, 3, 4, 4, 12, 14, 21, 22, 31, 106, 113, 120};
    std::mt19937 random(seed);
    for (;;) {
        std::vector<int32_t> plan;
        for (int32_t i = 0; i < count; ++i)
            plan.push_back(kEarly[random() % kEarly.size()]);
        std::vector<QueueEntry> entries = ShuffledQueue(plan, static_cast<uint32_t>(random()), count, planet, 20);
        if (!entries.empty() || count == 0)
            return entries;
    }
}

// The first `count` entries of RealisticPlan, shuffled.
inline std::vector<QueueEntry> ShuffledRealisticQueue(int32_t count, uint32_t seed, double drift, const Planet &planet)
{
    return ShuffledQueue(RealisticPlan(count), seed, drift, planet);
}

} // namespace korvelin::bench
