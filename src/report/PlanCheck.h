#pragma once
// The check of a plan against the game's limits that the walk's figures
// leave out: an entry that starts before the levels its item needs are
// reached, and an entry whose price passes what its resource's store holds
// where the stock before it does not already cover that price. It marks; the
// walk's figures stay as they are.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "rules/Requirements.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvelin::report {

struct PlanProblem {
    enum class Kind { Requirement, Store };
    Kind kind = Kind::Requirement;
    int32_t line = 0; // 0-based position of the entry
    QueueEntry entry;
    std::vector<Requirement> missing; // a requirement's levels not reached, in catalogue order
    int32_t resource = 0;             // a store's resource: 0 metal, 1 crystal, 2 deuterium
    int64_t price = 0;
    int64_t capacity = 0;
};

// The check entry by entry, for a walk that grows: the page plays only the
// entries appended since its last walk, and checks only those.
class PlanChecker {
  public:
    explicit PlanChecker(const Planet &planet);
    // Appends the problems of the walk's next entry, at 0-based `line`, whose
    // row is `row`; the entries come in order, each once.
    void Check(int32_t line, const QueueEntry &entry, const EntryEvaluation &row, std::vector<PlanProblem> &problems);

  private:
    ReachedLevels reached_;
    std::array<int64_t, 3> stock_{};
    // Each store's capacity at the level it was last worked out for: a long
    // plan raises its stores rarely, and the page checks a million entries.
    std::array<int32_t, 3> storeLevels_{-1, -1, -1};
    std::array<int64_t, 3> capacities_{};
};

// The problems of the walked plan, by line, a requirement before a store.
// `rows` are the walk's rows of `queue` from `planet` (its start stock).
std::vector<PlanProblem> CheckPlan(const BuildQueue &queue, const Planet &planet,
                                   std::span<const EntryEvaluation> rows);

// "12. Plasma (1): needs Energy 8, Laser 10, Ion 5" or
// "7. Metal Mine (22): costs 299273 metal; the metal storage holds 100000".
std::string PlanProblemLine(const PlanProblem &problem);

// The same without the line number: a table row's note.
std::string PlanProblemReason(const PlanProblem &problem);

} // namespace korvelin::report
