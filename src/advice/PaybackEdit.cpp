#include "advice/PaybackEdit.h"

#include "report/PaybackWriter.h"

#include <algorithm>

namespace korvelin::advice {

std::vector<QueueEntry> EntriesWithRow(const BuildQueue &queue, int32_t position, const PaybackRow &row)
{
    const std::vector<QueueEntry> added = RowEntries(row);
    const int32_t at = std::clamp(position, 0, queue.Count());
    std::vector<QueueEntry> entries(queue.Entries().begin(), queue.Entries().end());
    entries.insert(entries.begin() + at, added.begin(), added.end());
    if (at == queue.Count())
        return entries;
    BuildQueue renumbered;
    renumbered.SetStartLevels(queue.StartLevels());
    renumbered.Assign(entries);
    for (const QueueEntry &entry : added)
        renumbered.RenumberEntries(entry.bid);
    return {renumbered.Entries().begin(), renumbered.Entries().end()};
}

std::string AddRowDescription(const PaybackRow &row)
{
    std::string description = "Add " + EntryName(row.bid, row.level);
    if (row.solarLevels > 0)
        description += " with " + report::PaybackWithNames(row);
    return description;
}

PlanEdit AddRow(const Plan &plan, int32_t position, const PaybackRow &row)
{
    return ReplaceEntries(plan, EntriesWithRow(plan.queue, position, row), std::nullopt, AddRowDescription(row));
}

} // namespace korvelin::advice
