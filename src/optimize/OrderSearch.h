#pragma once
// The order search: the shortest order of the same entries. An order may
// interleave the entries of different items freely but keeps each item's
// entries in the order they were queued; its cost is the total the timeline
// walk gives, and only orders that keep the technology tree and the stores,
// and in which no entry costs deuterium at a position producing none, count. Queues up to OptimizeOptions::exactLimit
// entries are searched completely (branch and bound), longer ones by an anytime local search. Standard C++ only, so
// that a window can run it on a worker thread: everything is copied in, progress and cancellation go through a
// callback.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "rules/Requirements.h"
#include "search/SearchOptions.h"

#include <cstdint>
#include <span>
#include <vector>

namespace korvelin {

// Levels a plan lacks for one of its entries, in any order: its missing
// prerequisites, or the one store level its price needs (level -1 when no
// store level holds that price).
struct MissingLevels {
    int32_t entry = -1; // input index; -1 for none
    std::vector<Requirement> levels;
    friend bool operator==(const MissingLevels &, const MissingLevels &) = default;
};

struct OptimizeResult {
    // The input's own total, as the walk plays it; inadmissible or not.
    int64_t beforeTotal = 0;
    bool inputAdmissible = true;
    // Whether the input keeps the technology tree and the stores; an input
    // that does not is inadmissible too.
    bool inputKeepsLimits = true;

    // An admissible order exists and `order` holds the best one found: the
    // input's entries (with their stamps) in the new order.
    bool found = false;
    std::vector<QueueEntry> order;
    int64_t afterTotal = 0;
    bool provenOptimal = false;
    bool stopped = false; // the budget ran out or the callback cancelled
    uint64_t ordersTried = 0;
    uint64_t evaluations = 0;

    // Without an admissible order: the input index of an entry that never
    // gets deuterium. `blockedProven` tells that no order at all gives it
    // deuterium; without it, only that the search found none (queues whose
    // power plants are too many to examine every combination).
    int32_t blockedEntry = -1;
    bool blockedProven = false;
    // Without an admissible order because the plan lacks levels the tree or
    // a store needs: those levels, and `blockedEntry` is their entry.
    MissingLevels missing;
};

OptimizeResult OptimizeOrder(std::span<const QueueEntry> entries, const Planet &planet, const OptimizeOptions &options,
                             const OptimizeProgressCallback &progress = {});

} // namespace korvelin
