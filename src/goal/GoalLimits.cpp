// The game's limits on a goal plan: the technology tree, which widens the
// goal and orders the entries, and the stores, which cap what a price may be
// where the stock before the entry does not already cover it.

#include "goal/GoalProblem.h"

#include "rules/Requirements.h"
#include "rules/UpgradeCost.h"

#include <algorithm>

namespace korvelin {

std::vector<GoalTarget> GoalWithRequirements(const Planet &planet, std::span<const GoalTarget> goal)
{
    std::vector<GoalTarget> widened = NormalizeGoal(goal);
    // A raised target may need more of the tree; the tree has no cycles and
    // levels only rise, so this ends.
    for (bool raised = true; raised;) {
        raised = false;
        for (size_t t = 0; t < widened.size(); ++t) {
            if (widened[t].level <= planet.StartLevel(widened[t].bid))
                continue;
            for (const Requirement &need : RequirementsOf(widened[t].bid)) {
                const auto same = std::find_if(widened.begin(), widened.end(),
                                               [&](const GoalTarget &other) { return other.bid == need.bid; });
                if (same == widened.end()) {
                    widened.push_back({need.bid, need.level});
                    raised = true;
                } else if (same->level < need.level) {
                    same->level = need.level;
                    raised = true;
                }
            }
        }
    }
    return NormalizeGoal(widened);
}

namespace goal {

namespace {

MessageSink &quietSink = search::QuietMessages();

} // namespace

void GoalProblem::LinkRequirements()
{
    for (ItemFigures &figures : items_) {
        for (const Requirement &need : RequirementsOf(figures.bid)) {
            const int32_t entries = need.level - planet_.StartLevel(need.bid);
            if (entries <= 0)
                continue;
            const int32_t item = ItemOfBid(need.bid);
            if (item < 0 || MostEntries(item) < entries) {
                figures.blocked = true;
                continue;
            }
            figures.needs[static_cast<size_t>(figures.needCount++)] = {item, entries};
        }
    }
}

int32_t GoalProblem::StoreLevelsFor(int32_t bid, const std::vector<GoalTarget> &targets) const
{
    const auto resource = static_cast<size_t>(StoreResourceOf(bid));
    // Prices rise with the level: an item's costliest entry is its last.
    int64_t highest = 0;
    const auto price = [&](int32_t item, int32_t level) {
        if (level > planet_.StartLevel(item))
            highest = std::max(highest, UpgradeCosts(item, level, quietSink)[resource]);
    };
    for (const ItemFigures &figures : items_)
        price(figures.bid, figures.start + figures.most);
    for (const GoalTarget &target : targets) {
        if (!IsEconomyItem(target.bid) && StoreResourceOf(target.bid) < 0)
            price(target.bid, target.level);
    }
    const int32_t holding = StoreLevelHolding(highest);
    const int32_t top = holding >= 0 ? holding : 99;
    int32_t required = 0;
    for (const GoalTarget &target : targets) {
        if (target.bid == bid)
            required = target.level;
    }
    return std::max(top - std::max(planet_.StartLevel(bid), required), 0);
}

bool GoalProblem::NeedsMet(int32_t item, const Counts &counts) const
{
    const ItemFigures &figures = Item(item);
    if (figures.blocked)
        return false;
    for (int32_t n = 0; n < figures.needCount; ++n) {
        const auto &need = figures.needs[static_cast<size_t>(n)];
        if (counts[static_cast<size_t>(need[0])] < need[1])
            return false;
    }
    return true;
}

int32_t GoalProblem::ShortStore(int32_t item, const PlanSlot &slot) const
{
    const int32_t count = slot.counts[static_cast<size_t>(item)];
    if (count >= MostEntries(item))
        return -1;
    const std::array<int64_t, 3> &costs = Costs(item, count);
    const auto &stock = slot.state.stock;
    // Most entries are paid from the stock at once; only a wait can meet a store.
    if (costs[0] <= stock[0] && costs[1] <= stock[1] && costs[2] <= stock[2])
        return -1;
    ReachedLevels reached;
    for (size_t resource = 0; resource < 3; ++resource) {
        const int32_t store = storeItems_[resource];
        reached.Reach(kStoreItems[resource], StartLevel(store) + slot.counts[static_cast<size_t>(store)]);
    }
    return StoreShortfall(costs, stock, reached);
}

} // namespace goal
} // namespace korvelin
