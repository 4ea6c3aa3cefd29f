#pragma once
// The order search and the goal planner for the page's worker: one call
// plays one slice of a search, so the worker can answer Cancel between
// slices. Totals are 64-bit and cross as BigInt.

#include "optimize/OrderSearch.h"

#include <cstdint>
#include <functional>
#include <string>

namespace korvelin::web {

struct SearchRequest {
    std::string order;  // WebPlan::Order() of the order to start from
    std::string planet; // the plan's queue file: the planet the search plays on
    uint32_t seed = 1;
    double timeLimitMs = 2000;
    double maxEvaluations = 0;
    int32_t exactLimit = 10;
};

struct SearchOutcome {
    bool found = false;
    bool provenOptimal = false;
    bool inputAdmissible = true;
    bool inputKeepsLimits = true;
    int64_t beforeTotal = 0;
    int64_t afterTotal = 0;
    double evaluations = 0;
    std::string order;  // as WebPlan::ApplyOrder takes it
    std::string reason; // why no admissible order exists
};

struct GoalRequest {
    std::string order; // the queue as it stands
    std::string planet;
    std::string goal; // "bid:level,…"
    uint32_t seed = 1;
    double timeLimitMs = 2000;
    double maxEvaluations = 0;
    int32_t exactLimit = 10;
};

struct GoalOutcome {
    bool found = false;
    bool provenOptimal = false;
    int64_t total = 0;
    int32_t added = 0;
    int32_t entries = 0;
    int64_t currentTotal = 0;
    bool currentAdmissible = false;
    bool currentReachesGoal = false;
    bool currentKeepsLimits = true;
    double evaluations = 0;
    std::string order;
    std::string reason;
    // The added upgrades with their reasons, one a line, as the window lists them.
    std::string addedList;
};

// Called with the best total so far (-1 before the first) and the share of
// the budget used, 0 to 1000; false stops the slice.
using SearchProgress = std::function<bool(int64_t bestTotal, int32_t permille)>;

SearchOutcome RunOrderSearch(const SearchRequest &request, const SearchProgress &progress);
GoalOutcome RunGoalSearch(const GoalRequest &request, const SearchProgress &progress);

// How many entries a goal still needs from the planet's start levels: the
// size that decides whether the complete search can take it in one piece.
int32_t GoalEntryCount(const std::string &planet, const std::string &goal);

} // namespace korvelin::web
