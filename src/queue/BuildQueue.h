#pragma once
// The build queue: the planned upgrades in build order, the per-item count of
// queued upgrades (QueuedLevel) and the level of any item at any position.
// The planet is planned from nothing, so an item's level at position n is the
// number of its entries among the first n.

#include "rules/ItemCatalogue.h"
#include "rules/Production.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin {

struct QueueEntry {
    int32_t bid = 0;
    int32_t level = 0;
    int32_t order = 0; // stamp given at append time; travels with the entry
};

class BuildQueue {
public:
    int32_t Count() const;
    bool Empty() const { return Count() == 0; }
    const QueueEntry &At(int32_t index) const;
    std::span<const QueueEntry> Entries() const;

    // Appends {bid, level, NextOrderStamp()} and returns its index. Catalogue
    // BIDs only; does not touch the QueuedLevel table.
    int32_t AppendEntry(int32_t bid, int32_t level);
    // Removes the entry and, first, the chain of later entries of the same item
    // at higher levels; lowers the queued level once per removed entry.
    void RemoveEntry(int32_t index);
    void SwapEntries(int32_t i, int32_t j);
    int32_t FindLaterHigherLevel(int32_t index) const;
    int32_t NextOrderStamp() const;
    bool CanMoveUp(int32_t index) const;
    bool CanMoveDown(int32_t index) const;
    // Empties the queue and sets every queued level to 0.
    void Clear();

    // Entries of `bid` among indices 0 .. n − 1; 0 for n ≤ 0.
    int32_t LevelBefore(int32_t bid, int32_t n) const;
    // The economy at position n with the planet inputs read by the caller.
    Economy EconomyAt(int32_t n, int32_t maxTemperature, int32_t satellites) const;

    // The QueuedLevel table: entries of each catalogue item in the queue.
    int32_t QueuedLevel(int32_t bid) const;
    void RaiseQueuedLevel(int32_t bid);

private:
    std::vector<QueueEntry> entries_;
    std::array<int32_t, kItemCount> queuedLevels_{};
    // Further members (prefix level counts, cached order stamp) belong to the
    // implementation.
};

} // namespace korvelin
