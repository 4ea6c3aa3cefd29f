#include "RunGrow.h"

#include "SearchOutput.h"

#include "advice/GrowthPlan.h"
#include "plan/InputRanges.h"
#include "rules/Production.h"

#include <string>

namespace korvelin::optimizetool {

namespace {

constexpr const char *kProgram = "korvelin-optimize";
constexpr int64_t kSecondsPerDay = 86'400;

// "1000:500:200": the production per hour at the end of `entries`.
std::string ProductionText(std::span<const QueueEntry> entries, const Planet &planet)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    queue.Assign(entries);
    const EconomyFigures figures = EvaluateEconomy(queue.EconomyAt(queue.Count(), planet.inputs));
    return std::to_string(figures.metalPerHour) + ":" + std::to_string(figures.crystalPerHour) + ":" +
           std::to_string(figures.deuteriumPerHour);
}

// "+2.35": how much more `value` is than `base`, in hundredths of a percent
// truncated toward zero; exact, as both are.
std::string MoreThanText(advice::ExactValue value, advice::ExactValue base)
{
    if (base <= 0)
        return "n/a";
    const advice::ExactValue hundredths = (value - base) * 10'000 / base;
    const advice::ExactValue whole = hundredths / 100;
    const auto fraction = static_cast<int>(hundredths % 100 < 0 ? -(hundredths % 100) : hundredths % 100);
    return std::string(hundredths < 0 ? "-" : "+") + advice::FormatExact(whole < 0 ? -whole : whole) + "." +
           (fraction < 10 ? "0" : "") + std::to_string(fraction) + "%";
}

} // namespace

int RunGrow(const ToolOptions &options, const tools::ToolPlan &plan, std::ostream &out, std::ostream &err)
{
    const int64_t horizon = *options.growDays * kSecondsPerDay;
    const advice::TradeRatio ratio = options.ratio.value_or(kDefaultTradeRatio);
    const advice::GrowthResult result =
        advice::PlanGrowth(plan.queue, plan.planet, horizon, ratio, SearchOptionsOf(options), {});
    if (!result.fits) {
        err << kProgram << ": the plan already ends after " << *options.growDays << " days, at "
            << TotalText(result.total) << "\n";
        return 1;
    }
    if (!WritePlanFile(options, plan, result.plan, err))
        return 1;
    out << "horizon: " << TotalText(horizon) << ", ratio " << TradeRatioText(ratio) << '\n';
    out << "best payback first: " << result.greedyAdded << " upgrades added, ends " << TotalText(result.greedyTotal)
        << ", production " << ProductionText(result.greedyPlan, plan.planet) << " per hour\n";
    out << "grown: " << result.added << " upgrades added, ends " << TotalText(result.total) << ", production "
        << ProductionText(result.plan, plan.planet) << " per hour\n";
    out << "production value: " << MoreThanText(result.value, result.greedyValue) << " over best payback first\n";
    return FinishSearch(out, err, false, result.plansTried, "plans");
}

} // namespace korvelin::optimizetool
