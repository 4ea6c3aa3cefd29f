#include "report/PlanCheck.h"

#include "rules/ItemCatalogue.h"
#include "rules/Production.h"

#include <algorithm>
#include <array>

namespace korvelin::report {

namespace {

constexpr std::array<const char *, 3> kResourceNames{"metal", "crystal", "deuterium"};
constexpr std::array<const char *, 3> kStoreNames{"the metal storage", "the crystal storage", "the deuterium tank"};

} // namespace

PlanChecker::PlanChecker(const Planet &planet) : reached_{planet.startLevels}, stock_(planet.startStock) {}

void PlanChecker::Check(int32_t line, const QueueEntry &entry, const EntryEvaluation &row,
                        std::vector<PlanProblem> &problems)
{
    // A problem is made only for an entry that has one: the page checks
    // every entry of a long plan as it walks.
    if (std::vector<Requirement> missing = MissingRequirements(entry.bid, reached_); !missing.empty()) {
        PlanProblem &problem = problems.emplace_back();
        problem.line = line;
        problem.entry = entry;
        problem.missing = std::move(missing);
    }
    for (size_t r = 0; r < 3; ++r) {
        if (stock_[r] >= row.costs[r])
            continue;
        if (const int32_t level = reached_.Of(kStoreItems[r]); level != storeLevels_[r]) {
            storeLevels_[r] = level;
            capacities_[r] = StorageCapacity(kStoreItems[r], level);
        }
        if (row.costs[r] > capacities_[r]) {
            PlanProblem &store = problems.emplace_back();
            store.kind = PlanProblem::Kind::Store;
            store.line = line;
            store.entry = entry;
            store.resource = static_cast<int32_t>(r);
            store.price = row.costs[r];
            store.capacity = capacities_[r];
        }
    }
    stock_ = row.stockAfter;
    reached_.Reach(entry.bid, entry.level);
}

std::vector<PlanProblem> CheckPlan(const BuildQueue &queue, const Planet &planet, std::span<const EntryEvaluation> rows)
{
    std::vector<PlanProblem> problems;
    PlanChecker checker(planet);
    const size_t count = std::min(static_cast<size_t>(queue.Count()), rows.size());
    for (size_t line = 0; line < count; ++line)
        checker.Check(static_cast<int32_t>(line), queue.At(static_cast<int32_t>(line)), rows[line], problems);
    return problems;
}

std::string PlanProblemReason(const PlanProblem &problem)
{
    std::string text;
    if (problem.kind == PlanProblem::Kind::Requirement) {
        text = "needs ";
        for (size_t i = 0; i < problem.missing.size(); ++i) {
            if (i > 0)
                text += ", ";
            text += ItemLabel(problem.missing[i].bid) + " " + std::to_string(problem.missing[i].level);
        }
        return text;
    }
    const auto r = static_cast<size_t>(problem.resource);
    return "costs " + std::to_string(problem.price) + " " + kResourceNames[r] + "; " + kStoreNames[r] + " holds " +
           std::to_string(problem.capacity);
}

std::string PlanProblemLine(const PlanProblem &problem)
{
    return std::to_string(int64_t{problem.line} + 1) + ". " + ItemLabel(problem.entry.bid) + " (" +
           std::to_string(problem.entry.level) + "): " + PlanProblemReason(problem);
}

} // namespace korvelin::report
