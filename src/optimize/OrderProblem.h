#pragma once
// What every part of the order search shares: the entries with their fixed
// figures, the one way to play an entry (the timeline's own step), the lower
// bound on the time still to come, and the budget.

#include "optimize/OrderSearch.h"
#include "search/PlanChange.h"
#include "search/SearchBudget.h"

#include "rules/Requirements.h"

#include <array>
#include <compare>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin::optimize {

using search::SearchBudget;
using search::SearchRandom;

// An order is a list of input indices.
using Order = search::Sequence;

// A sum of non-negative 64-bit figures that stays exact however many are
// added, so that adding and taking away an entry always restores it. Two
// 64-bit words rather than a 128-bit integer, which 32-bit targets lack.
struct ExactSum {
    uint64_t high = 0;
    uint64_t low = 0;

    void Add(uint64_t x)
    {
        low += x;
        high += low < x ? 1 : 0;
    }
    // Takes away less than or as much as the sum holds.
    void Take(uint64_t x)
    {
        high -= low < x ? 1 : 0;
        low -= x;
    }
    friend auto operator<=>(const ExactSum &, const ExactSum &) = default;
};

class OrderProblem;

// The count and exact sums of the figures of a set of entries: those an
// order has still to play.
struct Remaining {
    int64_t count = 0;
    ExactSum shortestSteps;
    std::array<ExactSum, 3> costs{};
    void Add(const OrderProblem &problem, int32_t e);
    void Take(const OrderProblem &problem, int32_t e);
    friend bool operator==(const Remaining &, const Remaining &) = default;
};

// The timeline at one position of an order: before the entry there.
struct Slot {
    TimelineState state;
    PositionLevels levels;
    ReachedLevels reached; // for the technology tree and the stores
    Remaining left;        // the entries not yet played
};

class OrderProblem {
  public:
    using Slot = optimize::Slot;

    OrderProblem(std::span<const QueueEntry> entries, const Planet &planet);

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    int32_t ItemCount() const { return static_cast<int32_t>(itemEntries_.size()); }
    const QueueEntry &Entry(int32_t e) const { return entries_[static_cast<size_t>(e)]; }
    const std::array<int64_t, 3> &Costs(int32_t e) const { return costs_[static_cast<size_t>(e)]; }
    bool CostsDeuterium(int32_t e) const { return costs_[static_cast<size_t>(e)][2] > 0; }
    // Dense item number 0 .. ItemCount() − 1, in order of first appearance.
    int32_t ItemOf(int32_t e) const { return items_[static_cast<size_t>(e)]; }
    // The entries of an item in their queued order.
    const std::vector<int32_t> &ItemEntries(int32_t item) const { return itemEntries_[static_cast<size_t>(item)]; }
    // A step is never shorter than this: the build time at the highest
    // robotics and nanite levels the entry can stand after.
    int64_t ShortestStep(int32_t e) const { return shortestStep_[static_cast<size_t>(e)]; }
    const PlanetInputs &Inputs() const { return planet_.inputs; }
    const Planet &StartPlanet() const { return planet_; }
    // Before the first entry: the planet's start stock and levels.
    const Slot &StartSlot() const { return startSlot_; }
    bool AnyDeuteriumCost() const { return anyDeuteriumCost_; }
    // The most deuterium any position of any order produces per hour.
    int64_t HighestDeuteriumRate() const { return highestRate_[2]; }

    // Plays entry `e` at the slot's position and moves the slot past it.
    // False, with the slot half moved, when the entry starts before its
    // requirements are reached, when its price passes a store the stock
    // before it does not cover, or when it costs deuterium where the
    // deuterium production is 0 or less: no admissible order does that.
    bool Play(int32_t e, Slot &slot) const;
    // Whether the technology tree and the stores let entry `e` start at the slot.
    bool KeepsLimits(int32_t e, const Slot &slot) const;
    // The same without the admissibility check: the walk as Calculate plays it.
    void PlayAnyway(int32_t e, Slot &slot) const;

    // The walk's total for a whole order, or -1 when it is inadmissible.
    int64_t TotalOf(std::span<const int32_t> order) const;

    // Whether the entries not yet played certainly take more than `slack`
    // seconds, judged from their build time floors and from the production
    // their costs need beyond `stock`.
    using Remaining = optimize::Remaining;
    bool RemainingExceeds(const Remaining &remaining, const std::array<int64_t, 3> &stock, int64_t slack) const;
    Remaining AllRemaining() const;

    // The order as a problem of the search skeleton: an order is complete
    // when every entry is played, and each item's entries keep their order.
    bool Complete(const Slot &slot) const { return slot.left.count == 0; }
    bool RemainingExceeds(const Slot &slot, int64_t slack) const
    {
        return RemainingExceeds(slot.left, slot.state.stock, slack);
    }
    bool ClimbExceeds(const Slot &slot, int64_t slack) const { return RemainingExceeds(slot, slack); }
    // The next entry of every item the prefix has not played out, where its
    // requirements are reached.
    void Choices(const Slot &slot, std::span<const int32_t> prefix, std::vector<int32_t> &out) const;
    // Every order is searched: the bound is the only pruning.
    bool CoversPlansWithin(int64_t) const { return true; }
    // A move of an entry or a run of entries, never past an entry of the
    // same item.
    bool MakeCandidate(const Order &order, const Slot &end, search::SearchRandom &random,
                       search::PlanChange &change) const;

  private:
    std::vector<QueueEntry> entries_;
    std::vector<std::array<int64_t, 3>> costs_;
    std::vector<int64_t> shortestStep_;
    std::vector<int32_t> items_;
    std::vector<std::vector<int32_t>> itemEntries_;
    Planet planet_;
    Slot startSlot_;
    // The most each resource is produced per hour at any position.
    std::array<int64_t, 3> highestRate_{};
    bool anyDeuteriumCost_ = false;
    // Per entry, whether a limit can refuse it at all: its requirements are
    // not all reached at the start, or a price passes its store's start
    // capacity. Levels only rise, so an entry without a flag always passes.
    std::vector<uint8_t> checkRequirements_;
    std::vector<uint8_t> checkStores_;
    mutable std::vector<size_t> nextScratch_; // Choices' count of played entries per item
};

} // namespace korvelin::optimize
