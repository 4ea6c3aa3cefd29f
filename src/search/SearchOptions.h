#pragma once
// What every search takes from its caller: the seed and the budgets, and the
// progress callback that reports and cancels.

#include <chrono>
#include <cstdint>
#include <functional>

namespace korvelin {

struct OptimizeOptions {
    uint64_t seed = 1;
    // Wall time the search may use; 0 or less sets no limit. Time only ends a
    // search: where it stands then depends on the seed and the inputs alone.
    std::chrono::milliseconds timeLimit{2000};
    // Entry evaluations the search may use; 0 sets no limit.
    uint64_t maxEvaluations = 0;
    // Problems of up to this many entries get the complete search.
    int32_t exactLimit = 10;
};

struct OptimizeProgress {
    int64_t bestTotal = -1;   // the best admissible total so far; -1 before the first
    int32_t permilleUsed = 0; // share of the time or evaluation budget, 0 to 1000
};

// Called every few thousand evaluations on the searching thread; returning
// false stops the search, which then keeps the best plan found so far.
using OptimizeProgressCallback = std::function<bool(const OptimizeProgress &)>;

} // namespace korvelin
