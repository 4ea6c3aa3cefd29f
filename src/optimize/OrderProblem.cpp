#include "optimize/OrderProblem.h"

#include "search/SearchBudget.h"

#include "rules/UpgradeCost.h"
#include "util/Extended.h"
#include "util/Saturating.h"
#include "util/WideArithmetic.h"

#include <algorithm>
#include <limits>
#include <map>

namespace korvelin::optimize {

namespace {

MessageSink &quietSink = search::QuietMessages();

} // namespace

OrderProblem::OrderProblem(std::span<const QueueEntry> entries, const Planet &planet)
    : entries_(entries.begin(), entries.end()), planet_(planet)
{
    planet_.inputs.economySpeed = ClampEconomySpeed(planet_.inputs.economySpeed);
    startSlot_.state.stock = planet_.startStock;
    startSlot_.levels = PositionLevels::Start(planet_);
    startSlot_.reached = ReachedLevels{planet_.startLevels};
    const size_t n = entries_.size();
    costs_.resize(n);
    checkRequirements_.resize(n);
    checkStores_.resize(n);
    shortestStep_.resize(n);
    items_.resize(n);
    PositionLevels all = startSlot_.levels;
    std::map<int32_t, int32_t> itemOfBid;
    for (size_t e = 0; e < n; ++e) {
        const QueueEntry &entry = entries_[e];
        costs_[e] = UpgradeCosts(entry.bid, entry.level, quietSink);
        anyDeuteriumCost_ = anyDeuteriumCost_ || costs_[e][2] > 0;
        checkRequirements_[e] = !RequirementsMet(entry.bid, startSlot_.reached);
        // Levels only rise, so a price within the start store never passes it.
        checkStores_[e] = StoreShortfall(costs_[e], {}, startSlot_.reached) >= 0;
        all.CountEntry(entry.bid);
        const auto [found, added] = itemOfBid.try_emplace(entry.bid, static_cast<int32_t>(itemEntries_.size()));
        if (added)
            itemEntries_.emplace_back();
        items_[e] = found->second;
        itemEntries_[static_cast<size_t>(items_[e])].push_back(static_cast<int32_t>(e));
    }
    // An entry of a factory stands after exactly its own earlier levels;
    // research under the game rules is fastest with every lab level built.
    std::array<int32_t, 2> seenFactories{startSlot_.levels.roboticsFactory, startSlot_.levels.naniteFactory};
    for (size_t e = 0; e < n; ++e) {
        int32_t robotics = all.roboticsFactory;
        int32_t nanite = all.naniteFactory;
        if (entries_[e].bid == bid::kRoboticsFactory)
            robotics = seenFactories[0]++;
        else if (entries_[e].bid == bid::kNaniteFactory)
            nanite = seenFactories[1]++;
        shortestStep_[e] = UpgradeTime(entries_[e].bid, costs_[e][0], costs_[e][1], {robotics, nanite, all.researchLab},
                                       planet_.inputs);
    }

    // Each rate is highest at the full production factor with every level of
    // its producer built. No energy produced means the full factor under the
    // classic rules (which these economies keep), so they give exactly that.
    const auto rateWith = [&](int32_t metal, int32_t crystal, int32_t synthesizer) {
        Economy economy;
        economy.metalMine = metal;
        economy.crystalMine = crystal;
        economy.deuteriumSynthesizer = synthesizer;
        economy.maxTemperature = planet_.inputs.maxTemperature;
        economy.economySpeed = planet_.inputs.economySpeed;
        return EvaluateEconomy(economy);
    };
    highestRate_[0] = rateWith(all.metalMine, 0, 0).metalPerHour;
    highestRate_[1] = rateWith(0, all.crystalMine, 0).crystalPerHour;
    highestRate_[2] = rateWith(0, 0, all.deuteriumSynthesizer).deuteriumPerHour;
    startSlot_.left = AllRemaining();
}

bool OrderProblem::KeepsLimits(int32_t e, const Slot &slot) const
{
    const auto index = static_cast<size_t>(e);
    if (checkRequirements_[index] && !RequirementsMet(Entry(e).bid, slot.reached))
        return false;
    // The stock before the entry's wait: what it can pay without saving past the store.
    return !checkStores_[index] || StoreShortfall(Costs(e), slot.state.stock, slot.reached) < 0;
}

bool OrderProblem::Play(int32_t e, Slot &slot) const
{
    if (!KeepsLimits(e, slot))
        return false;
    EntryEvaluation evaluation;
    EvaluateAt(Entry(e).bid, Costs(e), slot.levels, planet_.inputs, slot.state, quietSink, evaluation);
    if (evaluation.costs[2] > 0 && evaluation.economy.deuteriumPerHour <= 0)
        return false;
    CreditStep(evaluation.economy, slot.state, evaluation);
    slot.levels.CountEntry(Entry(e).bid);
    slot.reached.Reach(Entry(e).bid, Entry(e).level);
    slot.left.Take(*this, e);
    return true;
}

void OrderProblem::PlayAnyway(int32_t e, Slot &slot) const
{
    EntryEvaluation evaluation;
    EvaluateAt(Entry(e).bid, Costs(e), slot.levels, planet_.inputs, slot.state, quietSink, evaluation);
    CreditStep(evaluation.economy, slot.state, evaluation);
    slot.levels.CountEntry(Entry(e).bid);
    slot.reached.Reach(Entry(e).bid, Entry(e).level);
    slot.left.Take(*this, e);
}

int64_t OrderProblem::TotalOf(std::span<const int32_t> order) const
{
    Slot slot = startSlot_;
    for (const int32_t e : order) {
        if (!Play(e, slot))
            return -1;
    }
    return slot.state.total;
}

namespace {

// Prices and build times are never negative; a clamp keeps the sums sound
// should one ever be.
uint64_t Figure(int64_t value)
{
    return static_cast<uint64_t>(std::max<int64_t>(value, 0));
}

} // namespace

void Remaining::Add(const OrderProblem &problem, int32_t e)
{
    count += 1;
    shortestSteps.Add(Figure(problem.ShortestStep(e)));
    for (size_t kind = 0; kind < 3; ++kind)
        costs[kind].Add(Figure(problem.Costs(e)[kind]));
}

void Remaining::Take(const OrderProblem &problem, int32_t e)
{
    count -= 1;
    shortestSteps.Take(Figure(problem.ShortestStep(e)));
    for (size_t kind = 0; kind < 3; ++kind)
        costs[kind].Take(Figure(problem.Costs(e)[kind]));
}

OrderProblem::Remaining OrderProblem::AllRemaining() const
{
    Remaining remaining;
    for (int32_t e = 0; e < Count(); ++e)
        remaining.Add(*this, e);
    return remaining;
}

namespace {

// Whether sum · factor > a · b, all exact: a · b fits 128 bits, and a left
// side beyond 128 bits exceeds it.
bool ExceedsProduct(const ExactSum &sum, uint64_t factor, uint64_t a, uint64_t b)
{
    const WideProduct right = MultiplyWide(a, b);
    const WideProduct lowPart = MultiplyWide(sum.low, factor);
    const WideProduct highPart = MultiplyWide(sum.high, factor);
    if (highPart.high != 0)
        return true;
    const uint64_t leftHigh = highPart.low + lowPart.high;
    if (leftHigh < highPart.low)
        return true;
    return ExactSum{leftHigh, lowPart.low} > ExactSum{right.high, right.low};
}

} // namespace

bool OrderProblem::RemainingExceeds(const Remaining &remaining, const std::array<int64_t, 3> &stock,
                                    int64_t slack) const
{
    // Every step lasts at least its build time.
    if (slack < 0 || remaining.shortestSteps > ExactSum{0, static_cast<uint64_t>(slack)})
        return true;
    // The stock never falls below 0 in an admissible order (each wait lasts
    // until production covers the shortfall), so what the remaining entries
    // cost beyond the stock must be produced. A step of s seconds at r per
    // hour credits round(r·s/3600) ≤ R·s/3600 + 1 with R the highest rate, so
    // T seconds produce at most R·T/3600 + count: T ≥ (cost − stock − count)
    // · 3600 / R. One unit more is left for the extended rounding. Compared
    // in integers, so the test is exact.
    for (size_t kind = 0; kind < 3; ++kind) {
        const int64_t rate = highestRate_[kind];
        if (rate <= 0)
            continue;
        // needed = cost − stock − count − 1, when it is above 0.
        ExactSum needed = remaining.costs[kind];
        uint64_t subtrahend = static_cast<uint64_t>(remaining.count) + 1;
        if (stock[kind] < 0)
            needed.Add(0 - static_cast<uint64_t>(stock[kind]));
        else
            subtrahend += static_cast<uint64_t>(stock[kind]);
        if (needed <= ExactSum{0, subtrahend})
            continue;
        needed.Take(subtrahend);
        if (ExceedsProduct(needed, 3600, static_cast<uint64_t>(slack), static_cast<uint64_t>(rate)))
            return true;
    }
    return false;
}

void OrderProblem::Choices(const Slot &slot, std::span<const int32_t> prefix, std::vector<int32_t> &out) const
{
    nextScratch_.assign(itemEntries_.size(), 0);
    for (const int32_t e : prefix)
        ++nextScratch_[static_cast<size_t>(ItemOf(e))];
    for (size_t item = 0; item < itemEntries_.size(); ++item) {
        if (nextScratch_[item] >= itemEntries_[item].size())
            continue;
        const int32_t e = itemEntries_[item][nextScratch_[item]];
        if (!checkRequirements_[static_cast<size_t>(e)] || RequirementsMet(Entry(e).bid, slot.reached))
            out.push_back(e);
    }
}

bool OrderProblem::MakeCandidate(const Order &order, const Slot &, search::SearchRandom &random,
                                 search::PlanChange &change) const
{
    if (ItemCount() < 2)
        return false;
    // The run may not pass an entry of any of its items.
    const auto blocks = [&](const search::RunMove &move, int32_t position) {
        const int32_t item = ItemOf(order[static_cast<size_t>(position)]);
        for (int32_t r = move.from; r < move.from + move.length; ++r) {
            if (ItemOf(order[static_cast<size_t>(r)]) == item)
                return true;
        }
        return false;
    };
    return search::PickRunMove(static_cast<int32_t>(order.size()), random, blocks, change);
}

} // namespace korvelin::optimize
