// Why each entry of a goal plan is there, and the texts every front end
// shows for it.

#include "goal/GoalReasons.h"

#include "rules/Production.h"
#include "rules/Requirements.h"

#include <algorithm>

namespace korvelin {

namespace goal {

Plan WithoutIdleStores(const GoalProblem &problem, const Plan &plan, int64_t &total)
{
    // A store produces nothing and no tree needs it: one that no price needs
    // only costs time, so the search may leave one behind that is dropped here.
    Plan kept = plan;
    for (size_t x = kept.size(); x-- > 0;) {
        if (!problem.IsStore(kept[x]) || kept[x] < 0)
            continue;
        Plan without = kept;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(x));
        const int64_t shorter = problem.TotalOf(without);
        if (shorter >= 0 && shorter <= total) {
            kept = std::move(without);
            total = shorter;
        }
    }
    return kept;
}

std::vector<GoalEntryReason> ReasonsOf(const GoalProblem &problem, const Plan &plan)
{
    using Kind = GoalEntryReason::Kind;
    const std::vector<GoalTarget> widened = GoalWithRequirements(problem.PlanetValue(), problem.Goal());
    const auto targetOf = [](const std::vector<GoalTarget> &targets, int32_t bid) {
        const auto target =
            std::find_if(targets.begin(), targets.end(), [&](const GoalTarget &other) { return other.bid == bid; });
        return target != targets.end() ? target->level : 0;
    };
    const std::vector<QueueEntry> entries = problem.EntriesOf(plan);
    GoalProblem::Counts counts{};
    std::vector<GoalEntryReason> reasons;
    for (size_t x = 0; x < plan.size(); ++x) {
        const int32_t bid = entries[x].bid;
        const int32_t level = entries[x].level;
        ++counts[static_cast<size_t>(plan[x])];
        GoalEntryReason reason;
        if (level <= targetOf(problem.Goal(), bid)) {
            reason.kind = Kind::Goal;
        } else if (level <= targetOf(widened, bid)) {
            // The first item of the widened goal, in catalogue order, that
            // needs this level.
            reason.kind = Kind::Required;
            for (const GoalTarget &target : widened) {
                if (target.level <= problem.PlanetValue().StartLevel(target.bid))
                    continue;
                const auto needs = RequirementsOf(target.bid);
                if (std::any_of(needs.begin(), needs.end(),
                                [&](const Requirement &need) { return need.bid == bid && need.level >= level; })) {
                    reason.bid = target.bid;
                    break;
                }
            }
        } else if (problem.IsStore(plan[x])) {
            // The first later entry whose price passes what the store held
            // before this level.
            reason.kind = Kind::Store;
            const auto resource = static_cast<size_t>(StoreResourceOf(bid));
            const int64_t before = StorageCapacity(bid, level - 1);
            GoalProblem::Counts later = counts;
            for (size_t y = x + 1; y < plan.size() && reason.bid == 0; ++y) {
                const int32_t item = plan[y];
                const int32_t k = later[static_cast<size_t>(item)]++;
                if (problem.Costs(item, k)[resource] > before) {
                    reason.bid = entries[y].bid;
                    reason.level = entries[y].level;
                }
            }
            // No price needs it, yet the plan is shorter with it (the walk's
            // rounding of waits): it pays for itself.
            if (reason.bid == 0)
                reason.kind = Kind::Economy;
        } else {
            reason.kind = Kind::Economy;
        }
        reasons.push_back(reason);
    }
    return reasons;
}

} // namespace goal

std::string GoalReasonText(const GoalEntryReason &reason)
{
    switch (reason.kind) {
    case GoalEntryReason::Kind::Goal:
        return "for the goal";
    case GoalEntryReason::Kind::Required:
        return reason.bid == 0 ? "required" : "required by " + ItemLabel(reason.bid);
    case GoalEntryReason::Kind::Store:
        return reason.bid == 0 ? "a store"
                               : "a store for " + ItemLabel(reason.bid) + " (" + std::to_string(reason.level) + ")";
    case GoalEntryReason::Kind::Economy:
        break;
    }
    return "pays for itself";
}

std::string GoalEntryLine(const QueueEntry &entry, const GoalEntryReason &reason)
{
    return ItemLabel(entry.bid) + " (" + std::to_string(entry.level) + "): " + GoalReasonText(reason);
}

std::vector<std::string> AddedUpgradeLines(const GoalResult &result)
{
    struct Run {
        int32_t bid;
        GoalEntryReason::Kind kind;
        int32_t cause;
        int32_t low;
        int32_t high;
        GoalEntryReason last;
    };
    std::vector<Run> runs;
    const size_t count = std::min(result.plan.size(), result.reasons.size());
    for (size_t x = 0; x < count; ++x) {
        const QueueEntry &entry = result.plan[x];
        const GoalEntryReason &reason = result.reasons[x];
        if (reason.kind == GoalEntryReason::Kind::Goal)
            continue;
        const auto run = std::find_if(runs.begin(), runs.end(), [&](const Run &other) {
            return other.bid == entry.bid && other.kind == reason.kind && other.cause == reason.bid;
        });
        if (run == runs.end()) {
            runs.push_back({entry.bid, reason.kind, reason.bid, entry.level, entry.level, reason});
        } else {
            run->low = std::min(run->low, entry.level);
            run->high = std::max(run->high, entry.level);
            run->last = reason;
        }
    }
    std::vector<std::string> lines;
    for (const Run &run : runs) {
        std::string levels = std::to_string(run.low);
        if (run.high != run.low)
            levels += "\u2013" + std::to_string(run.high);
        lines.push_back(ItemLabel(run.bid) + " " + levels + ": " + GoalReasonText(run.last));
    }
    return lines;
}

std::string AddedUpgradeList(const GoalResult &result)
{
    std::string list;
    for (const std::string &line : AddedUpgradeLines(result))
        list += (list.empty() ? "" : "\n") + line;
    return list;
}

} // namespace korvelin
