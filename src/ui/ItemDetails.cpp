#include "ui/ItemDetails.h"

#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "rules/UpgradeCost.h"
#include "ui/ItemRowTable.h"
#include "ui/MainForm.h"
#include "util/FormatDuration.h"

#include <limits>
#include <string>

namespace korvelin {

namespace {

QString Number(int64_t value)
{
    return QString::number(value);
}

const ItemRowLayout *FindLayout(int32_t bid)
{
    for (const ItemRowLayout &layout : ItemRowLayouts()) {
        if (layout.bid == bid)
            return &layout;
    }
    return nullptr;
}

void ShowCapacities(MainForm &form)
{
    const BuildQueue &queue = form.queue;
    form.CapacityMetalLabel->setText(
        Number(StorageCapacity(bid::kMetalStorage, queue.QueuedLevel(bid::kMetalStorage))));
    form.CapacityCrystalLabel->setText(
        Number(StorageCapacity(bid::kCrystalStorage, queue.QueuedLevel(bid::kCrystalStorage))));
    form.CapacityDeuteriumLabel->setText(
        Number(StorageCapacity(bid::kDeuteriumTank, queue.QueuedLevel(bid::kDeuteriumTank))));
}

} // namespace

void ShowItemDetails(MainForm &form, int32_t bid, int32_t level)
{
    ShowCapacities(form);
    if (ItemIndexOf(bid) != -1 && !HasItemRow(bid))
        return;
    ItemRow *row = FindItemRow(form, bid);
    const ItemRowLayout *layout = FindLayout(bid);
    if (!row || !layout) {
        form.platform.ShowMessage("Unknown BID: " + std::to_string(bid));
        return;
    }

    const BuildQueue &queue = form.queue;
    const auto costs = UpgradeCosts(bid, level, form.platform);
    const int64_t metal = costs[0];
    const int64_t crystal = costs[1];
    // The factory and lab levels are those after the whole queue, not at the
    // item's place in it.
    const FacilityLevels facilities{queue.QueuedLevel(bid::kRoboticsFactory), queue.QueuedLevel(bid::kNaniteFactory),
                                    queue.QueuedLevel(bid::kResearchLab)};
    const int64_t time = ItemRowTime(bid, metal, crystal, facilities, form.document.StartPlanet().inputs);

    // Whole energy at level L, and the capacity that level L + 1 will have:
    // the row describes the upgrade to L.
    if (layout->extra == ExtraValue::Energy)
        row->ExtraLabel->setText(Number(ItemEnergy(bid, level)));
    else if (layout->extra == ExtraValue::Capacity)
        row->ExtraLabel->setText(Number(StorageCapacityInThousands(int64_t{level} + 1)) + QLatin1Char('k'));
    if (row->MetalLabel)
        row->MetalLabel->setText(Number(metal));
    if (row->CrystalLabel)
        row->CrystalLabel->setText(Number(crystal));
    if (row->DeuteriumLabel)
        row->DeuteriumLabel->setText(Number(costs[2]));
    row->TimeLabel->setText(QString::fromStdString(FormatDuration(time)));
    row->LevelLabel->setText(Number(level));
}

void RefreshItemRows(MainForm &form)
{
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (!HasItemRow(item.bid))
            continue;
        const int32_t queued = form.queue.QueuedLevel(item.bid);
        const int32_t next = queued < std::numeric_limits<int32_t>::max() ? queued + 1 : queued;
        ShowItemDetails(form, item.bid, next);
    }
}

} // namespace korvelin
