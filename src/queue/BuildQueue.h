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
    friend bool operator==(const QueueEntry &, const QueueEntry &) = default;
};

// An entry taken out of the queue and the index it stood at before.
struct RemovedEntry {
    int32_t index = 0;
    QueueEntry entry;
    friend bool operator==(const RemovedEntry &, const RemovedEntry &) = default;
};

// The levels an entry's evaluation reads at its position: the entries of the
// mines, power plants and factories before it. Kept apart from the queue so
// that the order search can count them for orders no queue holds.
struct PositionLevels {
    int32_t metalMine = 0;
    int32_t crystalMine = 0;
    int32_t deuteriumSynthesizer = 0;
    int32_t solarPlant = 0;
    int32_t fusionReactor = 0;
    int32_t roboticsFactory = 0;
    int32_t naniteFactory = 0;

    // One more entry of `bid` stands before the position; an item whose
    // level nothing here reads changes nothing.
    void CountEntry(int32_t bid);
    Economy EconomyWith(int32_t maxTemperature, int32_t satellites) const;

    friend bool operator==(const PositionLevels &, const PositionLevels &) = default;
};

class BuildQueue {
  public:
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    // An index outside 0 .. Count() − 1 gives an entry of BID 0, level 0.
    const QueueEntry &At(int32_t index) const;
    std::span<const QueueEntry> Entries() const { return entries_; }

    // Appends {bid, level, NextOrderStamp()} and returns its index. Catalogue
    // BIDs only (any other is refused with -1); does not touch the QueuedLevel
    // table.
    int32_t AppendEntry(int32_t bid, int32_t level);
    // Removes the entry and, first, the chain of later entries of the same item
    // at higher levels; lowers the queued level once per removed entry. An
    // index outside the queue changes nothing. Returns what was removed, by
    // rising index.
    std::vector<RemovedEntry> RemoveEntry(int32_t index);
    // Puts back what RemoveEntry returned, each entry at its old index, and
    // raises the queued levels again: the queue is as before the removal.
    void RestoreEntries(std::span<const RemovedEntry> removed);
    // Exchanges two entries with all their fields; indices outside the queue
    // change nothing.
    void SwapEntries(int32_t i, int32_t j);
    // The first index after `index` holding the same item at a higher level,
    // or -1.
    int32_t FindLaterHigherLevel(int32_t index) const;
    // One below the smallest stamp in the queue, or 999 for a queue whose
    // stamps are all 1000 or more (an empty one in particular).
    int32_t NextOrderStamp() const;
    // False exactly when the neighbour is the same item at a level that must
    // stay on that side; false also for an index without that neighbour.
    bool CanMoveUp(int32_t index) const;
    bool CanMoveDown(int32_t index) const;
    // Empties the queue and sets every queued level to 0.
    void Clear();
    // Replaces the entries and the QueuedLevel table at once, as a snapshot
    // taken with Entries() and QueuedLevels() left them.
    void Assign(std::span<const QueueEntry> entries, const std::array<int32_t, kItemCount> &queuedLevels);

    // Entries of `bid` among indices 0 .. n − 1; 0 for n ≤ 0, every entry for
    // n ≥ Count(). Constant time (amortised) for the items the economy and
    // the timeline read; other items are counted.
    int32_t LevelBefore(int32_t bid, int32_t n) const;
    // The levels at position n, and the economy there with the planet inputs
    // read by the caller.
    PositionLevels LevelsAt(int32_t n) const;
    Economy EconomyAt(int32_t n, int32_t maxTemperature, int32_t satellites) const;

    // The QueuedLevel table: entries of each catalogue item in the queue
    // (0 for a BID outside the catalogue).
    int32_t QueuedLevel(int32_t bid) const;
    void RaiseQueuedLevel(int32_t bid);
    // The whole table, by ItemIndex − 1.
    const std::array<int32_t, kItemCount> &QueuedLevels() const { return queuedLevels_; }

    // Changes with every edit of the entries, so that a view can tell in
    // constant time whether what it shows is still the queue. Revisions come
    // from one counter shared by every queue: a queue assigned over another
    // never brings along the revision a view recorded of the one it replaced.
    uint64_t Revision() const { return revision_; }

  private:
    void LowerQueuedLevel(int32_t bid);
    // The entries changed from `index` on: later prefix rows no longer hold
    // and the revision moves on.
    void InvalidateFrom(int32_t index);
    void EnsurePrefixRows(int32_t n) const;

    std::vector<QueueEntry> entries_;
    std::array<int32_t, kItemCount> queuedLevels_{};
    int32_t smallestStamp_ = 1000; // min(1000, every stamp in the queue)
    uint64_t revision_ = 0;

    // Row r holds, for each tracked item, its entries among the first r;
    // rows 0 .. validRows_ − 1 are up to date. Rebuilt lazily from the first
    // changed index, so a walk over an unchanged queue reads each in O(1).
    mutable std::vector<int32_t> prefixCounts_;
    mutable int32_t validRows_ = 0;
};

} // namespace korvelin
