#pragma once
// The order search for the page's worker: one call plays one slice of the
// search, so the worker can answer Cancel between slices.

#include "optimize/OrderSearch.h"

#include <cstdint>
#include <functional>
#include <string>

namespace korvelin::web {

struct SearchRequest {
    std::string snapshot;   // WebPlan::Snapshot() of the order to start from
    std::string planetFile; // the plan's queue file: the planet's key lines
    std::string satellitesText;
    uint32_t seed = 1;
    double timeLimitMs = 2000;
    double maxEvaluations = 0;
    int32_t exactLimit = 10;
};

struct SearchOutcome {
    bool found = false;
    bool provenOptimal = false;
    bool inputAdmissible = true;
    double beforeTotal = 0;
    double afterTotal = 0;
    double evaluations = 0;
    std::string order;  // a snapshot, as WebPlan::Restore takes it
    std::string reason; // why no admissible order exists
};

// Called with the best total so far (-1 before the first) and the share of
// the budget used, 0 to 1000; false stops the slice.
using SearchProgress = std::function<bool(double bestTotal, int32_t permille)>;

class WebPlan;
// The planet of a queue file's key lines and the satellites as typed; false
// for a file the core rejects.
bool LoadPlanet(WebPlan &plan, const std::string &planetFile, const std::string &satellitesText);

SearchOutcome RunOrderSearch(const SearchRequest &request, const SearchProgress &progress);

} // namespace korvelin::web
