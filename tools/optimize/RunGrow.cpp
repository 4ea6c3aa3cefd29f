#include "RunGrow.h"

#include "SearchOutput.h"

#include "advice/GrowthPlan.h"
#include "plan/InputRanges.h"

#include <string>

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";
constexpr int64_t kSecondsPerDay = 86'400;

} // namespace

int RunGrow(const ToolOptions &options, const tools::ToolPlan &plan, std::ostream &out, std::ostream &err)
{
    const int64_t horizon = *options.growDays * kSecondsPerDay;
    const advice::TradeRatio ratio = options.ratio.value_or(kDefaultTradeRatio);
    const advice::GrowthResult result =
        advice::PlanGrowth(plan.queue, plan.planet, horizon, ratio, SearchOptionsOf(options), {});
    if (!result.fits) {
        err << kProgram << ": " << advice::GrowthRefusal(result, *options.growDays) << '\n';
        return 1;
    }
    if (!WritePlanFile(options, plan, result.plan, err))
        return 1;
    out << "horizon: " << TotalText(horizon) << ", ratio " << TradeRatioText(ratio) << '\n';
    out << "best payback first: " << result.greedyAdded << " upgrades added, ends " << TotalText(result.greedyTotal)
        << ", production " << advice::ProductionText(result.greedyPlan, plan.planet) << " per hour\n";
    out << "grown: " << result.added << " upgrades added, ends " << TotalText(result.total) << ", production "
        << advice::ProductionText(result.plan, plan.planet) << " per hour\n";
    out << "production value: " << advice::MoreThanText(result.value, result.greedyValue)
        << " over best payback first\n";
    return FinishSearch(out, err, false, result.plansTried, "plans");
}

} // namespace korvelin::optimizetool
