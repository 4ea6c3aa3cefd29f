#include "goal/GoalExact.h"

#include <algorithm>

namespace korvelin::goal {

namespace {

class GoalBranchAndBound {
  public:
    GoalBranchAndBound(const GoalProblem &problem, optimize::SearchBudget &budget, int64_t incumbentTotal)
        : problem_(problem), budget_(budget)
    {
        outcome_.bestTotal = incumbentTotal;
    }

    GoalExactOutcome Run()
    {
        // Plans that would need more economy levels than the problem holds
        // are not searched, so their existence forbids a proof.
        const bool limited = outcome_.bestTotal >= 0 && problem_.MayPassEntryLimit(outcome_.bestTotal - 1);
        Descend(0, problem_.StartSlot());
        outcome_.complete = !aborted_ && !limited && outcome_.bestTotal >= 0;
        return std::move(outcome_);
    }

  private:
    struct Child {
        int64_t total;
        int32_t item;
        PlanSlot slot;
    };

    bool Promising(const PlanSlot &slot) const
    {
        const int64_t best = outcome_.bestTotal;
        return best < 0 || (slot.state.total < best && !problem_.RemainingExceeds(slot, best - slot.state.total - 1));
    }

    void Descend(size_t depth, const PlanSlot &slot)
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
        std::vector<Child> &children = children_[depth];
        children.clear();
        for (int32_t item = 0; item < problem_.ItemCount(); ++item) {
            if (slot.counts[static_cast<size_t>(item)] >= problem_.MostEntries(item))
                continue;
            if (!budget_.Spend()) {
                aborted_ = true;
                return;
            }
            PlanSlot child = slot;
            if (problem_.Play(item, child) && Promising(child))
                children.push_back({child.state.total, item, child});
        }
        // Soonest first: good plans early make the bound bite sooner.
        std::sort(children.begin(), children.end(), [](const Child &a, const Child &b) {
            return a.total != b.total ? a.total < b.total : a.item < b.item;
        });
        for (size_t c = 0; c < children_[depth].size(); ++c) {
            // The vector may move when a deeper level grows children_.
            const Child &child = children_[depth][c];
            if (!Promising(child.slot))
                continue;
            prefix_.push_back(child.item);
            const PlanSlot next = child.slot;
            Descend(depth + 1, next);
            prefix_.pop_back();
            if (aborted_)
                return;
        }
    }

    const GoalProblem &problem_;
    optimize::SearchBudget &budget_;
    std::vector<std::vector<Child>> children_;
    Plan prefix_;
    GoalExactOutcome outcome_;
    bool aborted_ = false;
};

} // namespace

GoalExactOutcome SearchGoalExactly(const GoalProblem &problem, optimize::SearchBudget &budget, int64_t incumbentTotal)
{
    GoalBranchAndBound search(problem, budget, incumbentTotal);
    GoalExactOutcome outcome = search.Run();
    if (outcome.best.empty())
        outcome.bestTotal = -1;
    return outcome;
}

} // namespace korvelin::goal
