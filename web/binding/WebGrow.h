#pragma once
// The growth plan for the page's worker: one call plays one slice, an
// independent run with its own seed, so the worker can answer Cancel between
// slices and keep the slice whose plan is worth most.

#include "WebSearch.h"

#include <cstdint>
#include <string>

namespace korvelin::web {

struct GrowRequest {
    std::string order;  // the queue as it stands
    std::string planet; // the plan's queue file
    int32_t days = 7;
    std::string ratio; // "A:B:C"
    uint32_t seed = 1;
    double timeLimitMs = 2000;
    double maxEvaluations = 0;
};

struct GrowOutcome {
    bool found = false; // something fits after the plan
    int64_t total = 0;
    std::string value; // the production value at the end, exact, as decimal text
    double evaluations = 0;
    std::string order;    // the whole grown plan, as WebPlan::ApplyGrowth takes it
    std::string question; // the window's question
    std::string reason;   // why nothing was grown
};

GrowOutcome RunGrowSearch(const GrowRequest &request, const SearchProgress &progress);

} // namespace korvelin::web
