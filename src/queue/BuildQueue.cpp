#include "queue/BuildQueue.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace korvelin {

namespace {

// The items whose levels the economy, the timeline and the summary read at
// every position.
constexpr std::array<int32_t, 11> kTrackedBids = {
    bid::kMetalMine,      bid::kCrystalMine,     bid::kDeuteriumSynthesizer, bid::kSolarPlant,
    bid::kFusionReactor,  bid::kRoboticsFactory, bid::kNaniteFactory,        bid::kMetalStorage,
    bid::kCrystalStorage, bid::kDeuteriumTank,   bid::kResearchLab,
};
constexpr int32_t kTracked = static_cast<int32_t>(kTrackedBids.size());
// LevelsAt reads the slots in this order.
static_assert(kTrackedBids[0] == bid::kMetalMine && kTrackedBids[6] == bid::kNaniteFactory &&
              kTrackedBids[7] == bid::kMetalStorage && kTrackedBids[9] == bid::kDeuteriumTank &&
              kTrackedBids[10] == bid::kResearchLab);

uint64_t NextRevision()
{
    static std::atomic<uint64_t> last{0};
    return ++last;
}

// Start level plus entries; a start level near INT32_MAX from a file must not
// overflow.
int32_t AddLevels(int32_t start, int32_t entries)
{
    return static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(start) + entries, INT32_MAX));
}

int32_t TrackedSlot(int32_t bid)
{
    for (int32_t slot = 0; slot < kTracked; ++slot) {
        if (kTrackedBids[static_cast<size_t>(slot)] == bid)
            return slot;
    }
    return -1;
}

} // namespace

const QueueEntry &BuildQueue::At(int32_t index) const
{
    static const QueueEntry none{};
    if (index < 0 || index >= Count())
        return none;
    return entries_[static_cast<size_t>(index)];
}

int32_t BuildQueue::NextOrderStamp() const
{
    // Wraps like the 32-bit counter it is instead of overflowing.
    return static_cast<int32_t>(static_cast<uint32_t>(smallestStamp_) - 1u);
}

int32_t BuildQueue::AppendEntry(int32_t bid, int32_t level)
{
    if (ItemIndexOf(bid) == -1 || Count() == std::numeric_limits<int32_t>::max())
        return -1;
    const int32_t stamp = NextOrderStamp();
    const int32_t index = Count();
    entries_.push_back({bid, level, stamp});
    CountItem(bid, 1);
    smallestStamp_ = std::min(smallestStamp_, stamp);
    InvalidateFrom(index);
    return index;
}

int32_t BuildQueue::AppendUpgrade(int32_t bid)
{
    return AppendEntry(bid, AddLevels(QueuedLevel(bid), 1));
}

int32_t BuildQueue::FindLaterHigherLevel(int32_t index) const
{
    if (index < 0 || index >= Count())
        return -1;
    const QueueEntry &entry = entries_[static_cast<size_t>(index)];
    for (int32_t i = index + 1; i < Count(); ++i) {
        const QueueEntry &later = entries_[static_cast<size_t>(i)];
        if (later.bid == entry.bid && later.level > entry.level)
            return i;
    }
    return -1;
}

std::vector<RemovedEntry> BuildQueue::RemoveEntry(int32_t index)
{
    if (index < 0 || index >= Count())
        return {};
    // The chain index, j1 = next higher after index, j2 = next higher after
    // j1, ...; removing it from the back leaves the same queue as removing one
    // entry at a time, but compacts the array once and needs no recursion,
    // however long the chain.
    std::vector<bool> removed(entries_.size(), false);
    for (int32_t i = index; i != -1; i = FindLaterHigherLevel(i)) {
        removed[static_cast<size_t>(i)] = true;
        CountItem(entries_[static_cast<size_t>(i)].bid, -1);
    }
    std::vector<RemovedEntry> taken;
    size_t kept = static_cast<size_t>(index);
    bool smallestRemoved = false;
    for (size_t i = static_cast<size_t>(index); i < entries_.size(); ++i) {
        if (removed[i]) {
            smallestRemoved = smallestRemoved || entries_[i].order == smallestStamp_;
            taken.push_back({static_cast<int32_t>(i), entries_[i]});
        } else {
            entries_[kept++] = entries_[i];
        }
    }
    entries_.resize(kept);
    if (smallestRemoved) {
        smallestStamp_ = 1000;
        for (const QueueEntry &entry : entries_)
            smallestStamp_ = std::min(smallestStamp_, entry.order);
    }
    InvalidateFrom(index);
    return taken;
}

void BuildQueue::RestoreEntries(std::span<const RemovedEntry> removed)
{
    if (removed.empty())
        return;
    // Rising old indices: once the earlier ones are back, each later index
    // counts the same entries before it as when it was taken out.
    std::vector<QueueEntry> merged;
    merged.reserve(entries_.size() + removed.size());
    size_t next = 0;
    for (const RemovedEntry &item : removed) {
        const size_t at = static_cast<size_t>(std::max(item.index, 0));
        while (merged.size() < at && next < entries_.size())
            merged.push_back(entries_[next++]);
        merged.push_back(item.entry);
        CountItem(item.entry.bid, 1);
        smallestStamp_ = std::min(smallestStamp_, item.entry.order);
    }
    merged.insert(merged.end(), entries_.begin() + static_cast<std::ptrdiff_t>(next), entries_.end());
    entries_ = std::move(merged);
    InvalidateFrom(std::max(removed.front().index, 0));
}

void BuildQueue::SwapEntries(int32_t i, int32_t j)
{
    if (i < 0 || j < 0 || i >= Count() || j >= Count() || i == j)
        return;
    std::swap(entries_[static_cast<size_t>(i)], entries_[static_cast<size_t>(j)]);
    InvalidateFrom(std::min(i, j));
}

bool BuildQueue::CanMoveUp(int32_t index) const
{
    if (index < 1 || index >= Count())
        return false;
    const QueueEntry &entry = entries_[static_cast<size_t>(index)];
    const QueueEntry &above = entries_[static_cast<size_t>(index) - 1];
    return !(above.bid == entry.bid && above.level < entry.level);
}

bool BuildQueue::CanMoveDown(int32_t index) const
{
    if (index < 0 || index >= Count() - 1)
        return false;
    const QueueEntry &entry = entries_[static_cast<size_t>(index)];
    const QueueEntry &below = entries_[static_cast<size_t>(index) + 1];
    return !(below.bid == entry.bid && below.level > entry.level);
}

void BuildQueue::Clear()
{
    entries_.clear();
    itemCounts_.fill(0);
    smallestStamp_ = 1000;
    InvalidateFrom(0);
}

void BuildQueue::Assign(std::span<const QueueEntry> entries)
{
    entries_.assign(entries.begin(), entries.end());
    RecountItems();
    smallestStamp_ = 1000;
    for (const QueueEntry &entry : entries_)
        smallestStamp_ = std::min(smallestStamp_, entry.order);
    InvalidateFrom(0);
}

void BuildQueue::SetStartLevels(const std::array<int32_t, kItemCount> &levels)
{
    startLevels_ = levels;
    // The prefix rows count entries only, so they still hold; the levels read
    // at every position changed all the same.
    revision_ = NextRevision();
}

void BuildQueue::RenumberEntries(int32_t bid)
{
    int32_t level = LevelBefore(bid, 0);
    for (QueueEntry &entry : entries_) {
        if (entry.bid == bid) {
            level = AddLevels(level, 1);
            entry.level = level;
        }
    }
    revision_ = NextRevision();
}

void BuildQueue::InvalidateFrom(int32_t index)
{
    // Row r counts entries 0 .. r − 1, so a change at `index` leaves rows
    // 0 .. index as they were.
    validRows_ = std::min(validRows_, index + 1);
    revision_ = NextRevision();
}

void BuildQueue::EnsurePrefixRows(int32_t n) const
{
    if (n < validRows_)
        return;
    // Extend to the whole queue at once: walks read every position in turn.
    const int32_t rows = Count() + 1;
    prefixCounts_.resize(static_cast<size_t>(rows) * kTracked);
    if (validRows_ == 0) {
        std::fill_n(prefixCounts_.begin(), kTracked, 0);
        validRows_ = 1;
    }
    for (int32_t r = validRows_; r < rows; ++r) {
        const size_t row = static_cast<size_t>(r) * kTracked;
        std::copy_n(prefixCounts_.begin() + static_cast<std::ptrdiff_t>(row - kTracked), kTracked,
                    prefixCounts_.begin() + static_cast<std::ptrdiff_t>(row));
        const int32_t slot = TrackedSlot(entries_[static_cast<size_t>(r) - 1].bid);
        if (slot != -1)
            ++prefixCounts_[row + static_cast<size_t>(slot)];
    }
    validRows_ = rows;
}

int32_t BuildQueue::LevelBefore(int32_t bid, int32_t n) const
{
    const int32_t item = ItemIndexOf(bid);
    const int32_t start = item == -1 ? 0 : startLevels_[static_cast<size_t>(item) - 1];
    if (n <= 0)
        return start;
    n = std::min(n, Count());
    const int32_t slot = TrackedSlot(bid);
    if (slot == -1) {
        return AddLevels(
            start, static_cast<int32_t>(std::count_if(entries_.begin(), entries_.begin() + n,
                                                      [bid](const QueueEntry &entry) { return entry.bid == bid; })));
    }
    EnsurePrefixRows(n);
    return AddLevels(start, prefixCounts_[static_cast<size_t>(n) * kTracked + static_cast<size_t>(slot)]);
}

PositionLevels PositionLevels::Start(const Planet &planet)
{
    return Start(planet.startLevels);
}

PositionLevels PositionLevels::Start(const std::array<int32_t, kItemCount> &startLevels)
{
    const auto level = [&](int32_t bid) { return startLevels[static_cast<size_t>(ItemIndexOf(bid)) - 1]; };
    PositionLevels levels;
    levels.metalMine = level(bid::kMetalMine);
    levels.crystalMine = level(bid::kCrystalMine);
    levels.deuteriumSynthesizer = level(bid::kDeuteriumSynthesizer);
    levels.solarPlant = level(bid::kSolarPlant);
    levels.fusionReactor = level(bid::kFusionReactor);
    levels.roboticsFactory = level(bid::kRoboticsFactory);
    levels.naniteFactory = level(bid::kNaniteFactory);
    levels.researchLab = level(bid::kResearchLab);
    levels.stores = {level(bid::kMetalStorage), level(bid::kCrystalStorage), level(bid::kDeuteriumTank)};
    return levels;
}

void PositionLevels::CountEntry(int32_t bid)
{
    // Counts as the queue does: a start level near INT32_MAX stays there.
    const auto raise = [](int32_t &level) { level = AddLevels(level, 1); };
    switch (bid) {
    case bid::kMetalMine:
        raise(metalMine);
        break;
    case bid::kCrystalMine:
        raise(crystalMine);
        break;
    case bid::kDeuteriumSynthesizer:
        raise(deuteriumSynthesizer);
        break;
    case bid::kSolarPlant:
        raise(solarPlant);
        break;
    case bid::kFusionReactor:
        raise(fusionReactor);
        break;
    case bid::kRoboticsFactory:
        raise(roboticsFactory);
        break;
    case bid::kNaniteFactory:
        raise(naniteFactory);
        break;
    case bid::kResearchLab:
        raise(researchLab);
        break;
    case bid::kMetalStorage:
        raise(stores[0]);
        break;
    case bid::kCrystalStorage:
        raise(stores[1]);
        break;
    case bid::kDeuteriumTank:
        raise(stores[2]);
        break;
    default:
        break;
    }
}

Economy PositionLevels::EconomyWith(const PlanetInputs &inputs) const
{
    Economy economy;
    economy.metalMine = metalMine;
    economy.crystalMine = crystalMine;
    economy.deuteriumSynthesizer = deuteriumSynthesizer;
    economy.solarPlant = solarPlant;
    economy.fusionReactor = fusionReactor;
    economy.maxTemperature = inputs.maxTemperature;
    economy.satellites = inputs.satellites;
    economy.economySpeed = inputs.economySpeed;
    economy.rules = inputs.rules;
    return economy;
}

PositionLevels BuildQueue::LevelsAt(int32_t n) const
{
    // Every tracked item from one prefix row: a walk reads this at every
    // position, so no item is looked up by its BID here.
    static const std::array<size_t, kTracked> items = [] {
        std::array<size_t, kTracked> indices{};
        for (size_t slot = 0; slot < indices.size(); ++slot)
            indices[slot] = static_cast<size_t>(ItemIndexOf(kTrackedBids[slot])) - 1;
        return indices;
    }();
    std::array<int32_t, kTracked> at{};
    for (size_t slot = 0; slot < at.size(); ++slot)
        at[slot] = startLevels_[items[slot]];
    n = std::min(n, Count());
    if (n > 0) {
        EnsurePrefixRows(n);
        const size_t row = static_cast<size_t>(n) * kTracked;
        for (size_t slot = 0; slot < at.size(); ++slot)
            at[slot] = AddLevels(at[slot], prefixCounts_[row + slot]);
    }
    PositionLevels levels;
    levels.metalMine = at[0];
    levels.crystalMine = at[1];
    levels.deuteriumSynthesizer = at[2];
    levels.solarPlant = at[3];
    levels.fusionReactor = at[4];
    levels.roboticsFactory = at[5];
    levels.naniteFactory = at[6];
    levels.stores = {at[7], at[8], at[9]};
    levels.researchLab = at[10];
    return levels;
}

Economy BuildQueue::EconomyAt(int32_t n, const PlanetInputs &inputs) const
{
    return LevelsAt(n).EconomyWith(inputs);
}

int32_t BuildQueue::QueuedLevel(int32_t bid) const
{
    const int32_t item = ItemIndexOf(bid);
    if (item == -1)
        return 0;
    const size_t slot = static_cast<size_t>(item) - 1;
    return AddLevels(startLevels_[slot], itemCounts_[slot]);
}

void BuildQueue::CountItem(int32_t bid, int32_t delta)
{
    // Only catalogue BIDs enter the queue, and a queue holds at most
    // INT32_MAX entries, so a count stays within 0 .. INT32_MAX.
    const int32_t item = ItemIndexOf(bid);
    if (item != -1)
        itemCounts_[static_cast<size_t>(item) - 1] += delta;
}

void BuildQueue::RecountItems()
{
    itemCounts_.fill(0);
    for (const QueueEntry &entry : entries_)
        CountItem(entry.bid, 1);
}

} // namespace korvelin
