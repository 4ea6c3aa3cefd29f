#pragma once
// The simple reference the goal planner is measured against: plain hill
// climbing from the same start, over random insertions of an economy entry
// and random moves of one entry, each candidate played in full and kept when
// it is no worse.

#include "goal/GoalProblem.h"

#include <chrono>

namespace korvelin::bench {

inline int64_t ClimbHills(const goal::GoalProblem &problem, goal::Plan plan, uint64_t seed,
                          std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    search::SearchRandom random(seed);
    int64_t total = problem.TotalOf(plan);
    if (total < 0 || plan.empty())
        return total;
    for (uint32_t step = 0;; ++step) {
        if (step % 64 == 0 && std::chrono::steady_clock::now() >= end)
            return total;
        goal::Plan candidate = plan;
        const auto n = static_cast<uint32_t>(plan.size());
        if (random.Below(2) == 0) {
            candidate.insert(candidate.begin() + random.Below(n),
                             static_cast<int32_t>(random.Below(static_cast<uint32_t>(goal::kEconomyCount))));
        } else {
            const uint32_t from = random.Below(n);
            const int32_t item = candidate[from];
            candidate.erase(candidate.begin() + from);
            candidate.insert(candidate.begin() + random.Below(n), item);
        }
        const int64_t candidateTotal = problem.TotalOf(candidate);
        if (candidateTotal >= 0 && candidateTotal <= total) {
            plan = std::move(candidate);
            total = candidateTotal;
        }
    }
}

} // namespace korvelin::bench
