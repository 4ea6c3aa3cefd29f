#pragma once
// How the outcome of an order search is told, the same in korvelin-optimize
// and in the window.

#include "optimize/OrderSearch.h"

#include <cstdint>
#include <span>
#include <string>

namespace korvelin {

// How much shorter `after` is than `before`, in percent with one decimal
// ("12.3"; negative when `after` is longer, "0.0" for a zero `before`).
std::string ShorterPercentText(int64_t before, int64_t after);

// What a plan lacks and how to mend it: "Plasma 1 needs Laser 10: add it, or
// raise the planet's start level".
std::string MissingLevelsText(const QueueEntry &entry, const MissingLevels &missing);

// Why a search found no admissible order: the levels the plan lacks, or the
// entry that gets no deuterium: "entry 3 (Espionage level 1) can never get
// deuterium".
std::string NoOrderReason(const OptimizeResult &result, std::span<const QueueEntry> entries);

} // namespace korvelin
