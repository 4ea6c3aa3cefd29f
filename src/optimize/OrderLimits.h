#pragma once
// The levels a plan lacks for the technology tree and the stores, whatever
// its order: a prerequisite that neither the planet's start nor any entry
// reaches, or a store level that a price passes at the highest store level
// the plan reaches.

#include "optimize/OrderProblem.h"

namespace korvelin::optimize {

// The first entry, in input order, whose requirements some level lacks. The
// tree has no cycles, so without one every order that plays each item after
// the items it needs keeps the tree: this answer is exact.
MissingLevels FindMissingRequirements(const OrderProblem &problem);

// The first entry whose price passes its store at the highest level the plan
// reaches. Such an entry can still stand where the stock before it already
// covers the price, so only a search that finds no order makes it the reason.
MissingLevels FindMissingStore(const OrderProblem &problem);

} // namespace korvelin::optimize
