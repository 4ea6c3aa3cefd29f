#include "WebPlan.h"

#include "plan/InputRanges.h"
#include "rules/ItemCatalogue.h"
#include "storage/QueueFile.h"
#include "util/Version.h"

#include <algorithm>
#include <climits>
#include <sstream>

namespace korvelin::web {

namespace {

// The undo history keeps whole plan values; past this many entries in all
// the oldest steps go, so a plan of a million lines keeps a few steps and
// not a gigabyte of them.
constexpr size_t kHistoryEntries = 4'000'000;
constexpr size_t kHistorySteps = 500;

// A Planet form field as SetField names it: its name in messages and its range.
struct NamedField {
    std::string name;
    InputRange range;
    std::optional<size_t> stock; // metal 0, crystal 1, deuterium 2
    int32_t bid = 0;             // for a start level
};

std::optional<NamedField> FieldOf(const std::string &field)
{
    if (field == "temperature")
        return NamedField{std::string(kTemperatureField), kTemperatureRange, {}, 0};
    if (field == "satellites")
        return NamedField{std::string(kSatellitesField), kSatellitesRange, {}, 0};
    if (field == "speed")
        return NamedField{std::string(kSpeedField), kSpeedRange, {}, 0};
    if (field == "metal" || field == "crystal" || field == "deuterium") {
        const size_t kind = field == "metal" ? 0 : field == "crystal" ? 1 : 2;
        return NamedField{std::string(StockField(kind)), kStockRange, kind, 0};
    }
    const std::optional<int64_t> number = ParseWholeNumber(field);
    if (!number || *number < 0 || *number > INT32_MAX || ItemIndexOf(static_cast<int32_t>(*number)) == -1)
        return std::nullopt;
    const auto bid = static_cast<int32_t>(*number);
    return NamedField{StartLevelField(bid), LevelRange(bid), {}, bid};
}

} // namespace

std::string NameOf(int32_t bid, bool englishNames)
{
    const int32_t index = ItemIndexOf(bid);
    if (index == -1)
        return std::to_string(bid);
    return std::string(englishNames ? EnglishName(index) : FullName(index));
}

std::string CurrentVersionTag()
{
    return VersionTag(ReadFileVersion());
}

PlanetForm WebPlan::Form() const
{
    const auto &stock = plan_.planet.startStock;
    return {std::to_string(plan_.planet.inputs.maxTemperature),
            std::to_string(plan_.planet.inputs.satellites),
            std::to_string(plan_.planet.inputs.economySpeed),
            std::string(RulesName(plan_.planet.inputs.rules)),
            std::to_string(stock[0]),
            std::to_string(stock[1]),
            std::to_string(stock[2])};
}

FieldRangeView WebPlan::Range(const std::string &field) const
{
    const auto named = FieldOf(field);
    if (!named)
        return {};
    return {std::to_string(named->range.minimum), std::to_string(named->range.maximum)};
}

EditResult WebPlan::SetField(const std::string &field, const std::string &text)
{
    if (field == "rules") {
        const CheckedRules rules = ReadRules(text);
        if (rules.error)
            return {{}, *rules.error};
        Planet planet = plan_.planet;
        planet.inputs.rules = rules.rules;
        return Take(ChangePlanet(plan_, planet));
    }
    const auto named = FieldOf(field);
    if (!named)
        return {{}, "Unknown field: " + field};
    const CheckedNumber checked = ReadTypedNumber(named->name, named->range, text);
    if (checked.error)
        return {{}, *checked.error};
    // Each range fits its field's type, so the casts keep the value.
    Planet planet = plan_.planet;
    if (field == "temperature")
        planet.inputs.maxTemperature = static_cast<int32_t>(checked.value);
    else if (field == "satellites")
        planet.inputs.satellites = static_cast<int32_t>(checked.value);
    else if (field == "speed")
        planet.inputs.economySpeed = static_cast<int32_t>(checked.value);
    else if (named->stock)
        planet.startStock[*named->stock] = checked.value;
    else
        planet.SetStartLevel(named->bid, static_cast<int32_t>(checked.value));
    return Take(ChangePlanet(plan_, planet));
}

EditResult WebPlan::BuiltUpTo(int32_t line)
{
    if (line < 0 || line >= plan_.queue.Count())
        return {};
    Walk();
    if (static_cast<size_t>(line) >= rows_.size())
        return {};
    return Take(korvelin::BuiltUpToHere(plan_, line, rows_[static_cast<size_t>(line)].stockAfter));
}

EditResult WebPlan::Append(int32_t bid)
{
    return Take(AppendUpgrade(plan_, bid));
}

EditResult WebPlan::Remove(int32_t index)
{
    return Take(DeleteEntry(plan_, index));
}

bool WebPlan::CanMoveUp(int32_t index) const
{
    return index > 0 && index < plan_.queue.Count() && plan_.queue.CanMoveUp(index);
}

bool WebPlan::CanMoveDown(int32_t index) const
{
    return index >= 0 && index < plan_.queue.Count() - 1 && plan_.queue.CanMoveDown(index);
}

EditResult WebPlan::MoveUp(int32_t index)
{
    return Take(MoveEntry(plan_, index, index - 1));
}

EditResult WebPlan::MoveDown(int32_t index)
{
    return Take(MoveEntry(plan_, index, index + 1));
}

std::string OrderText(std::span<const QueueEntry> entries)
{
    std::string out;
    for (const QueueEntry &e : entries)
        out += std::to_string(e.bid) + ' ' + std::to_string(e.level) + ' ' + std::to_string(e.order) + '\n';
    return out;
}

EditResult WebPlan::ApplyAnswer(const std::string &order, std::string_view description)
{
    std::vector<QueueEntry> entries;
    std::istringstream in(order);
    QueueEntry e;
    while (in >> e.bid >> e.level >> e.order) {
        if (ItemIndexOf(e.bid) == -1)
            return {{}, "The search's answer names no item with BID " + std::to_string(e.bid) + "."};
        entries.push_back(e);
    }
    return Take(ReplaceEntries(plan_, entries, std::nullopt, std::string(description)));
}

EditResult WebPlan::ApplyOrder(const std::string &order, bool goal)
{
    return ApplyAnswer(order, goal ? kPlanGoalDescription : kApplyOrderDescription);
}

EditResult WebPlan::Take(std::optional<PlanEdit> edit)
{
    if (!edit)
        return {};
    undo_.emplace_back(edit->description, std::move(plan_));
    redo_.clear();
    // The rows stay: the next walk plays only what follows the lines it
    // already played, so an append to a long plan answers at once.
    plan_ = std::move(edit->plan);
    TrimHistory();
    return {std::move(edit->description), {}};
}

EditResult WebPlan::Take(EditOutcome outcome)
{
    if (!outcome.edit)
        return {{}, std::move(outcome.refusal)};
    return Take(std::move(outcome.edit));
}

void WebPlan::SetPlan(Plan plan)
{
    plan_ = std::move(plan);
    rows_.clear();
}

void WebPlan::Checkpoint()
{
    checkpoint_ = plan_;
}

void WebPlan::Commit(const std::string &label)
{
    undo_.emplace_back(label, std::move(checkpoint_));
    checkpoint_ = {};
    redo_.clear();
    TrimHistory();
}

void WebPlan::TrimHistory()
{
    size_t entries = 0;
    for (const auto &step : undo_)
        entries += static_cast<size_t>(step.second.queue.Count());
    size_t drop = 0;
    // The newest step always stays, however large.
    while (undo_.size() - drop > 1 && (entries > kHistoryEntries || undo_.size() - drop > kHistorySteps))
        entries -= static_cast<size_t>(undo_[drop++].second.queue.Count());
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(drop));
}

std::string WebPlan::Undo()
{
    if (undo_.empty())
        return {};
    auto step = std::move(undo_.back());
    undo_.pop_back();
    redo_.emplace_back(step.first, std::move(plan_));
    SetPlan(std::move(step.second));
    return step.first;
}

std::string WebPlan::Redo()
{
    if (redo_.empty())
        return {};
    auto step = std::move(redo_.back());
    redo_.pop_back();
    undo_.emplace_back(step.first, std::move(plan_));
    SetPlan(std::move(step.second));
    return step.first;
}

void WebPlan::ClearHistory()
{
    undo_.clear();
    redo_.clear();
}

std::string WebPlan::FileText() const
{
    return FormatQueueFile(plan_.queue.Entries(), std::to_string(plan_.planet.inputs.maxTemperature), plan_.planet,
                           CurrentVersionTag());
}

LoadOutcome WebPlan::Load(const std::string &bytes, const std::string &satellites)
{
    const std::string tag = CurrentVersionTag();
    const QueueFileContents contents = ParseQueueFile(bytes, tag);
    LoadOutcome outcome;
    // The reader refuses a planet out of range with the field's message.
    outcome.messages = LoadMessages(contents, tag);
    if (!contents.Accepted())
        return outcome;
    if (contents.tooManyEntries) {
        outcome.messages.push_back("The file holds more entries than a plan can.");
        return outcome;
    }
    // The file's planet whole: a key it lacks has the value of a planet built
    // from nothing, never the one the page showed before.
    Planet planet = LoadedPlanet(contents);
    if (contents.temperature)
        planet.inputs.maxTemperature =
            static_cast<int32_t>(ReadTextInRange(kTemperatureField, kTemperatureRange, *contents.temperature).value);
    if (contents.satellites) {
        outcome.hasSatellites = true;
        planet.inputs.satellites =
            static_cast<int32_t>(ReadTextInRange(kSatellitesField, kSatellitesRange, *contents.satellites).value);
    } else if (!satellites.empty()) {
        const CheckedNumber kept = ReadTypedNumber(kSatellitesField, kSatellitesRange, satellites);
        if (kept.error)
            outcome.messages.push_back(*kept.error);
        else
            planet.inputs.satellites = static_cast<int32_t>(kept.value);
    }
    outcome.accepted = true;
    Plan plan;
    plan.planet = planet;
    plan.queue.SetStartLevels(planet.startLevels);
    ApplyLoadedQueue(plan.queue, contents.entries);
    SetPlan(std::move(plan));
    return outcome;
}

} // namespace korvelin::web
