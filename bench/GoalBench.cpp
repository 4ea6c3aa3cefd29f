// The goal planner: evaluated entries per second inside its search beside
// the plain walk's, the time to the proof for small goals, and on realistic
// goals the saving against the best order of the goal's own entries and
// against plain hill climbing, after 1 s and 2 s.
#include "GoalBaseline.h"

#include "goal/GoalPlanner.h"
#include "goal/GoalProblem.h"
#include "goal/GoalStart.h"
#include "queue/Timeline.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace korvelin::bench {
namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

Planet YoungPlanet()
{
    Planet planet;
    planet.inputs.maxTemperature = 40;
    for (const auto &[b, level] : {std::pair{1, 8}, {2, 6}, {3, 4}, {4, 8}, {14, 2}, {31, 1}})
        planet.SetStartLevel(b, level);
    planet.startStock = {6000, 3000, 800};
    return planet;
}

Planet GrownPlanet()
{
    Planet planet;
    planet.inputs.maxTemperature = 20;
    for (const auto &[b, level] : {std::pair{1, 18}, {2, 15}, {3, 10}, {4, 18}, {12, 2}, {14, 5}, {31, 4}, {21, 4}})
        planet.SetStartLevel(b, level);
    planet.startStock = {150000, 90000, 30000};
    return planet;
}

struct Case {
    const char *name;
    Planet planet;
    std::vector<GoalTarget> goal;
};

const std::vector<Case> &RealisticGoals()
{
    static const std::vector<Case> cases{
        {"nothing/robotics2", Planet{}, {{14, 2}}},
        {"nothing/lab1+espionage2", Planet{}, {{31, 1}, {106, 2}}},
        {"nothing/mines10-8-5", Planet{}, {{1, 10}, {2, 8}, {3, 5}}},
        {"nothing/shipyard2+robotics2", Planet{}, {{14, 2}, {21, 2}}},
        {"nothing/lab3+energy2", Planet{}, {{31, 3}, {113, 2}}},
        {"young/robotics5", YoungPlanet(), {{14, 5}}},
        {"young/lab4+combustion3", YoungPlanet(), {{31, 4}, {115, 3}}},
        {"young/mines14-11-8", YoungPlanet(), {{1, 14}, {2, 11}, {3, 8}}},
        {"grown/nanite1", GrownPlanet(), {{15, 1}}},
        {"grown/lab8+impulse4", GrownPlanet(), {{31, 8}, {117, 4}}},
    };
    return cases;
}

double CpuSeconds(std::clock_t since)
{
    return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC;
}

// Evaluated entries per second inside the goal search, and the plain walk's
// over the plan it found, in the same run.
void GoalEvaluationsPerSecond(benchmark::State &state)
{
    const Case &goalCase = RealisticGoals()[static_cast<size_t>(state.range(0))];
    OptimizeOptions options;
    options.timeLimit = std::chrono::milliseconds(1000);
    options.exactLimit = 0; // the improvement search, which plays whole plans
    uint64_t evaluations = 0;
    double seconds = 0;
    double cpuSeconds = 0;
    GoalResult result;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        result = PlanGoal(goalCase.planet, goalCase.goal, options);
        seconds += Seconds(start);
        cpuSeconds += CpuSeconds(cpuStart);
        evaluations += result.evaluations;
    }
    BuildQueue queue;
    queue.SetStartLevels(goalCase.planet.startLevels);
    for (const QueueEntry &entry : result.plan)
        queue.AppendEntry(entry.bid, entry.level);
    class Quiet : public MessageSink {
        void ShowMessage(std::string_view) override {}
    } quiet;
    const PlanetInputs inputs = goalCase.planet.inputs;
    const auto walkStart = std::chrono::steady_clock::now();
    const std::clock_t walkCpuStart = std::clock();
    uint64_t walked = 0;
    TimelineState timeline;
    while (Seconds(walkStart) < 1.0) {
        WalkQueue(queue, goalCase.planet.startStock, timeline, [&] { return inputs; }, quiet, {});
        walked += static_cast<uint64_t>(queue.Count());
    }
    const double walkCpu = CpuSeconds(walkCpuStart);
    // Per second of processor time as well: the machines these run on are
    // shared, and wall time counts the other programs' turns.
    state.counters["search_per_s"] = static_cast<double>(evaluations) / seconds;
    state.counters["walk_per_s"] = static_cast<double>(walked) / Seconds(walkStart);
    state.counters["search_per_cpu_s"] = static_cast<double>(evaluations) / cpuSeconds;
    state.counters["walk_per_cpu_s"] = static_cast<double>(walked) / walkCpu;
    state.counters["ratio"] = state.counters["search_per_cpu_s"] / state.counters["walk_per_cpu_s"];
    state.SetLabel(goalCase.name);
}
BENCHMARK(GoalEvaluationsPerSecond)->DenseRange(0, 2)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// Small goals: the time to the proof within the default budget.
void GoalProof(benchmark::State &state)
{
    static const std::vector<std::vector<GoalTarget>> goals{
        {{1, 5}},           {{3, 2}},  {{14, 1}},          {{31, 1}},           {{106, 1}},
        {{12, 1}},          {{22, 1}}, {{14, 2}},          {{31, 2}},           {{14, 1}, {31, 1}},
        {{4, 3}, {1, 5}},   {{21, 1}}, {{106, 2}},         {{113, 1}},          {{1, 5}, {2, 3}, {3, 2}},
        {{14, 1}, {21, 1}}, {{15, 1}}, {{23, 1}, {22, 1}}, {{31, 1}, {115, 1}}, {{2, 5}},
    };
    int32_t proven = 0;
    double provenSeconds = 0;
    double slowest = 0;
    for (auto _ : state) {
        for (const auto &goal : goals) {
            const auto start = std::chrono::steady_clock::now();
            const GoalResult result = PlanGoal(Planet{}, goal, OptimizeOptions{});
            const double seconds = Seconds(start);
            if (result.provenOptimal) {
                ++proven;
                provenSeconds += seconds;
                slowest = std::max(slowest, seconds);
            }
        }
    }
    state.counters["goals"] = static_cast<double>(goals.size());
    state.counters["proven"] = proven;
    state.counters["mean_s_to_proof"] = proven > 0 ? provenSeconds / proven : 0;
    state.counters["slowest_proof_s"] = slowest;
}
BENCHMARK(GoalProof)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// Realistic goals: per cent saved against the best order of the goal's own
// entries (made admissible by a few synthesizer and solar levels where it is
// not) and against hill climbing from it with the same time (range(1) ms).
void GoalSavings(benchmark::State &state)
{
    const Case &goalCase = RealisticGoals()[static_cast<size_t>(state.range(0))];
    const auto limit = std::chrono::milliseconds(state.range(1));
    const goal::GoalProblem problem(goalCase.planet, goalCase.goal);
    OptimizeOptions startOptions;
    startOptions.timeLimit = std::chrono::milliseconds(300);
    const goal::Construction start = goal::ConstructStart(problem, startOptions, {});
    int64_t planned = 0;
    int64_t climbed = 0;
    bool proven = false;
    for (auto _ : state) {
        OptimizeOptions options;
        options.timeLimit = limit;
        const GoalResult result = PlanGoal(goalCase.planet, goalCase.goal, options);
        planned = result.total;
        proven = result.provenOptimal;
        climbed = ClimbHills(problem, start.plan, 1, limit);
    }
    const int64_t ownTotal = start.total;
    const auto percent = [](int64_t before, int64_t after) {
        return before > 0 ? 100.0 * static_cast<double>(before - after) / static_cast<double>(before) : 0.0;
    };
    state.counters["own_s"] = static_cast<double>(ownTotal);
    state.counters["plan_s"] = static_cast<double>(planned);
    state.counters["climb_s"] = static_cast<double>(climbed);
    state.counters["saved_vs_own_pct"] = percent(ownTotal, planned);
    state.counters["saved_vs_climb_pct"] = percent(climbed, planned);
    state.counters["proven"] = proven ? 1 : 0;
    state.SetLabel(goalCase.name);
}
BENCHMARK(GoalSavings)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {1000, 2000}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvelin::bench
