#pragma once

#include "optimize/OrderProblem.h"

namespace korvelin::optimize {

struct AdmissibilityCheck {
    bool possible = true;
    // Whether `possible` is certain. Queues with very many power plants and
    // synthesizers are not examined; then neither answer is certain.
    bool decided = true;
    // Without an admissible order: an entry that never gets deuterium.
    int32_t blockedEntry = -1;
    // With one: an admissible order (a poor one; it is only a start).
    Order order;
};

// Whether any order lets every entry that costs deuterium stand where the
// deuterium production is above 0.
AdmissibilityCheck CheckAdmissibility(const OrderProblem &problem);

} // namespace korvelin::optimize
