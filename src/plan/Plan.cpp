#include "plan/Plan.h"

#include "plan/InputRanges.h"

#include <algorithm>

namespace korvelin {

Plan Plan::Of(std::span<const QueueEntry> entries, const Planet &planet)
{
    Plan plan;
    plan.planet = planet;
    plan.queue.SetStartLevels(planet.startLevels);
    plan.queue.Assign(entries);
    return plan;
}

std::string EntryName(int32_t bid, int32_t level)
{
    return ItemLabel(bid) + " (" + std::to_string(level) + ")";
}

std::optional<PlanEdit> ApplyAppend(Plan &plan, int32_t bid)
{
    const int32_t index = plan.queue.AppendUpgrade(bid);
    if (index == -1)
        return std::nullopt;
    PlanEdit edit;
    edit.description = "Add " + EntryName(bid, plan.queue.At(index).level);
    edit.kind = EditKind::Appended;
    edit.position = index;
    return edit;
}

std::optional<PlanEdit> ApplyDelete(Plan &plan, int32_t index)
{
    if (index < 0 || index >= plan.queue.Count())
        return std::nullopt;
    const QueueEntry entry = plan.queue.At(index);
    PlanEdit edit;
    edit.removed = plan.queue.RemoveEntry(index);
    if (edit.removed.empty())
        return std::nullopt;
    edit.description = "Delete " + EntryName(entry.bid, entry.level);
    edit.kind = EditKind::Removed;
    edit.position = index;
    return edit;
}

std::optional<PlanEdit> ApplyMove(Plan &plan, int32_t index, int32_t neighbour)
{
    const bool up = neighbour == index - 1;
    if (index < 0 || index >= plan.queue.Count() || (!up && neighbour != index + 1) ||
        !(up ? plan.queue.CanMoveUp(index) : plan.queue.CanMoveDown(index)))
        return std::nullopt;
    const QueueEntry entry = plan.queue.At(index);
    plan.queue.SwapEntries(index, neighbour);
    PlanEdit edit;
    edit.description = std::string(up ? "Move Up " : "Move Down ") + EntryName(entry.bid, entry.level);
    edit.kind = EditKind::Moved;
    edit.position = neighbour;
    return edit;
}

namespace {

std::optional<PlanEdit> WithPlan(Plan plan, std::optional<PlanEdit> (*apply)(Plan &, int32_t), int32_t argument)
{
    std::optional<PlanEdit> edit = apply(plan, argument);
    if (edit)
        edit->plan = std::move(plan);
    return edit;
}

} // namespace

std::optional<PlanEdit> AppendUpgrade(const Plan &plan, int32_t bid)
{
    return WithPlan(plan, ApplyAppend, bid);
}

std::optional<PlanEdit> DeleteEntry(const Plan &plan, int32_t index)
{
    return WithPlan(plan, ApplyDelete, index);
}

std::optional<PlanEdit> MoveEntry(const Plan &plan, int32_t index, int32_t neighbour)
{
    Plan next = plan;
    std::optional<PlanEdit> edit = ApplyMove(next, index, neighbour);
    if (edit)
        edit->plan = std::move(next);
    return edit;
}

EditOutcome BuiltUpToHere(const Plan &plan, int32_t line, const std::array<int64_t, 3> &stockAfter)
{
    EditOutcome outcome;
    if (line < 0 || line >= plan.queue.Count())
        return outcome;
    Planet planet = plan.planet;
    for (const CatalogueItem &item : ItemCatalogue())
        planet.SetStartLevel(item.bid, plan.queue.LevelBefore(item.bid, line + 1));
    planet.startStock = stockAfter;
    if (const auto error = CheckPlanet(planet)) {
        outcome.refusal = "Built up to here would leave the planet out of range. " + *error;
        return outcome;
    }
    const std::span<const QueueEntry> rest = plan.queue.Entries().subspan(static_cast<size_t>(line) + 1);
    outcome.edit = PlanEdit{Plan::Of(rest, planet), "Built up to here", EditKind::Replaced, 0, {}};
    return outcome;
}

EditOutcome ChangePlanet(const Plan &plan, const Planet &planet)
{
    EditOutcome outcome;
    if (planet == plan.planet)
        return outcome;
    if (const auto error = CheckPlanet(planet)) {
        outcome.refusal = *error;
        return outcome;
    }
    Plan next = Plan::Of(plan.queue.Entries(), planet);
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (planet.StartLevel(item.bid) != plan.planet.StartLevel(item.bid))
            next.queue.RenumberEntries(item.bid);
    }
    outcome.edit = PlanEdit{std::move(next), "Planet", EditKind::Replaced, 0, {}};
    return outcome;
}

PlanEdit ReplaceEntries(const Plan &plan, std::span<const QueueEntry> entries, const std::optional<Planet> &planet,
                        std::string description)
{
    return {Plan::Of(entries, planet.value_or(plan.planet)), std::move(description), EditKind::Replaced, 0, {}};
}

} // namespace korvelin
