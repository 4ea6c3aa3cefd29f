#pragma once
// Whether a plan keeps the technology tree and the stores, judged by the plan
// check on the plain walk from the planet as it stands.

#include "RecordingMessageSink.h"

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "report/PlanCheck.h"
#include "rules/Planet.h"

#include <span>
#include <vector>

namespace korvelin::test {

inline bool KeepsLimits(const Planet &planet, std::span<const QueueEntry> entries)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    for (const QueueEntry &entry : entries)
        queue.AppendEntry(entry.bid, entry.level);
    std::vector<EntryEvaluation> rows;
    TimelineState state;
    RecordingMessageSink messages;
    WalkQueue(
        queue, planet.startStock, state, [&] { return planet.inputs; }, messages,
        [&](const EntryEvaluation &evaluation) { rows.push_back(evaluation); });
    return report::CheckPlan(queue, planet, rows).empty();
}

} // namespace korvelin::test
