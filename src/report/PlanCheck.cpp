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
    PlanProblem problem;
    problem.line = line;
    problem.entry = entry;
    for (const Requirement &need : RequirementsOf(entry.bid)) {
        if (reached_.Of(need.bid) < need.level)
            problem.missing.push_back(need);
    }
    if (!problem.missing.empty())
        problems.push_back(problem);
    for (size_t r = 0; r < 3; ++r) {
        if (stock_[r] >= row.costs[r])
            continue;
        if (const int32_t level = reached_.Of(kStoreItems[r]); level != storeLevels_[r]) {
            storeLevels_[r] = level;
            capacities_[r] = StorageCapacity(kStoreItems[r], level);
        }
        const int64_t capacity = capacities_[r];
        if (row.costs[r] > capacity) {
            PlanProblem store = problem;
            store.kind = PlanProblem::Kind::Store;
            store.missing.clear();
            store.resource = static_cast<int32_t>(r);
            store.price = row.costs[r];
            store.capacity = capacity;
            problems.push_back(store);
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
