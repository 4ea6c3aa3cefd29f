#include "optimize/ExactSearch.h"

#include <algorithm>

namespace korvelin::optimize {

namespace {

class BranchAndBound {
  public:
    BranchAndBound(const OrderProblem &problem, SearchBudget &budget, int64_t incumbentTotal)
        : problem_(problem), budget_(budget), next_(static_cast<size_t>(problem.ItemCount()), 0),
          children_(static_cast<size_t>(problem.Count()))
    {
        outcome_.bestTotal = incumbentTotal;
        prefix_.reserve(static_cast<size_t>(problem.Count()));
    }

    ExactOutcome Run()
    {
        OrderProblem::Remaining remaining = problem_.AllRemaining();
        Descend(0, problem_.StartSlot(), remaining);
        outcome_.complete = !aborted_;
        return std::move(outcome_);
    }

  private:
    struct Child {
        int64_t total;
        int32_t entry;
        Slot slot;
    };

    bool Beats(int64_t total) const { return outcome_.bestTotal < 0 || total < outcome_.bestTotal; }
    // Whether an order through this prefix may still beat the best known;
    // `remaining` holds the entries after it.
    bool Promising(const Slot &slot, const OrderProblem::Remaining &remaining) const
    {
        return outcome_.bestTotal < 0 ||
               (slot.state.total < outcome_.bestTotal &&
                !problem_.RemainingExceeds(remaining, slot.state.stock, outcome_.bestTotal - slot.state.total - 1));
    }

    void Descend(size_t depth, const Slot &slot, OrderProblem::Remaining &remaining)
    {
        if (depth == children_.size()) {
            ++outcome_.ordersPlayed;
            if (Beats(slot.state.total)) {
                outcome_.bestTotal = slot.state.total;
                outcome_.best = prefix_;
                budget_.OfferTotal(slot.state.total);
            }
            return;
        }
        std::vector<Child> &children = children_[depth];
        children.clear();
        for (int32_t item = 0; item < problem_.ItemCount(); ++item) {
            const std::vector<int32_t> &entries = problem_.ItemEntries(item);
            if (next_[static_cast<size_t>(item)] >= entries.size())
                continue;
            const int32_t e = entries[next_[static_cast<size_t>(item)]];
            if (!budget_.Spend()) {
                aborted_ = true;
                return;
            }
            Slot child = slot;
            if (!problem_.PlayEntry(e, child))
                continue;
            remaining.Take(problem_, e);
            if (Promising(child, remaining))
                children.push_back({child.state.total, e, child});
            remaining.Add(problem_, e);
        }
        // Soonest first: good orders early make the bound bite sooner.
        std::sort(children.begin(), children.end(), [](const Child &a, const Child &b) {
            return a.total != b.total ? a.total < b.total : a.entry < b.entry;
        });
        for (const Child &child : children) {
            const size_t item = static_cast<size_t>(problem_.ItemOf(child.entry));
            remaining.Take(problem_, child.entry);
            if (!Promising(child.slot, remaining)) {
                remaining.Add(problem_, child.entry);
                continue;
            }
            prefix_.push_back(child.entry);
            ++next_[item];
            Descend(depth + 1, child.slot, remaining);
            remaining.Add(problem_, child.entry);
            --next_[item];
            prefix_.pop_back();
            if (aborted_)
                return;
        }
    }

    const OrderProblem &problem_;
    SearchBudget &budget_;
    std::vector<size_t> next_;
    std::vector<std::vector<Child>> children_;
    Order prefix_;
    ExactOutcome outcome_;
    bool aborted_ = false;
};

} // namespace

ExactOutcome SearchExactly(const OrderProblem &problem, SearchBudget &budget, int64_t incumbentTotal)
{
    BranchAndBound search(problem, budget, incumbentTotal);
    ExactOutcome outcome = search.Run();
    if (outcome.best.empty())
        outcome.bestTotal = -1;
    return outcome;
}

} // namespace korvelin::optimize
