#include "ui/ItemDetails.h"

#include "plan/ItemRowFigures.h"
#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "ui/ItemRowTable.h"
#include "ui/MainForm.h"

#include <string>

namespace korvelin {

namespace {

QString Number(int64_t value)
{
    return QString::number(value);
}

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
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

    const ItemRowFigures figures = ItemRowFiguresOf(form.queue, form.document.StartPlanet(), bid, level, form.platform);
    if (row->ExtraLabel)
        row->ExtraLabel->setText(Text(figures.extraText));
    if (row->MetalLabel)
        row->MetalLabel->setText(Text(figures.costTexts[0]));
    if (row->CrystalLabel)
        row->CrystalLabel->setText(Text(figures.costTexts[1]));
    if (row->DeuteriumLabel)
        row->DeuteriumLabel->setText(Text(figures.costTexts[2]));
    row->TimeLabel->setText(Text(figures.time));
    row->LevelLabel->setText(Number(level));
}

void RefreshItemRows(MainForm &form)
{
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (!HasItemRow(item.bid))
            continue;
        ShowItemDetails(form, item.bid, NextItemLevel(form.queue, item.bid));
    }
}

} // namespace korvelin
