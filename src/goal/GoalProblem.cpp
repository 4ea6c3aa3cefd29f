#include "goal/GoalProblem.h"

#include "rules/Requirements.h"
#include "rules/UpgradeCost.h"
#include "util/Saturating.h"
#include "util/WideArithmetic.h"

#include <algorithm>
#include <limits>

namespace korvelin::goal {

namespace {

MessageSink &quietSink = search::QuietMessages();

// More entries of one item than a planner could ever play in a budget.
constexpr int32_t kMostRequired = 1000;
constexpr size_t kCacheBits = 12;
// Beyond these the bound gives up rather than risk an overflow.
constexpr int64_t kLongestSlack = int64_t{1} << 40;
constexpr int64_t kFastestRate = int64_t{1} << 22;

Economy EconomyOf(const PositionLevels &levels, const PlanetInputs &inputs)
{
    return levels.EconomyWith(inputs);
}

int64_t BuildTimeAt(int32_t bid, const std::array<int64_t, 3> &costs, int32_t robotics, int32_t nanite, int32_t lab,
                    const PlanetInputs &inputs)
{
    return UpgradeTime(bid, costs[0], costs[1], {robotics, nanite, lab}, inputs);
}

int32_t LevelAfter(int32_t start, int32_t k)
{
    return static_cast<int32_t>(std::min<int64_t>(int64_t{start} + k + 1, std::numeric_limits<int32_t>::max()));
}

// What `perHour` can yield in `seconds`, rounding aside; a very large value
// when the product leaves the range the bound works in.
int64_t ProducedWithin(int64_t perHour, int64_t seconds)
{
    if (perHour <= 0)
        return 0;
    if (perHour > kFastestRate)
        return std::numeric_limits<int64_t>::max() / 4;
    return perHour * seconds / 3600;
}

// Whether need · 3600 > seconds · perHour, exactly.
bool NeedsLonger(int64_t need, int64_t seconds, int64_t perHour)
{
    const WideProduct left = MultiplyWide(static_cast<uint64_t>(need), 3600);
    const WideProduct right = MultiplyWide(static_cast<uint64_t>(seconds), static_cast<uint64_t>(perHour));
    return left.high != right.high ? left.high > right.high : left.low > right.low;
}

} // namespace

GoalProblem::GoalProblem(const Planet &planet, std::span<const GoalTarget> goal)
    : planet_(planet), goal_(NormalizeGoal(goal)), figureCache_(size_t{1} << kCacheBits)
{
    const std::vector<GoalTarget> targets = GoalWithRequirements(planet_, goal_);
    const auto add = [&](int32_t bid, int32_t beyond) {
        ItemFigures figures;
        figures.bid = bid;
        figures.start = planet_.StartLevel(bid);
        for (const GoalTarget &target : targets) {
            if (target.bid == bid)
                figures.required =
                    static_cast<int32_t>(std::clamp<int64_t>(int64_t{target.level} - figures.start, 0, kMostRequired));
        }
        figures.most = figures.required + beyond;
        figures.offset = static_cast<int32_t>(costs_.size());
        std::array<int64_t, 3> sum{};
        for (int32_t k = 0; k < figures.most; ++k) {
            costs_.push_back(UpgradeCosts(bid, LevelAfter(figures.start, k), quietSink));
            cumulative_.push_back(sum);
            for (size_t kind = 0; kind < 3; ++kind)
                sum[kind] = SatAdd(sum[kind], costs_.back()[kind]);
        }
        cumulative_.push_back(sum);
        costs_.push_back({}); // keeps every item's cumulative row in step with its costs
        requiredTotal_ += figures.required;
        items_.push_back(figures);
    };
    for (const int32_t bid : kEconomyItems)
        add(bid, kMaxAddedLevels);
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (IsEconomyItem(item.bid))
            continue;
        if (const int32_t resource = StoreResourceOf(item.bid); resource >= 0) {
            storeItems_[static_cast<size_t>(resource)] = static_cast<int32_t>(items_.size());
            add(item.bid, StoreLevelsFor(item.bid, targets));
            continue;
        }
        const auto target = std::find_if(targets.begin(), targets.end(),
                                         [&](const GoalTarget &other) { return other.bid == item.bid; });
        if (target != targets.end() && target->level > planet_.StartLevel(item.bid))
            add(item.bid, 0);
    }
    LinkRequirements();

    // A fresh timeline works out the figures of the empty economy: once here
    // rather than at every plan played.
    startSlot_.state.stock = planet_.startStock;
    startSlot_.state.total = 0;
    startSlot_.levels = PositionLevels::Start(planet_);

    fullRates_.resize(costs_.size());
    buildTimes_.resize(costs_.size());
    for (size_t kind = 0; kind < 3; ++kind) {
        const ItemFigures &figures = Item(kProducerItems[kind]);
        for (int32_t k = 0; k <= figures.most; ++k) {
            // Nothing produces energy, so the factor is full: no position
            // produces more with the mine at this level.
            Economy economy = EconomyOf(PositionLevels{}, planet_.inputs);
            const int32_t level = LevelAfter(figures.start, k - 1);
            economy.metalMine = kind == 0 ? level : 0;
            economy.crystalMine = kind == 1 ? level : 0;
            economy.deuteriumSynthesizer = kind == 2 ? level : 0;
            economy.satellites = 0;
            // The game rules' factor is never above the classic one.
            economy.rules = GameRules::Classic;
            const EconomyFigures rates = EvaluateEconomy(economy);
            fullRates_[static_cast<size_t>(figures.offset + k)] = {rates.metalPerHour, rates.crystalPerHour,
                                                                   rates.deuteriumPerHour};
        }
    }
}

int32_t GoalProblem::ItemOfBid(int32_t bid) const
{
    for (int32_t item = 0; item < ItemCount(); ++item) {
        if (Bid(item) == bid)
            return item;
    }
    return -1;
}

const EconomyFigures &GoalProblem::FiguresOf(const Economy &economy) const
{
    const std::array<int32_t, 5> levels{economy.metalMine, economy.crystalMine, economy.deuteriumSynthesizer,
                                        economy.solarPlant, economy.fusionReactor};
    uint64_t key = 0;
    for (const int32_t level : levels) {
        if (level < 0 || level >= 4096) {
            // Outside what the key holds: computed each time.
            static thread_local CachedFigures uncached;
            uncached.figures = EvaluateEconomy(economy);
            return uncached.figures;
        }
        key = key << 12 | static_cast<uint64_t>(level);
    }
    CachedFigures &slot = figureCache_[(key * 0x9E3779B97F4A7C15ull) >> (64 - kCacheBits)];
    if (slot.key != key) {
        slot.figures = EvaluateEconomy(economy);
        slot.key = key;
    }
    return slot.figures;
}

PlanSlot GoalProblem::StartSlot() const
{
    return startSlot_;
}

Refusal GoalProblem::Step(int32_t item, PlanSlot &slot) const
{
    const ItemFigures &figures = Item(item);
    int32_t &count = slot.counts[static_cast<size_t>(item)];
    if (count >= figures.most)
        return Refusal::NoEntryLeft;
    if (!NeedsMet(item, slot.counts))
        return Refusal::Requirement;
    if (ShortStore(item, slot) >= 0)
        return Refusal::Store;
    const size_t row = static_cast<size_t>(figures.offset + count);
    const std::array<int64_t, 3> &costs = costs_[row];
    // The timeline keeps the figures of the economy it saw last; a change
    // of economy is looked up here instead of computed again.
    const Economy economy = EconomyOf(slot.levels, planet_.inputs);
    if (!(economy == slot.state.lastEconomy)) {
        slot.state.lastFigures = FiguresOf(economy);
        slot.state.lastEconomy = economy;
    }
    // So is the build time, which changes only with the factory and lab levels.
    CachedBuildTime &time = buildTimes_[row];
    if (time.robotics != slot.levels.roboticsFactory || time.nanite != slot.levels.naniteFactory ||
        time.lab != slot.levels.researchLab) {
        time.robotics = slot.levels.roboticsFactory;
        time.nanite = slot.levels.naniteFactory;
        time.lab = slot.levels.researchLab;
        time.seconds = BuildTimeAt(figures.bid, costs, time.robotics, time.nanite, time.lab, planet_.inputs);
    }
    EntryEvaluation evaluation;
    evaluation.storeCeilings = StoreCeilings(slot.levels, planet_.inputs);
    EvaluateStep(costs, time.seconds, slot.state.lastFigures, slot.state, quietSink, evaluation);
    if (costs[2] > 0 && evaluation.economy.deuteriumPerHour <= 0)
        return Refusal::Deuterium;
    CreditStep(evaluation.economy, slot.state, evaluation);
    slot.levels.CountEntry(figures.bid);
    ++count;
    return Refusal::None;
}

bool GoalProblem::Complete(const PlanSlot &slot) const
{
    for (int32_t item = 0; item < ItemCount(); ++item) {
        if (slot.counts[static_cast<size_t>(item)] < Required(item))
            return false;
    }
    return true;
}

int64_t GoalProblem::TotalOf(std::span<const int32_t> plan) const
{
    PlanSlot slot = StartSlot();
    for (const int32_t item : plan) {
        if (item < 0 || item >= ItemCount() || !Play(item, slot))
            return -1;
    }
    return Complete(slot) ? slot.state.total : -1;
}

std::vector<QueueEntry> GoalProblem::EntriesOf(std::span<const int32_t> plan) const
{
    BuildQueue queue;
    std::array<int32_t, kItemCount> counts{};
    for (const int32_t item : plan) {
        const int32_t k = counts[static_cast<size_t>(item)]++;
        queue.AppendEntry(Bid(item), LevelAfter(StartLevel(item), k));
    }
    return {queue.Entries().begin(), queue.Entries().end()};
}

std::vector<QueueEntry> GoalProblem::OwnEntries() const
{
    Plan plan;
    for (int32_t item = 0; item < ItemCount(); ++item)
        plan.insert(plan.end(), static_cast<size_t>(Required(item)), item);
    return EntriesOf(plan);
}

int64_t GoalProblem::CostBetween(int32_t item, int32_t k, int32_t end, size_t kind) const
{
    const size_t offset = static_cast<size_t>(Item(item).offset);
    return SatSub(cumulative_[offset + static_cast<size_t>(end)][kind],
                  cumulative_[offset + static_cast<size_t>(k)][kind]);
}

int64_t GoalProblem::HighestDeuteriumRate() const
{
    const ItemFigures &synthesizer = Item(kDeuteriumItem);
    return fullRates_[static_cast<size_t>(synthesizer.offset + synthesizer.most)][2];
}

// How far each economy item can get within the slack: the most entries a
// plan can pay for, given that the stock never falls below 0 once an entry is
// paid and that a step of s ≥ 1 seconds at r per hour credits at most
// r·s/3600 + ½. `allowance` bounds the sum of those halves.
struct GoalProblem::Reach {
    std::array<int32_t, kEconomyCount> counts{}; // by economy item
    std::array<int64_t, 3> rates{};
    std::array<int64_t, 3> budgets{};
    int64_t steps = 0; // the most entries a plan through the slot still plays
};

void GoalProblem::FindReach(const PlanSlot &slot, int64_t slack, int64_t allowance, Reach &reach) const
{
    const auto &stock = slot.state.stock;
    const auto at = [&](int32_t item) { return slot.counts[static_cast<size_t>(item)]; };
    // The mines and the synthesizer: the rate grows with the level, so a
    // level counts as reachable when its price fits what the rate at that
    // level could produce.
    for (size_t kind = 0; kind < 3; ++kind) {
        const int32_t item = kProducerItems[kind];
        const ItemFigures &figures = Item(item);
        const int64_t highest =
            SatAdd(SatAdd(stock[kind], allowance),
                   ProducedWithin(fullRates_[static_cast<size_t>(figures.offset + figures.most)][kind], slack));
        int32_t best = at(item);
        for (int32_t end = at(item) + 1; end <= figures.most; ++end) {
            const int64_t price = CostBetween(item, at(item), end, kind);
            if (price > highest)
                break;
            if (kind == 2) {
                // Paid in metal and crystal, whose budgets are known by now.
                if (CostBetween(item, at(item), end, 0) > reach.budgets[0] ||
                    CostBetween(item, at(item), end, 1) > reach.budgets[1])
                    break;
                best = end;
                continue;
            }
            // need ≤ ⌊rate · slack / 3600⌋, compared without a division.
            const int64_t need = SatSub(SatSub(price, stock[kind]), allowance);
            const int64_t rate = std::max<int64_t>(fullRates_[static_cast<size_t>(figures.offset + end)][kind], 0);
            if (need <= 0 || !NeedsLonger(need, slack, rate))
                best = end;
        }
        reach.counts[static_cast<size_t>(item)] = best;
        reach.rates[kind] = std::max<int64_t>(fullRates_[static_cast<size_t>(figures.offset + best)][kind], 0);
        reach.budgets[kind] = SatAdd(SatAdd(stock[kind], allowance), ProducedWithin(reach.rates[kind], slack));
        if (kind == 1) {
            // The synthesizer is paid in metal and crystal; the deuterium
            // budget is not known before it.
            reach.budgets[2] = std::numeric_limits<int64_t>::max();
        }
    }
    for (int32_t item = 0; item < EconomyCount(); ++item) {
        if (item == kMetalItem || item == kCrystalItem || item == kDeuteriumItem)
            continue;
        int32_t end = at(item);
        while (end < MostEntries(item)) {
            bool affordable = true;
            for (size_t kind = 0; kind < 3; ++kind)
                affordable = affordable && CostBetween(item, at(item), end + 1, kind) <= reach.budgets[kind];
            if (!affordable)
                break;
            ++end;
        }
        reach.counts[static_cast<size_t>(item)] = end;
    }
    reach.steps = 0;
    for (int32_t item = 0; item < ItemCount(); ++item) {
        const int32_t last =
            item < EconomyCount() ? std::max(reach.counts[static_cast<size_t>(item)], Required(item)) : Required(item);
        reach.steps += std::max(last - at(item), 0);
    }
}

bool GoalProblem::MayPassEntryLimit(int64_t slack) const
{
    if (slack >= kLongestSlack)
        return true;
    const PlanSlot slot = StartSlot();
    Reach loose;
    int64_t entries = 0;
    for (int32_t item = 0; item < ItemCount(); ++item)
        entries += MostEntries(item);
    FindReach(slot, slack, entries / 2 + 1, loose);
    Reach reach;
    FindReach(slot, slack, loose.steps / 2 + 1, reach);
    for (int32_t item = 0; item < EconomyCount(); ++item) {
        if (reach.counts[static_cast<size_t>(item)] >= MostEntries(item))
            return true;
    }
    return false;
}

bool GoalProblem::RemainingExceeds(const PlanSlot &slot, int64_t slack) const
{
    if (slack < 0)
        return true;
    if (slack >= kLongestSlack)
        return false;
    const auto at = [&](int32_t item) { return slot.counts[static_cast<size_t>(item)]; };
    std::array<int64_t, 3> needed{};
    int64_t entries = 0;
    for (int32_t item = 0; item < ItemCount(); ++item) {
        if (at(item) < Required(item)) {
            for (size_t kind = 0; kind < 3; ++kind)
                needed[kind] = SatAdd(needed[kind], CostBetween(item, at(item), Required(item), kind));
        }
        entries += MostEntries(item) - at(item);
    }
    // Two rounds: the first bounds the number of steps left, which bounds
    // the rounding the second allows for.
    Reach reach;
    FindReach(slot, slack, entries / 2 + 1, reach);
    const int64_t allowance = reach.steps / 2 + 1;
    FindReach(slot, slack, allowance, reach);

    for (int32_t item = 0; item < EconomyCount(); ++item) {
        if (reach.counts[static_cast<size_t>(item)] < Required(item))
            return true;
    }
    // What the goal's entries still cost beyond the stock must be produced,
    // and whatever is raised to produce it faster must be paid from the same
    // production. The deuterium needs the synthesizer raised at least to the
    // first entry whose full rate could produce it in time; its metal and
    // crystal price joins the goal's. With a mine raised to entry `end`, the
    // rate is at most the full rate there and the mine's own price is added.
    const auto enoughWithin = [&](int64_t need, int64_t rate) {
        return need <= 0 || (rate > 0 && !NeedsLonger(need, slack, rate));
    };
    const auto fullRate = [&](int32_t item, int32_t end, size_t kind) {
        return std::max<int64_t>(fullRates_[static_cast<size_t>(Item(item).offset + end)][kind], 0);
    };
    const auto reached = [&](int32_t item) { return reach.counts[static_cast<size_t>(item)]; };
    int32_t synthesizer = -1;
    const int64_t deuterium = SatSub(SatSub(needed[2], slot.state.stock[2]), allowance);
    for (int32_t end = at(kDeuteriumItem); end <= reached(kDeuteriumItem) && synthesizer == -1; ++end) {
        if (enoughWithin(deuterium, fullRate(kDeuteriumItem, end, 2)))
            synthesizer = end;
    }
    if (synthesizer == -1)
        return true;
    // What raising an item to entry `end` costs beyond the goal's own
    // entries of it, which `needed` holds already.
    const auto beyondGoal = [&](int32_t item, int32_t end, size_t kind) {
        const int32_t from = std::max(at(item), Required(item));
        return CostBetween(item, from, std::max(end, from), kind);
    };
    for (size_t kind = 0; kind < 2; ++kind) {
        const int32_t mine = kProducerItems[kind];
        const int64_t goalPrice = SatAdd(needed[kind], beyondGoal(kDeuteriumItem, synthesizer, kind));
        bool enough = false;
        for (int32_t end = at(mine); end <= reached(mine) && !enough; ++end) {
            const int64_t price = SatAdd(goalPrice, beyondGoal(mine, end, kind));
            enough = enoughWithin(SatSub(SatSub(price, slot.state.stock[kind]), allowance), fullRate(mine, end, kind));
        }
        if (!enough)
            return true;
    }
    // Every step lasts at least its build time, at the highest factory
    // levels the plan can reach.
    const int32_t robotics = LevelAfter(StartLevel(kRoboticsItem), reached(kRoboticsItem) - 1);
    const int32_t nanite = LevelAfter(StartLevel(kNaniteItem), reached(kNaniteItem) - 1);
    // Research under the game rules: at the highest lab level the plan holds.
    const int32_t labItem = ItemOfBid(bid::kResearchLab);
    const int32_t lab = labItem == -1 ? planet_.StartLevel(bid::kResearchLab)
                                      : LevelAfter(StartLevel(labItem), MostEntries(labItem) - 1);
    int64_t floor = 0;
    for (int32_t item = 0; item < ItemCount(); ++item) {
        for (int32_t k = at(item); k < Required(item); ++k) {
            const int32_t ownLevel = LevelAfter(StartLevel(item), k - 1);
            const int64_t step = BuildTimeAt(Bid(item), Costs(item, k), item == kRoboticsItem ? ownLevel : robotics,
                                             item == kNaniteItem ? ownLevel : nanite, lab, planet_.inputs);
            floor = SatAdd(floor, step);
            if (floor > slack)
                return true;
        }
    }
    return false;
}

} // namespace korvelin::goal
