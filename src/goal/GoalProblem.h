#pragma once
// What every part of the goal search shares: the items a plan may hold (the
// economy items, the goal's items with their prerequisites, the stores) with their per-level figures looked up
// once, the one way to play an entry (the timeline's own step), and the lower
// bound on the time a plan still needs however many economy entries it adds.

#include "goal/GoalPlanner.h"
#include "optimize/OrderProblem.h"
#include "search/PlanChange.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin::goal {

// A plan is a list of problem items; an entry's level follows from how many
// entries of its item stand before it.
using Plan = search::Sequence;

// Levels an economy item may gain beyond its target. The complete search
// reports no proof when its bound lets a plan reach past them.
inline constexpr int32_t kMaxAddedLevels = 40;

// The problem item of an economy item: its place in kEconomyItems, which
// leads the problem's items; −1 for any other item.
constexpr int32_t EconomyItemOf(int32_t bid)
{
    for (size_t item = 0; item < kEconomyItems.size(); ++item) {
        if (kEconomyItems[item] == bid)
            return static_cast<int32_t>(item);
    }
    return -1;
}

inline constexpr int32_t kEconomyCount = static_cast<int32_t>(kEconomyItems.size());
inline constexpr int32_t kMetalItem = EconomyItemOf(bid::kMetalMine);
inline constexpr int32_t kCrystalItem = EconomyItemOf(bid::kCrystalMine);
inline constexpr int32_t kDeuteriumItem = EconomyItemOf(bid::kDeuteriumSynthesizer);
inline constexpr int32_t kSolarItem = EconomyItemOf(bid::kSolarPlant);
inline constexpr int32_t kRoboticsItem = EconomyItemOf(bid::kRoboticsFactory);
inline constexpr int32_t kNaniteItem = EconomyItemOf(bid::kNaniteFactory);
static_assert(kMetalItem >= 0 && kCrystalItem >= 0 && kDeuteriumItem >= 0 && kSolarItem >= 0 && kRoboticsItem >= 0 &&
                  kNaniteItem >= 0 && EconomyItemOf(bid::kFusionReactor) >= 0,
              "the bound and the moves name these economy items");
// The item that produces each resource, in resource order: metal, crystal, deuterium.
inline constexpr std::array<int32_t, 3> kProducerItems{kMetalItem, kCrystalItem, kDeuteriumItem};

// The timeline before one position of a plan.
struct PlanSlot {
    TimelineState state;
    PositionLevels levels;
    std::array<int32_t, kItemCount> counts{}; // entries played, by problem item
};

// Why an entry cannot stand where it is.
enum class Refusal { None, NoEntryLeft, Requirement, Store, Deuterium };

class GoalProblem {
  public:
    using Slot = PlanSlot;
    using Counts = std::array<int32_t, kItemCount>;

    GoalProblem(const Planet &planet, std::span<const GoalTarget> goal);

    // Problem items: the economy items first (as kEconomyItems lists them),
    // then the stores and the other items of the goal and its prerequisites,
    // in catalogue order. Required entries are those of the goal widened by
    // the technology tree.
    int32_t ItemCount() const { return static_cast<int32_t>(items_.size()); }
    int32_t EconomyCount() const { return kEconomyCount; }
    int32_t Bid(int32_t item) const { return Item(item).bid; }
    int32_t StartLevel(int32_t item) const { return Item(item).start; }
    // Entries the goal needs of the item, and the most a plan may hold.
    int32_t Required(int32_t item) const { return Item(item).required; }
    int32_t MostEntries(int32_t item) const { return Item(item).most; }
    int32_t RequiredTotal() const { return requiredTotal_; }
    const std::array<int64_t, 3> &Costs(int32_t item, int32_t k) const
    {
        return costs_[static_cast<size_t>(Item(item).offset + k)];
    }
    const Planet &PlanetValue() const { return planet_; }

    // The goal as given (normalized), before the tree widened it.
    const std::vector<GoalTarget> &Goal() const { return goal_; }
    // The problem item of each store, in resource order.
    int32_t StoreItem(size_t resource) const { return storeItems_[resource]; }
    bool IsStore(int32_t item) const
    {
        return item == storeItems_[0] || item == storeItems_[1] || item == storeItems_[2];
    }
    // Whether the item's next entry has its requirements reached once the
    // items have `counts` entries; false for an item whose requirements no
    // plan of this problem reaches.
    bool NeedsMet(int32_t item, const Counts &counts) const;
    // The entries of other items the item's first entry needs: {item, count}.
    std::span<const std::array<int32_t, 2>> Needs(int32_t item) const
    {
        return std::span(Item(item).needs).first(static_cast<size_t>(Item(item).needCount));
    }
    // The store resource whose price the item's next entry passes where the
    // slot's stock does not cover it, or −1.
    int32_t ShortStore(int32_t item, const PlanSlot &slot) const;

    PlanSlot StartSlot() const;
    // Plays the item's next entry: false, with the slot half moved, when the
    // item has no further entry, its requirements are not reached, its price
    // passes a store the stock does not cover, or it costs deuterium where
    // none is produced.
    bool Play(int32_t item, PlanSlot &slot) const { return Step(item, slot) == Refusal::None; }
    Refusal Step(int32_t item, PlanSlot &slot) const;
    bool Complete(const PlanSlot &slot) const;
    // The walk's total of a plan that reaches the goal, else -1.
    int64_t TotalOf(std::span<const int32_t> plan) const;
    // The plan as queue entries, stamped as appended to an empty queue.
    std::vector<QueueEntry> EntriesOf(std::span<const int32_t> plan) const;
    // The goal's own entries, each item's levels in rising order.
    std::vector<QueueEntry> OwnEntries() const;
    int32_t ItemOfBid(int32_t bid) const;

    // Whether every plan through `slot` certainly needs more than `slack`
    // further seconds to reach the goal, whatever economy entries it adds.
    bool RemainingExceeds(const PlanSlot &slot, int64_t slack) const;
    // Whether some plan within `slack` seconds of the start could hold more
    // economy levels than MostEntries allows: then a complete search over
    // those plans proves nothing.
    bool MayPassEntryLimit(int64_t slack) const;
    // The goal as a problem of the search skeleton. A plan may take any item
    // with an entry left; plans needing more economy levels than the problem
    // holds are not searched.
    void Choices(const PlanSlot &slot, std::span<const int32_t> prefix, std::vector<int32_t> &out) const;
    bool CoversPlansWithin(int64_t total) const { return !MayPassEntryLimit(total); }
    // The improvement search checks only the total at each position: the
    // full bound costs more than it saves there.
    bool ClimbExceeds(const PlanSlot &, int64_t slack) const { return slack < 0; }
    // Inserts an economy entry, removes one beyond its item's target, turns
    // one such entry into another economy item, or moves an entry or a run.
    bool MakeCandidate(const Plan &plan, const PlanSlot &end, search::SearchRandom &random,
                       search::PlanChange &change) const;

    // Deuterium per hour at the synthesizer's highest allowed level, with
    // nothing taking energy: none of this planet's positions produces more.
    int64_t HighestDeuteriumRate() const;

  private:
    struct ItemFigures {
        int32_t bid = 0;
        int32_t start = 0;
        int32_t required = 0;
        int32_t most = 0;
        int32_t offset = 0; // into costs_ and cumulative_
        // Entries of other problem items the first entry needs; `blocked`
        // when the tree needs a level this problem cannot reach.
        std::array<std::array<int32_t, 2>, 4> needs{};
        int32_t needCount = 0;
        bool blocked = false;
    };
    void LinkRequirements();
    int32_t StoreLevelsFor(int32_t bid, const std::vector<GoalTarget> &targets) const;
    const ItemFigures &Item(int32_t item) const { return items_[static_cast<size_t>(item)]; }
    const EconomyFigures &FiguresOf(const Economy &economy) const;
    // Cost of entries k .. end − 1 of an item.
    int64_t CostBetween(int32_t item, int32_t k, int32_t end, size_t kind) const;
    struct Reach;
    void FindReach(const PlanSlot &slot, int64_t slack, int64_t allowance, Reach &reach) const;

    Planet planet_;
    std::vector<GoalTarget> goal_;
    std::array<int32_t, 3> storeItems_{-1, -1, -1};
    std::vector<ItemFigures> items_;
    std::vector<std::array<int64_t, 3>> costs_;
    std::vector<std::array<int64_t, 3>> cumulative_; // costs of the entries before k, per item
    // Per economy item offset: production per hour at full factor with the
    // mine or synthesizer at start + k, nothing else built.
    std::vector<std::array<int64_t, 3>> fullRates_;
    int32_t requiredTotal_ = 0;
    PlanSlot startSlot_;

    struct CachedFigures {
        uint64_t key = ~uint64_t{0};
        EconomyFigures figures;
    };
    mutable std::vector<CachedFigures> figureCache_;
    // Per entry: its build time at the factory and lab levels it was played at last.
    struct CachedBuildTime {
        int32_t robotics = -1;
        int32_t nanite = -1;
        int32_t lab = -1;
        int64_t seconds = 0;
    };
    mutable std::vector<CachedBuildTime> buildTimes_;
};

} // namespace korvelin::goal
