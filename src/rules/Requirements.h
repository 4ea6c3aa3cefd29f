#pragma once
// The technology tree: the levels of other items an item needs before any
// upgrade of it can start. A level counts as reached when it is the planet's
// start level or an earlier entry of the plan reaches it.

#include <cstdint>
#include <span>

namespace korvelin {

struct Requirement {
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const Requirement &, const Requirement &) = default;
};

// In catalogue order of the needed items; empty for an item that needs
// nothing and for a BID outside the catalogue.
std::span<const Requirement> RequirementsOf(int32_t bid);

} // namespace korvelin
