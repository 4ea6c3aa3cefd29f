#include "optimize/GreedyOrder.h"

namespace korvelin::optimize {

Order BuildGreedyOrder(const OrderProblem &problem, GreedyRule rule, SearchBudget &budget, int32_t *stuck)
{
    const int32_t n = problem.Count();
    std::vector<size_t> next(static_cast<size_t>(problem.ItemCount()), 0);
    Order order;
    order.reserve(static_cast<size_t>(n));
    Slot slot;
    for (int32_t position = 0; position < n; ++position) {
        int32_t chosen = -1;
        Slot chosenSlot;
        int32_t firstBlocked = -1;
        for (int32_t item = 0; item < problem.ItemCount(); ++item) {
            const std::vector<int32_t> &entries = problem.ItemEntries(item);
            if (next[static_cast<size_t>(item)] >= entries.size())
                continue;
            const int32_t e = entries[next[static_cast<size_t>(item)]];
            // Under the input rule a later entry can only win if every
            // earlier one is blocked, so those are tried first.
            if (rule == GreedyRule::InputOrder && chosen != -1 && e > chosen)
                continue;
            if (!budget.Spend())
                return {};
            Slot trial = slot;
            if (!problem.PlayEntry(e, trial)) {
                if (firstBlocked == -1 || e < firstBlocked)
                    firstBlocked = e;
                continue;
            }
            const bool better = chosen == -1 || (rule == GreedyRule::InputOrder
                                                     ? e < chosen
                                                     : trial.state.total < chosenSlot.state.total ||
                                                           (trial.state.total == chosenSlot.state.total && e < chosen));
            if (better) {
                chosen = e;
                chosenSlot = trial;
            }
        }
        if (chosen == -1) {
            if (stuck)
                *stuck = firstBlocked;
            return {};
        }
        order.push_back(chosen);
        slot = chosenSlot;
        ++next[static_cast<size_t>(problem.ItemOf(chosen))];
    }
    return order;
}

} // namespace korvelin::optimize
