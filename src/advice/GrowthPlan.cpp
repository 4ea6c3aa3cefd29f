#include "advice/GrowthPlan.h"

#include "advice/GrowthWalk.h"
#include "advice/Payback.h"
#include "rules/Production.h"
#include "search/SearchBudget.h"
#include "util/FormatDuration.h"

#include <algorithm>

namespace korvelin::advice {

namespace {

using Elements = std::vector<int32_t>;

// History of the late acceptance: a candidate is taken when it is no worse
// than the plan this many steps ago.
constexpr size_t kHistoryLength = 50;
// Without a time or evaluation budget (a caller that only cancels), the
// search ends after this many candidates without a better plan.
constexpr uint64_t kUnlimitedStall = 50'000;

struct Score {
    ExactValue value = 0;
    int64_t total = 0;
    // More production first; the same production sooner.
    bool operator>(const Score &other) const
    {
        return value != other.value ? value > other.value : total < other.total;
    }
    bool operator>=(const Score &other) const { return !(other > *this); }
};

struct Decoded {
    Score score;
    int32_t count = 0; // entries of the walk's queue within the horizon
    GrowthWalk walk;
};

// The best row's entries appended again and again while the plan ends within
// the horizon; `elements` gets the items appended, without their stores.
GrowthWalk Greedy(const BuildQueue &plan, const Planet &planet, int64_t horizon, const TradeRatio &ratio,
                  Elements &elements)
{
    GrowthWalk walk(plan, planet);
    if (walk.Total() > horizon)
        return walk;
    for (;;) {
        const BuildQueue &queue = walk.Queue();
        const std::vector<PaybackRow> rows =
            RankPaybacksAt(queue.LevelsAt(queue.Count()), walk.Reached(), walk.Inputs(), ratio);
        if (rows.empty() || !rows.front().payback)
            return walk;
        GrowthWalk next = walk;
        const std::vector<QueueEntry> entries = RowEntries(rows.front());
        const bool appended =
            std::all_of(entries.begin(), entries.end(), [&next](const QueueEntry &e) { return next.Append(e.bid); });
        if (!appended || next.Total() > horizon)
            return walk;
        walk = std::move(next);
        for (const QueueEntry &entry : entries)
            elements.push_back(entry.bid);
    }
}

// Plays `elements` after the input plan: an item that cannot stand where it
// comes is passed over, and the plan ends before the first item after which
// it would end past the horizon. False when the budget ran out meanwhile.
bool Decode(const Elements &elements, const GrowthWalk &start, int64_t horizon, const TradeRatio &ratio,
            search::SearchBudget &budget, Decoded &out)
{
    out.walk = start;
    out.score = {start.ProductionValue(ratio), start.Total()};
    out.count = start.Queue().Count();
    for (const int32_t item : elements) {
        if (!budget.Spend())
            return false;
        if (!out.walk.Append(item))
            continue;
        if (out.walk.Total() > horizon)
            break;
        out.score = {out.walk.ProductionValue(ratio), out.walk.Total()};
        out.count = out.walk.Queue().Count();
    }
    return true;
}

void Mutate(Elements &elements, search::SearchRandom &random, size_t longest)
{
    const auto size = static_cast<uint32_t>(elements.size());
    const auto randomItem = [&random] {
        return kGrowthItems[random.Below(static_cast<uint32_t>(kGrowthItems.size()))];
    };
    const uint32_t kind = size == 0 ? 0 : random.Below(5);
    if (kind == 0 && elements.size() < longest) {
        elements.insert(elements.begin() + random.Below(size + 1), randomItem());
    } else if (kind == 1 && size > 0) {
        elements.erase(elements.begin() + random.Below(size));
    } else if (kind == 2 && size > 1) {
        std::swap(elements[random.Below(size)], elements[random.Below(size)]);
    } else if (kind == 3 && size > 1) {
        const auto from = elements.begin() + random.Below(size);
        const int32_t item = *from;
        elements.erase(from);
        elements.insert(elements.begin() + random.Below(size), item);
    } else if (size > 0) {
        elements[random.Below(size)] = randomItem();
    }
}

std::vector<QueueEntry> EntriesWithin(const Decoded &decoded)
{
    const std::span<const QueueEntry> entries = decoded.walk.Queue().Entries();
    return {entries.begin(), entries.begin() + decoded.count};
}

} // namespace

std::vector<QueueEntry> GrowBestPaybackFirst(const BuildQueue &plan, const Planet &planet, int64_t horizon,
                                             const TradeRatio &ratio)
{
    Elements elements;
    const GrowthWalk walk = Greedy(plan, planet, horizon, ratio, elements);
    const std::span<const QueueEntry> entries = walk.Queue().Entries();
    return {entries.begin(), entries.end()};
}

GrowthResult PlanGrowth(const BuildQueue &plan, const Planet &planet, int64_t horizon, const TradeRatio &ratio,
                        const OptimizeOptions &options, const OptimizeProgressCallback &progress)
{
    GrowthResult result;
    const GrowthWalk start(plan, planet);
    result.startValue = start.ProductionValue(ratio);
    result.fits = start.Total() <= horizon && RatioSupported(ratio);
    const std::span<const QueueEntry> input = start.Queue().Entries();
    result.plan.assign(input.begin(), input.end());
    result.total = start.Total();
    result.value = result.startValue;
    if (!result.fits) {
        result.greedyPlan = result.plan;
        result.greedyTotal = result.total;
        result.greedyValue = result.value;
        return result;
    }

    Elements current;
    const GrowthWalk greedy = Greedy(plan, planet, horizon, ratio, current);
    const std::span<const QueueEntry> greedyEntries = greedy.Queue().Entries();
    result.greedyPlan.assign(greedyEntries.begin(), greedyEntries.end());
    result.greedyTotal = greedy.Total();
    result.greedyValue = greedy.ProductionValue(ratio);

    Decoded best{{result.greedyValue, result.greedyTotal}, greedy.Queue().Count(), greedy};
    Score currentScore = best.score;
    search::SearchBudget budget(options, progress);
    search::SearchRandom random(options.seed);
    std::vector<Score> history(kHistoryLength, currentScore);
    // Room for the search to try more upgrades than best payback first took.
    const size_t longest = 2 * current.size() + 40;
    Decoded candidate{{}, 0, start};
    uint64_t stalled = 0;
    for (uint64_t step = 0; !budget.Stopped(); ++step) {
        if (!budget.Limited() && ++stalled > kUnlimitedStall)
            break;
        Elements next = current;
        Mutate(next, random, longest);
        if (!Decode(next, start, horizon, ratio, budget, candidate))
            break;
        ++result.plansTried;
        Score &past = history[step % kHistoryLength];
        if (candidate.score >= currentScore || candidate.score >= past) {
            current = std::move(next);
            currentScore = candidate.score;
        }
        past = currentScore;
        // A candidate better than the best is better than the current plan too,
        // so it was taken.
        if (candidate.score > best.score) {
            best = candidate;
            stalled = 0;
        }
    }

    result.plan = EntriesWithin(best);
    result.total = best.score.total;
    result.value = best.score.value;
    result.added = static_cast<int32_t>(result.plan.size()) - plan.Count();
    result.greedyAdded = static_cast<int32_t>(result.greedyPlan.size()) - plan.Count();
    return result;
}

std::string MoreThanText(ExactValue value, ExactValue base)
{
    if (base <= 0)
        return "n/a";
    const ExactValue hundredths = (value - base) * 10'000 / base;
    const ExactValue magnitude = hundredths < 0 ? -hundredths : hundredths;
    const auto fraction = static_cast<int>(magnitude % 100);
    return std::string(hundredths < 0 ? "-" : "+") + FormatExact(magnitude / 100) + "." + (fraction < 10 ? "0" : "") +
           std::to_string(fraction) + "%";
}

std::string ProductionText(std::span<const QueueEntry> entries, const Planet &planet)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    queue.Assign(entries);
    const EconomyFigures figures = EvaluateEconomy(queue.EconomyAt(queue.Count(), planet.inputs));
    return std::to_string(figures.metalPerHour) + ":" + std::to_string(figures.crystalPerHour) + ":" +
           std::to_string(figures.deuteriumPerHour);
}

std::string GrowthRefusal(const GrowthResult &result, int64_t days)
{
    if (!result.fits)
        return "The plan already ends after " + std::to_string(days) + " days, at " + FormatDuration(result.total) +
               ".";
    if (result.added <= 0)
        return "No upgrade fits after the plan within " + std::to_string(days) + " days.";
    return {};
}

std::string GrowthQuestion(const GrowthResult &result, const Planet &planet, int64_t days)
{
    return "Append " + std::to_string(result.added) + " upgrades, ending at " + FormatDuration(result.total) +
           " within " + std::to_string(days) +
           " days?\n\nProduction per hour at the end: " + ProductionText(result.plan, planet) +
           " (metal:crystal:deuterium), " + MoreThanText(result.value, result.greedyValue) +
           " in value over best payback first (" + ProductionText(result.greedyPlan, planet) + " with " +
           std::to_string(result.greedyAdded) + " upgrades).";
}

} // namespace korvelin::advice
