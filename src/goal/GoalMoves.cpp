// The goal's moves for the search skeleton: what a plan may take next in the
// complete search, and the candidates of the improvement search.

#include "goal/GoalProblem.h"

#include <algorithm>

namespace korvelin::goal {

namespace {

// Entries of each item before `position`.
GoalProblem::Counts CountsBefore(const Plan &plan, int32_t position)
{
    GoalProblem::Counts counts{};
    for (int32_t x = 0; x < position; ++x)
        ++counts[static_cast<size_t>(plan[static_cast<size_t>(x)])];
    return counts;
}

} // namespace

void GoalProblem::Choices(const PlanSlot &slot, std::span<const int32_t>, std::vector<int32_t> &out) const
{
    // Only entries that can stand here: requirements reached, no store passed.
    for (int32_t item = 0; item < ItemCount(); ++item) {
        if (slot.counts[static_cast<size_t>(item)] < MostEntries(item) && NeedsMet(item, slot.counts) &&
            ShortStore(item, slot) < 0)
            out.push_back(item);
    }
}

bool GoalProblem::MakeCandidate(const Plan &plan, const PlanSlot &end, search::SearchRandom &random,
                                search::PlanChange &change) const
{
    using Kind = search::PlanChange::Kind;
    const int32_t n = static_cast<int32_t>(plan.size());
    if (n == 0)
        return false;
    const auto count = [&](int32_t item) { return end.counts[static_cast<size_t>(item)]; };
    // Economy and store levels beyond the goal's may come and go.
    const auto removable = [&](int32_t item) {
        return (item < EconomyCount() || IsStore(item)) && count(item) > Required(item);
    };
    const auto economyItem = [&] {
        const int32_t pick = static_cast<int32_t>(random.Below(static_cast<uint32_t>(EconomyCount() + 3)));
        return pick < EconomyCount() ? pick : StoreItem(static_cast<size_t>(pick - EconomyCount()));
    };
    const auto canStand = [&](int32_t item, int32_t position) {
        return Item(item).needCount == 0 ? !Item(item).blocked : NeedsMet(item, CountsBefore(plan, position));
    };
    switch (random.Below(8)) {
    case 0:
    case 1: { // insert one to three economy entries close together; never last
        change.kind = Kind::Insert;
        change.insertionCount = 1 + static_cast<int32_t>(random.Below(3));
        change.first = static_cast<int32_t>(random.Below(static_cast<uint32_t>(n)));
        std::array<int32_t, kItemCount> counts = end.counts;
        for (int32_t i = 0; i < change.insertionCount; ++i) {
            const int32_t item = economyItem();
            if (counts[static_cast<size_t>(item)]++ >= MostEntries(item))
                return false;
            const int32_t spread = std::min(n - change.first, 4);
            const int32_t at = change.first + static_cast<int32_t>(random.Below(static_cast<uint32_t>(spread)));
            change.insertions[static_cast<size_t>(i)] = {at, item};
        }
        // A Fusion Reactor or Nanite Factory only where the tree allows it:
        // checked for the first insertion, whose position is in the plan as it is.
        const int32_t first = change.insertions[0].element;
        return canStand(first, change.insertions[0].position);
    }
    case 2: { // remove an entry beyond its item's target, or every one
        change.kind = Kind::Erase;
        const int32_t position = static_cast<int32_t>(random.Below(static_cast<uint32_t>(n)));
        const int32_t item = plan[static_cast<size_t>(position)];
        if (!removable(item))
            return false;
        change.erased.assign(1, position);
        if (random.Below(4) == 0) {
            // All of them at once, the latest first: a plan can stand in a
            // valley that only dropping every added level of an item leaves
            // (the last power plant: with no energy produced, mines run full).
            change.erased.clear();
            int32_t surplus = count(item) - Required(item);
            for (int32_t x = n - 1; x >= 0 && surplus > 0; --x) {
                if (plan[static_cast<size_t>(x)] == item) {
                    change.erased.push_back(x);
                    --surplus;
                }
            }
            std::reverse(change.erased.begin(), change.erased.end());
        }
        change.first = change.erased.front();
        return true;
    }
    case 3: { // turn such an entry into another economy item
        change.kind = Kind::Replace;
        change.first = change.position = static_cast<int32_t>(random.Below(static_cast<uint32_t>(n)));
        const int32_t item = economyItem();
        const int32_t old = plan[static_cast<size_t>(change.position)];
        change.element = item;
        return removable(old) && item != old && count(item) < MostEntries(item) && canStand(item, change.position);
    }
    default: // move a run of entries anywhere: an entry's level follows from its position
        return search::PickRunMove(
            n, random, [](const search::RunMove &, int32_t) { return false; }, change);
    }
}

} // namespace korvelin::goal
