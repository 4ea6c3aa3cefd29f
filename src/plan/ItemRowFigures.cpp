#include "plan/ItemRowFigures.h"

#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "rules/UpgradeCost.h"
#include "util/FormatDuration.h"

#include <limits>

namespace korvelin {

ItemRowExtra ItemRowExtraOf(int32_t bid)
{
    if (bid == bid::kMetalStorage || bid == bid::kCrystalStorage || bid == bid::kDeuteriumTank)
        return ItemRowExtra::Capacity;
    return ItemEnergy(bid, 1) != 0 ? ItemRowExtra::Energy : ItemRowExtra::None;
}

int32_t NextItemLevel(const BuildQueue &queue, int32_t bid)
{
    const int32_t queued = queue.QueuedLevel(bid);
    return queued < std::numeric_limits<int32_t>::max() ? queued + 1 : queued;
}

ItemRowFigures ItemRowFiguresOf(const BuildQueue &queue, const Planet &planet, int32_t bid, int32_t level,
                                MessageSink &messages)
{
    ItemRowFigures figures;
    figures.bid = bid;
    figures.level = level;
    figures.costs = UpgradeCosts(bid, level, messages);
    for (size_t r = 0; r < 3; ++r)
        figures.costTexts[r] = std::to_string(figures.costs[r]);
    // The factory and lab levels are those after the whole queue, not at the
    // item's place in it.
    const int64_t metal = figures.costs[0];
    const int64_t crystal = figures.costs[1];
    const FacilityLevels facilities{queue.QueuedLevel(bid::kRoboticsFactory), queue.QueuedLevel(bid::kNaniteFactory),
                                    queue.QueuedLevel(bid::kResearchLab)};
    const int64_t time = ItemRowTime(bid, metal, crystal, facilities, planet.inputs);
    figures.time = FormatDuration(time);
    // Whole energy at level L, and the capacity that level L + 1 will have:
    // the row describes the upgrade to L.
    figures.extra = ItemRowExtraOf(bid);
    if (figures.extra == ItemRowExtra::Energy)
        figures.extraText = std::to_string(ItemEnergy(bid, level));
    else if (figures.extra == ItemRowExtra::Capacity)
        figures.extraText = std::to_string(StorageCapacityInThousands(int64_t{level} + 1)) + "k";
    return figures;
}

std::vector<ItemRowFigures> AllItemRowFigures(const BuildQueue &queue, const Planet &planet, MessageSink &messages)
{
    std::vector<ItemRowFigures> rows;
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (HasItemRow(item.bid))
            rows.push_back(ItemRowFiguresOf(queue, planet, item.bid, NextItemLevel(queue, item.bid), messages));
    }
    return rows;
}

} // namespace korvelin
