#include "WebGrow.h"

#include "WebPlan.h"
#include "advice/GrowthPlan.h"
#include "plan/InputRanges.h"

namespace korvelin::web {

GrowOutcome RunGrowSearch(const GrowRequest &request, const SearchProgress &progress)
{
    GrowOutcome outcome;
    WebPlan plan;
    if (!plan.Load(request.planet).accepted || !plan.ApplyOrder(request.order, false).refusal.empty())
        return outcome;
    const CheckedRatio ratio = ReadTradeRatio(request.ratio);
    if (const auto days = CheckRange(kGrowDaysField, kGrowDaysRange, request.days); days || ratio.error) {
        outcome.reason = days ? *days : *ratio.error;
        return outcome;
    }
    OptimizeOptions options;
    options.seed = request.seed;
    options.timeLimit = std::chrono::milliseconds(static_cast<int64_t>(request.timeLimitMs));
    options.maxEvaluations = static_cast<uint64_t>(request.maxEvaluations);
    const Planet planet = plan.CurrentPlanet();
    const advice::GrowthResult result = advice::PlanGrowth(
        plan.Queue(), planet, int64_t{request.days} * 86'400, ratio.ratio, options,
        [&progress](const OptimizeProgress &p) { return !progress || progress(-1, p.permilleUsed); });
    outcome.evaluations = static_cast<double>(result.plansTried);
    outcome.reason = advice::GrowthRefusal(result, request.days);
    if (!outcome.reason.empty())
        return outcome;
    outcome.found = true;
    outcome.total = result.total;
    outcome.value = advice::FormatExact(result.value);
    outcome.order = OrderText(result.plan);
    outcome.question = advice::GrowthQuestion(result, planet, request.days);
    return outcome;
}

} // namespace korvelin::web
