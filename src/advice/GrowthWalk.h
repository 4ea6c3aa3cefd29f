#pragma once
// A plan being grown one upgrade at a time: the queue, the walk's state after
// its last entry and the levels reached, so that each appended upgrade is
// played from where the plan stands instead of from its start. An upgrade is
// appended only where the technology tree allows it, after the store levels
// its price needs.

#include "advice/ExactValue.h"
#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "rules/Requirements.h"

#include <cstdint>

namespace korvelin::advice {

class GrowthWalk {
  public:
    GrowthWalk(const BuildQueue &plan, const Planet &planet);

    // Appends the item's next level, first raising the stores its price
    // passes where the stock before it does not cover it. False, with the
    // plan as before, where the item's requirements are not reached or a
    // level passes its item's range.
    bool Append(int32_t bid);

    const BuildQueue &Queue() const { return queue_; }
    int64_t Total() const { return state_.total; }
    const ReachedLevels &Reached() const { return reached_; }
    const PlanetInputs &Inputs() const { return inputs_; }
    // The production per hour after every entry.
    EconomyFigures Production() const;
    // Its value at `ratio`: what the growth plan makes as large as it can.
    ExactValue ProductionValue(const TradeRatio &ratio) const;

  private:
    // Appends one level of `bid` with its stores; `depth` bounds the stores
    // a store's own price needs.
    bool AppendLevel(int32_t bid, int32_t depth);

    BuildQueue queue_;
    TimelineState state_;
    ReachedLevels reached_;
    PlanetInputs inputs_;
};

} // namespace korvelin::advice
