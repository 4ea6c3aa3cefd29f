#pragma once

#include "goal/GoalProblem.h"

#include <functional>

namespace korvelin::goal {

// Late acceptance hill climbing over plans. A candidate inserts an economy
// entry, removes one beyond its item's target, turns one such entry into
// another economy item, or moves an entry or a run of entries. The timeline
// before every position is kept, so a candidate is played only from its first
// change on, and a moved run only until its timeline meets the current one
// again (the same stock after the same entries).
class GoalImprover {
  public:
    // `start` must reach the goal admissibly.
    GoalImprover(const GoalProblem &problem, optimize::SearchBudget &budget, uint64_t seed, Plan start);

    // Searches until the budget stops it or `keepGoing` returns false. After
    // `stallLimit` candidates in a row without a new best it starts again
    // from the best plan with a few random changes, up to `restarts` times,
    // and then ends.
    void Run(uint64_t stallLimit, const std::function<bool()> &keepGoing, uint64_t restarts);

    const Plan &Best() const { return best_; }
    int64_t BestTotal() const { return bestTotal_; }
    uint64_t CandidatesTried() const { return tried_; }

  private:
    bool MakeCandidate();
    int64_t Evaluate(int64_t threshold);
    void Accept(int64_t total);
    void Rebuild();
    void Kick();
    int32_t Count(int32_t item) const { return counts_[static_cast<size_t>(item)]; }
    bool Removable(int32_t item) const
    {
        return item < problem_.EconomyCount() && Count(item) > problem_.Required(item);
    }

    const GoalProblem &problem_;
    optimize::SearchBudget &budget_;
    optimize::SearchRandom random_;
    Plan plan_;
    std::array<int32_t, kItemCount> counts_{};
    std::vector<PlanSlot> slots_; // the timeline before each position, and at the end
    Plan candidate_;
    std::vector<PlanSlot> scratch_;
    int32_t first_ = 0;      // first position the candidate changes
    int32_t last_ = 0;       // last one, for a move; -1 when its timeline cannot meet the current one
    int32_t scratchEnd_ = 0; // positions the candidate's play filled in scratch_
    int32_t rejoinedAt_ = -1;
    int64_t current_ = 0;
    Plan best_;
    int64_t bestTotal_ = 0;
    uint64_t tried_ = 0;
};

} // namespace korvelin::goal
