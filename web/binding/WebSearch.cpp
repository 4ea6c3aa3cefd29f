#include "WebSearch.h"

#include "WebPlan.h"
#include "optimize/OptimizeSummary.h"

namespace korvelin::web {

bool LoadPlanet(WebPlan &plan, const std::string &planetFile, const std::string &satellitesText)
{
    if (!plan.Load(planetFile).accepted)
        return false;
    // The satellites as typed, whatever the file says.
    plan.SetPlanetTexts(plan.TemperatureText(), satellitesText);
    return true;
}

SearchOutcome RunOrderSearch(const SearchRequest &request, const SearchProgress &progress)
{
    SearchOutcome outcome;
    WebPlan plan;
    if (!LoadPlanet(plan, request.planetFile, request.satellitesText) || !plan.Restore(request.snapshot))
        return outcome;

    OptimizeOptions options;
    options.seed = request.seed;
    options.timeLimit = std::chrono::milliseconds(static_cast<int64_t>(request.timeLimitMs));
    options.maxEvaluations = static_cast<uint64_t>(request.maxEvaluations);
    options.exactLimit = request.exactLimit;
    const auto entries = plan.Queue().Entries();
    const OptimizeResult result =
        OptimizeOrder(entries, plan.CurrentPlanet(), options, [&progress](const OptimizeProgress &p) {
            return !progress || progress(static_cast<double>(p.bestTotal), p.permilleUsed);
        });

    outcome.found = result.found;
    outcome.provenOptimal = result.provenOptimal;
    outcome.inputAdmissible = result.inputAdmissible;
    outcome.beforeTotal = static_cast<double>(result.beforeTotal);
    outcome.afterTotal = static_cast<double>(result.afterTotal);
    outcome.evaluations = static_cast<double>(result.evaluations);
    if (result.found) {
        outcome.order = SnapshotOf(result.order);
    } else {
        outcome.reason = NoOrderReason(result, entries);
    }
    return outcome;
}

} // namespace korvelin::web
