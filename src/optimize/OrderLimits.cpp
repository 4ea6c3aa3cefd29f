#include "optimize/OrderLimits.h"

namespace korvelin::optimize {

namespace {

// The levels every item has once the whole plan is played.
ReachedLevels HighestLevels(const OrderProblem &problem)
{
    ReachedLevels highest = problem.StartSlot().reached;
    for (int32_t e = 0; e < problem.Count(); ++e)
        highest.Reach(problem.Entry(e).bid, problem.Entry(e).level);
    return highest;
}

} // namespace

MissingLevels FindMissingRequirements(const OrderProblem &problem)
{
    const ReachedLevels highest = HighestLevels(problem);
    MissingLevels missing;
    for (int32_t e = 0; e < problem.Count() && missing.entry < 0; ++e) {
        missing.levels = MissingRequirements(problem.Entry(e).bid, highest);
        if (!missing.levels.empty())
            missing.entry = e;
    }
    return missing;
}

MissingLevels FindMissingStore(const OrderProblem &problem)
{
    const ReachedLevels highest = HighestLevels(problem);
    MissingLevels missing;
    for (int32_t e = 0; e < problem.Count(); ++e) {
        const int32_t resource = StoreShortfall(problem.Costs(e), {}, highest);
        if (resource >= 0) {
            const auto r = static_cast<size_t>(resource);
            missing.entry = e;
            missing.levels.push_back({kStoreItems[r], StoreLevelHolding(problem.Costs(e)[r])});
            break;
        }
    }
    return missing;
}

} // namespace korvelin::optimize
