#pragma once
// What every part of the order search shares: the entries with their fixed
// figures, the one way to play an entry (the timeline's own step), the lower
// bound on the time still to come, and the budget.

#include "optimize/OrderSearch.h"

#include <array>
#include <chrono>
#include <compare>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin::optimize {

// An order is a list of input indices.
using Order = std::vector<int32_t>;

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

// The timeline at one position of an order: before the entry there.
struct Slot {
    TimelineState state;
    PositionLevels levels;
};

class OrderProblem {
  public:
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
    // False, with the slot half moved, when the entry costs deuterium where
    // the deuterium production is 0 or less: no admissible order does that.
    bool PlayEntry(int32_t e, Slot &slot) const;
    // The same without the admissibility check: the walk as Calculate plays it.
    void PlayAnyway(int32_t e, Slot &slot) const;

    // The walk's total for a whole order, or -1 when it is inadmissible.
    int64_t TotalOf(std::span<const int32_t> order) const;

    // Whether the entries not yet played certainly take more than `slack`
    // seconds, judged from their build time floors and from the production
    // their costs need beyond `stock`. Remaining holds their count and exact
    // sums of their figures.
    struct Remaining {
        int64_t count = 0;
        ExactSum shortestSteps;
        std::array<ExactSum, 3> costs{};
        void Add(const OrderProblem &problem, int32_t e);
        void Take(const OrderProblem &problem, int32_t e);
    };
    bool RemainingExceeds(const Remaining &remaining, const std::array<int64_t, 3> &stock, int64_t slack) const;
    Remaining AllRemaining() const;

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
};

// The time and evaluation budget, the progress callback and cancellation.
class SearchBudget {
  public:
    SearchBudget(const OptimizeOptions &options, const OptimizeProgressCallback &progress);

    // Counts one entry evaluation; false once the search must stop.
    bool Spend()
    {
        if (++evaluations_ < nextCheck_)
            return !stopped_;
        return Check();
    }
    bool Stopped() const { return stopped_; }
    uint64_t Evaluations() const { return evaluations_; }
    void OfferTotal(int64_t total);
    int64_t BestTotal() const { return bestTotal_; }

  private:
    bool Check();

    OptimizeOptions options_;
    const OptimizeProgressCallback &progress_;
    std::chrono::steady_clock::time_point start_;
    uint64_t evaluations_ = 0;
    uint64_t nextCheck_ = 0;
    bool stopped_ = false;
    int64_t bestTotal_ = -1;
};

// A small fixed generator (SplitMix64), so that a seed gives the same search
// on every platform and library.
class SearchRandom {
  public:
    explicit SearchRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // Uniform in 0 .. bound − 1; bound > 0.
    uint32_t Below(uint32_t bound);

  private:
    uint64_t state_;
};

} // namespace korvelin::optimize
