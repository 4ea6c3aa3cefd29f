#pragma once

#include "optimize/OrderProblem.h"

namespace korvelin::optimize {

// Late acceptance hill climbing over moves of one entry or a short run of
// entries to another position, never past an entry of the same item. The
// timeline before every position is kept, so a candidate is played only from
// its first changed position, and only until its timeline meets the current
// one again (the same stock after the same entries: the rest is the same but
// for the shift of the clock) or it can no longer be accepted.
class LocalSearch {
  public:
    // `start` must be admissible.
    LocalSearch(const OrderProblem &problem, SearchBudget &budget, uint64_t seed, Order start);

    // Searches until the budget stops it or `stallLimit` candidates in a row
    // bring no new best.
    void Run(uint64_t stallLimit);

    const Order &Best() const { return best_; }
    int64_t BestTotal() const { return bestTotal_; }
    uint64_t CandidatesTried() const { return tried_; }

  private:
    struct Move {
        int32_t from = 0;   // first position of the run
        int32_t length = 1; // entries in the run
        int32_t to = 0;     // first position of the run afterwards
        int32_t First() const { return std::min(from, to); }
        int32_t Last() const { return std::max(from, to) + length - 1; }
    };

    bool PickMove(Move &move);
    void Apply(const Move &move);
    void Undo(const Move &move);
    // The candidate's total, or -1 once it exceeds `threshold` or is inadmissible.
    int64_t Evaluate(const Move &move, int64_t threshold);
    void Accept(const Move &move, int64_t total);
    void Rebuild();

    const OrderProblem &problem_;
    SearchBudget &budget_;
    SearchRandom random_;
    int32_t n_;
    Order order_;
    std::vector<Slot> slots_;                        // the timeline before each position, and at the end
    std::vector<OrderProblem::Remaining> remaining_; // the entries from each position on
    std::vector<Slot> scratch_;
    int32_t scratchEnd_ = 0;  // positions a candidate's play filled in scratch_
    int32_t rejoinedAt_ = -1; // where its timeline met the current one
    int64_t current_ = 0;
    Order best_;
    int64_t bestTotal_ = 0;
    uint64_t tried_ = 0;
};

} // namespace korvelin::optimize
