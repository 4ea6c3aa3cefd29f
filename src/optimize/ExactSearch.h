#pragma once

#include "optimize/OrderProblem.h"

namespace korvelin::optimize {

struct ExactOutcome {
    bool complete = false; // every order was either played or bounded out
    Order best;            // empty when no admissible order beat `incumbentTotal`
    int64_t bestTotal = -1;
    uint64_t ordersPlayed = 0;
};

// Depth-first branch and bound over the interleavings of the items' entries.
// A prefix is dropped when OrderProblem::RemainingExceeds shows it can be no
// better than the best order known; nothing else is pruned, since the walk is
// not monotone in the stock (a prefix ahead in time and in every resource can
// still end later). `incumbentTotal` (−1 for none) is the best total known
// before the search; only strictly better orders are returned.
ExactOutcome SearchExactly(const OrderProblem &problem, SearchBudget &budget, int64_t incumbentTotal);

} // namespace korvelin::optimize
