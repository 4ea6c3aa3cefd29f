#include "optimize/GreedyOrder.h"

namespace korvelin::optimize {

Order BuildGreedyOrder(const OrderProblem &problem, GreedyRule rule, SearchBudget &budget, int32_t *stuck)
{
    const int32_t n = problem.Count();
    const auto rank = [&](int32_t e) {
        if (rule != GreedyRule::DeuteriumFirst)
            return int64_t{e};
        const int32_t b = problem.Entry(e).bid;
        const int64_t group = problem.CostsDeuterium(e) ? 0 : (b == bid::kMetalMine || b == bid::kCrystalMine) ? 2 : 1;
        return group * n + e;
    };
    std::vector<size_t> next(static_cast<size_t>(problem.ItemCount()), 0);
    Order order;
    order.reserve(static_cast<size_t>(n));
    Slot slot = problem.StartSlot();
    for (int32_t position = 0; position < n; ++position) {
        int32_t chosen = -1;
        Slot chosenSlot;
        int32_t firstBlocked = -1;
        for (int32_t item = 0; item < problem.ItemCount(); ++item) {
            const std::vector<int32_t> &entries = problem.ItemEntries(item);
            if (next[static_cast<size_t>(item)] >= entries.size())
                continue;
            const int32_t e = entries[next[static_cast<size_t>(item)]];
            // Under the ranking rules a later entry can only win if every
            // earlier one is blocked.
            if (rule != GreedyRule::SoonestFinish && chosen != -1 && rank(e) > rank(chosen))
                continue;
            if (!budget.Spend())
                return {};
            Slot trial = slot;
            if (!problem.Play(e, trial)) {
                if (firstBlocked == -1 || e < firstBlocked)
                    firstBlocked = e;
                continue;
            }
            const bool better = chosen == -1 || (rule != GreedyRule::SoonestFinish
                                                     ? rank(e) < rank(chosen)
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
