#include "advice/GrowthWalk.h"

#include "plan/InputRanges.h"
#include "rules/UpgradeCost.h"
#include "search/SearchBudget.h"

namespace korvelin::advice {

namespace {

// Each store's price is in metal and crystal only, and a store level holds
// far more than the level below it costs, so a chain of stores for stores is
// never long; the bound only keeps a mistake from looping.
constexpr int32_t kStoreDepth = 8;

} // namespace

GrowthWalk::GrowthWalk(const BuildQueue &plan, const Planet &planet)
    : queue_(plan), reached_{planet.startLevels}, inputs_(planet.inputs)
{
    queue_.SetStartLevels(planet.startLevels);
    const PlanetInputSource source = [inputs = inputs_] { return inputs; };
    WalkQueue(queue_, planet.startStock, state_, source, search::QuietMessages(), {});
    for (const QueueEntry &entry : queue_.Entries())
        reached_.Reach(entry.bid, entry.level);
}

bool GrowthWalk::Append(int32_t bid)
{
    const int32_t current = queue_.QueuedLevel(bid);
    if (!RequirementsMet(bid, reached_) || current >= MaxLevel(bid))
        return false;
    // Most upgrades need no store: those append without a copy to go back to.
    const std::array<int64_t, 3> costs = UpgradeCosts(bid, current + 1, search::QuietMessages());
    if (StoreShortfall(costs, state_.stock, reached_) < 0)
        return AppendLevel(bid, 0);
    const GrowthWalk before = *this;
    if (AppendLevel(bid, 0))
        return true;
    *this = before;
    return false;
}

bool GrowthWalk::AppendLevel(int32_t bid, int32_t depth)
{
    if (depth > kStoreDepth || !RequirementsMet(bid, reached_))
        return false;
    const int32_t current = queue_.QueuedLevel(bid);
    if (current >= MaxLevel(bid))
        return false;
    const std::array<int64_t, 3> costs = UpgradeCosts(bid, current + 1, search::QuietMessages());
    for (int32_t r = StoreShortfall(costs, state_.stock, reached_); r >= 0;
         r = StoreShortfall(costs, state_.stock, reached_)) {
        if (!AppendLevel(kStoreItems[static_cast<size_t>(r)], depth + 1))
            return false;
    }
    const int32_t index = queue_.AppendEntry(bid, current + 1);
    if (index < 0)
        return false;
    const PlanetInputSource source = [inputs = inputs_] { return inputs; };
    AdvanceTimeline(queue_, index, state_, source, search::QuietMessages());
    reached_.Reach(bid, current + 1);
    return true;
}

EconomyFigures GrowthWalk::Production() const
{
    return EvaluateEconomy(queue_.EconomyAt(queue_.Count(), inputs_));
}

ExactValue GrowthWalk::ProductionValue(const TradeRatio &ratio) const
{
    const EconomyFigures figures = Production();
    return ResourceValue({figures.metalPerHour, figures.crystalPerHour, figures.deuteriumPerHour}, ratio);
}

} // namespace korvelin::advice
