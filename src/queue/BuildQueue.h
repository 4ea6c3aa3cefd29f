#pragma once
// The build queue: the planned upgrades in build order and the level of any
// item at any position. An item's level at position n is its start level on
// the planet plus the number of its entries among the first n; its queued
// level is that at the end of the queue.

#include "rules/ItemCatalogue.h"
#include "rules/Planet.h"
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
// mines, power plants, factories, and for the game rules the research lab and
// the three stores, before it. Kept apart from the queue so that the order
// search can count them for orders no queue holds.
struct PositionLevels {
    int32_t metalMine = 0;
    int32_t crystalMine = 0;
    int32_t deuteriumSynthesizer = 0;
    int32_t solarPlant = 0;
    int32_t fusionReactor = 0;
    int32_t roboticsFactory = 0;
    int32_t naniteFactory = 0;
    int32_t researchLab = 0;
    std::array<int32_t, 3> stores{}; // metal storage, crystal storage, deuterium tank

    // The levels before the first entry: the planet's start levels.
    static PositionLevels Start(const Planet &planet);
    static PositionLevels Start(const std::array<int32_t, kItemCount> &startLevels);

    // One more entry of `bid` stands before the position; an item whose
    // level nothing here reads changes nothing.
    void CountEntry(int32_t bid);
    Economy EconomyWith(const PlanetInputs &inputs) const;

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
    // BIDs only (any other is refused with -1), and at most INT32_MAX entries.
    int32_t AppendEntry(int32_t bid, int32_t level);
    // Appends the item's next level, QueuedLevel + 1, as an item button does.
    int32_t AppendUpgrade(int32_t bid);
    // Removes the entry and, first, the chain of later entries of the same item
    // at higher levels. An index outside the queue changes nothing. Returns
    // what was removed, by rising index.
    std::vector<RemovedEntry> RemoveEntry(int32_t index);
    // Puts back what RemoveEntry returned, each entry at its old index: the
    // queue is as before the removal.
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
    // Empties the queue; the start levels stay.
    void Clear();
    // Replaces the entries, as a snapshot taken with Entries() left them.
    void Assign(std::span<const QueueEntry> entries);

    // The planet's level of each item before the first entry, by
    // ItemIndex − 1. Setting them leaves the entries as they are.
    const std::array<int32_t, kItemCount> &StartLevels() const { return startLevels_; }
    void SetStartLevels(const std::array<int32_t, kItemCount> &levels);
    // Gives the entries of `bid` the levels start + 1, start + 2, … in queue
    // order, so that the plan keeps its shape on a planet whose start changed.
    void RenumberEntries(int32_t bid);

    // The start level of `bid` plus its entries among indices 0 .. n − 1
    // (none for n ≤ 0, every entry for n ≥ Count()), at most INT32_MAX.
    // Constant time (amortised) for the items the economy and the timeline
    // read; other items are counted.
    int32_t LevelBefore(int32_t bid, int32_t n) const;
    // The levels at position n, and the economy there with the planet inputs
    // read by the caller.
    PositionLevels LevelsAt(int32_t n) const;
    Economy EconomyAt(int32_t n, const PlanetInputs &inputs) const;

    // The item's level once the whole queue is built: start level plus its
    // entries, at most INT32_MAX; 0 for a BID outside the catalogue.
    int32_t QueuedLevel(int32_t bid) const;

    // Changes with every edit of the entries, so that a view can tell in
    // constant time whether what it shows is still the queue. Revisions come
    // from one counter shared by every queue: a queue assigned over another
    // never brings along the revision a view recorded of the one it replaced.
    uint64_t Revision() const { return revision_; }

  private:
    void CountItem(int32_t bid, int32_t delta);
    void RecountItems();
    // The entries changed from `index` on: later prefix rows no longer hold
    // and the revision moves on.
    void InvalidateFrom(int32_t index);
    void EnsurePrefixRows(int32_t n) const;

    std::vector<QueueEntry> entries_;
    std::array<int32_t, kItemCount> startLevels_{};
    std::array<int32_t, kItemCount> itemCounts_{}; // entries of each item, by ItemIndex − 1
    int32_t smallestStamp_ = 1000;                 // min(1000, every stamp in the queue)
    uint64_t revision_ = 0;

    // Row r holds, for each tracked item, its entries among the first r;
    // rows 0 .. validRows_ − 1 are up to date. Rebuilt lazily from the first
    // changed index, so a walk over an unchanged queue reads each in O(1).
    mutable std::vector<int32_t> prefixCounts_;
    mutable int32_t validRows_ = 0;
};

} // namespace korvelin
