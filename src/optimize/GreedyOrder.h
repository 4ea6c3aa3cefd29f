#pragma once

#include "optimize/OrderProblem.h"

namespace korvelin::optimize {

enum class GreedyRule {
    // The item whose next entry finishes soonest.
    SoonestFinish,
    // The next entry that comes first in the input: the input order itself
    // where it is admissible, else with the entries that find no deuterium
    // put off until some later position gives them some.
    InputOrder,
    // As InputOrder, but every entry that costs deuterium as soon as it
    // finds some, and every metal and crystal mine after all else: mines
    // only take energy, so without them deuterium flows wherever it can.
    DeuteriumFirst,
};

// Builds an order one position at a time from the items' next entries,
// taking the admissible one the rule prefers (ties go to the earlier input
// entry). Empty when at some position no next entry is admissible, or when
// the budget ran out; `stuck` then names an entry that found no deuterium.
Order BuildGreedyOrder(const OrderProblem &problem, GreedyRule rule, SearchBudget &budget, int32_t *stuck = nullptr);

} // namespace korvelin::optimize
