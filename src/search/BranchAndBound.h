#pragma once
// Depth-first branch and bound over the plans a problem's choices make. A
// prefix is dropped only when the problem's sound bound shows that no plan
// through it can beat the best known, so a search that ends has proven its
// answer; a plan ends with the element that completes it. Children are tried
// soonest first, so that good plans early make the bound bite sooner.

#include "search/SearchProblem.h"

#include <algorithm>

namespace korvelin::search {

struct ExactOutcome {
    bool complete = false; // every plan was either played or bounded out
    Sequence best;         // empty when no plan beat the incumbent
    int64_t bestTotal = -1;
    uint64_t plansPlayed = 0;
};

template <BranchProblem Problem> class BranchAndBound {
  public:
    // `incumbentTotal` (−1 for none) is the best total known before the
    // search; only strictly better plans are returned.
    BranchAndBound(const Problem &problem, SearchBudget &budget, int64_t incumbentTotal)
        : problem_(problem), budget_(budget)
    {
        outcome_.bestTotal = incumbentTotal;
    }

    ExactOutcome Run()
    {
        const bool covered = outcome_.bestTotal < 0 || problem_.CoversPlansWithin(outcome_.bestTotal - 1);
        Descend(0, problem_.StartSlot());
        outcome_.complete = !aborted_ && covered && outcome_.bestTotal >= 0;
        if (outcome_.best.empty())
            outcome_.bestTotal = -1;
        return std::move(outcome_);
    }

  private:
    using Slot = typename Problem::Slot;
    struct Child {
        int64_t total;
        int32_t element;
        Slot slot;
    };

    bool Promising(const Slot &slot) const
    {
        const int64_t best = outcome_.bestTotal;
        return best < 0 || (slot.state.total < best && !problem_.RemainingExceeds(slot, best - slot.state.total - 1));
    }

    void Descend(size_t depth, const Slot &slot)
    {
        if (problem_.Complete(slot)) {
            ++outcome_.plansPlayed;
            if (outcome_.bestTotal < 0 || slot.state.total < outcome_.bestTotal) {
                outcome_.bestTotal = slot.state.total;
                outcome_.best = prefix_;
                budget_.OfferTotal(slot.state.total);
            }
            return;
        }
        if (children_.size() <= depth)
            children_.resize(depth + 1);
        choices_.clear();
        problem_.Choices(slot, prefix_, choices_);
        children_[depth].clear();
        for (const int32_t element : choices_) {
            if (!budget_.Spend()) {
                aborted_ = true;
                return;
            }
            Slot child = slot;
            if (problem_.Play(element, child) && Promising(child))
                children_[depth].push_back({child.state.total, element, child});
        }
        std::sort(children_[depth].begin(), children_[depth].end(), [](const Child &a, const Child &b) {
            return a.total != b.total ? a.total < b.total : a.element < b.element;
        });
        // By index: a deeper level may grow children_ and move the vectors.
        for (size_t c = 0; c < children_[depth].size(); ++c) {
            const Child &child = children_[depth][c];
            // The best may have improved since the child was made.
            if (!Promising(child.slot))
                continue;
            prefix_.push_back(child.element);
            const Slot next = child.slot;
            Descend(depth + 1, next);
            prefix_.pop_back();
            if (aborted_)
                return;
        }
    }

    const Problem &problem_;
    SearchBudget &budget_;
    std::vector<std::vector<Child>> children_;
    Sequence choices_;
    Sequence prefix_;
    ExactOutcome outcome_;
    bool aborted_ = false;
};

template <BranchProblem Problem>
ExactOutcome SearchExactly(const Problem &problem, SearchBudget &budget, int64_t incumbentTotal)
{
    return BranchAndBound<Problem>(problem, budget, incumbentTotal).Run();
}

} // namespace korvelin::search
