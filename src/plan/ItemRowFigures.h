#pragma once
// The figures of an item row: the upgrade its button would queue next (or a
// level asked about), its price, its build time with the factories and the
// lab the whole queue reaches, and its energy or its store's capacity, each
// as the text both front ends show.

#include "queue/BuildQueue.h"
#include "rules/Planet.h"
#include "util/MessageSink.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvelin {

// What a row shows beside its level: the energy of a mine or a power plant,
// the capacity of a store, or nothing.
enum class ItemRowExtra { None, Energy, Capacity };

ItemRowExtra ItemRowExtraOf(int32_t bid);

struct ItemRowFigures {
    int32_t bid = 0;
    int32_t level = 0;
    std::array<int64_t, 3> costs{};
    std::array<std::string, 3> costTexts; // metal, crystal, deuterium
    std::string time;                     // the build time, formatted
    ItemRowExtra extra = ItemRowExtra::None;
    // The energy at `level`, or the capacity that `level` + 1 will have, in
    // thousands with a "k"; empty for neither.
    std::string extraText;
};

// The level the item's button queues next: one past its queued level.
int32_t NextItemLevel(const BuildQueue &queue, int32_t bid);

// The row's figures for the upgrade to `level`; a price's message goes to
// `messages`.
ItemRowFigures ItemRowFiguresOf(const BuildQueue &queue, const Planet &planet, int32_t bid, int32_t level,
                                MessageSink &messages);

// Every item with a row, in catalogue order, at its next level.
std::vector<ItemRowFigures> AllItemRowFigures(const BuildQueue &queue, const Planet &planet, MessageSink &messages);

} // namespace korvelin
