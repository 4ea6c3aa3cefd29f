#pragma once
// The independent check of what the searches report: the plain walk of a
// queue from the planet as it stands, as the report and the window play it.

#include "RecordingMessageSink.h"

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "report/PlanCheck.h"
#include "rules/Planet.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvelin::test {

struct PlanWalk {
    int64_t total = 0;
    // Every entry that costs deuterium stands where some is produced.
    bool admissible = true;
    // What the plan check names: requirements not reached, prices past a store.
    std::vector<std::string> problems;
};

inline PlanWalk WalkPlan(const Planet &planet, std::span<const QueueEntry> entries)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    for (const QueueEntry &entry : entries)
        queue.AppendEntry(entry.bid, entry.level);
    PlanWalk walk;
    TimelineState state;
    RecordingMessageSink messages;
    std::vector<EntryEvaluation> rows;
    WalkQueue(
        queue, planet.startStock, state, [&] { return planet.inputs; }, messages,
        [&](const EntryEvaluation &evaluation) {
            if (evaluation.costs[2] > 0 && evaluation.economy.deuteriumPerHour <= 0)
                walk.admissible = false;
            rows.push_back(evaluation);
        });
    walk.total = state.total;
    for (const report::PlanProblem &problem : report::CheckPlan(queue, planet, rows))
        walk.problems.push_back(report::PlanProblemLine(problem));
    return walk;
}

} // namespace korvelin::test
