// The goal planner for the page's worker, bound only where the core has it.
#if __has_include("goal/GoalPlanner.h")

#include "WebPlan.h"
#include "WebSearch.h"
#include "goal/GoalPlanner.h"
#include "util/ParseInt.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <sstream>

using emscripten::val;

namespace korvelin::web {
namespace {

// "bid:level,…" as the Goal dialog sends it.
std::vector<GoalTarget> ParseGoal(const std::string &text)
{
    std::vector<GoalTarget> goal;
    std::istringstream in(text);
    std::string field;
    while (std::getline(in, field, ',')) {
        const size_t colon = field.find(':');
        if (colon == std::string::npos)
            continue;
        goal.push_back({ParseInt(field.substr(0, colon)), ParseInt(field.substr(colon + 1))});
    }
    return goal;
}

val PlanGoalFor(const val &request, const val &progress)
{
    val result = val::object();
    result.set("found", false);
    WebPlan plan;
    if (!LoadPlanet(plan, request["planet"].as<std::string>(), request["satellites"].as<std::string>()) ||
        !plan.Restore(request["current"].as<std::string>()))
        return result;

    OptimizeOptions options;
    options.seed = request["seed"].as<uint32_t>();
    options.timeLimit = std::chrono::milliseconds(static_cast<int64_t>(request["timeLimitMs"].as<double>()));
    options.maxEvaluations = static_cast<uint64_t>(request["maxEvaluations"].as<double>());
    options.exactLimit = request["exactLimit"].as<int32_t>();
    const std::vector<GoalTarget> goal = ParseGoal(request["goal"].as<std::string>());
    const GoalResult r = PlanGoal(
        plan.CurrentPlanet(), goal, options,
        [&progress](const OptimizeProgress &p) {
            return progress.isUndefined() || progress(static_cast<double>(p.bestTotal), p.permilleUsed).as<bool>();
        },
        plan.Queue().Entries());

    result.set("found", r.found);
    result.set("provenOptimal", r.provenOptimal);
    result.set("total", static_cast<double>(r.total));
    result.set("added", r.added);
    result.set("entries", static_cast<double>(r.plan.size()));
    result.set("currentTotal", static_cast<double>(r.currentTotal));
    result.set("currentAdmissible", r.currentAdmissible);
    result.set("currentReachesGoal", r.currentReachesGoal);
    result.set("evaluations", static_cast<double>(r.evaluations));
    result.set("order", r.found ? SnapshotOf(r.plan) : std::string());
    result.set("reason", r.found ? std::string() : NoPlanReason(r));
    return result;
}

} // namespace
} // namespace korvelin::web

EMSCRIPTEN_BINDINGS(korvelin_goal)
{
    emscripten::function("planGoal", &korvelin::web::PlanGoalFor);
}

#endif
