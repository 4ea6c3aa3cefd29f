#include "WebPlan.h"

#include "PlanLimits.h"

#include "rules/ItemCatalogue.h"
#include "storage/QueueFile.h"
#include "util/Version.h"

#include <algorithm>
#include <sstream>

namespace korvelin::web {

namespace {

// The undo history keeps whole plan values; past this many entries in all
// the oldest steps go, so a plan of a million lines keeps a few steps and
// not a gigabyte of them.
constexpr size_t kHistoryEntries = 4'000'000;
constexpr size_t kHistorySteps = 500;

PlanetField StockField(size_t kind)
{
    return kind == 0 ? PlanetField::MetalStock : kind == 1 ? PlanetField::CrystalStock : PlanetField::DeuteriumStock;
}

// The planet a file gives, or the refusal of its first value out of range.
std::string CheckLoadedPlanet(const Planet &planet)
{
    std::string message;
    for (size_t kind = 0; kind < 3; ++kind) {
        const FieldRange range = RangeOf(StockField(kind));
        if (planet.startStock[kind] < range.min || planet.startStock[kind] > range.max)
            return RangeMessage(StockField(kind));
    }
    for (const CatalogueItem &item : ItemCatalogue()) {
        const int32_t level = planet.StartLevel(item.bid);
        if (level < 0 || level > MaxStartLevel(item.bid))
            return RangeMessage(PlanetField::StartLevel, item.bid);
    }
    return message;
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
    const auto &stock = planet_.startStock;
    return {std::to_string(planet_.inputs.maxTemperature),
            std::to_string(planet_.inputs.satellites),
            std::to_string(planet_.inputs.economySpeed),
            std::to_string(stock[0]),
            std::to_string(stock[1]),
            std::to_string(stock[2])};
}

std::string WebPlan::SetField(const std::string &field, const std::string &text)
{
    std::string message;
    if (field == "temperature" || field == "satellites" || field == "speed") {
        const PlanetField which = field == "temperature"  ? PlanetField::Temperature
                                  : field == "satellites" ? PlanetField::Satellites
                                                          : PlanetField::Speed;
        const auto value = ReadField(which, text, message);
        if (!value)
            return message;
        int32_t &target = which == PlanetField::Temperature  ? planet_.inputs.maxTemperature
                          : which == PlanetField::Satellites ? planet_.inputs.satellites
                                                             : planet_.inputs.economySpeed;
        target = static_cast<int32_t>(*value);
        return {};
    }
    for (size_t kind = 0; kind < 3; ++kind) {
        if (field == (kind == 0 ? "metal" : kind == 1 ? "crystal" : "deuterium")) {
            const auto value = ReadField(StockField(kind), text, message);
            if (value)
                planet_.startStock[kind] = *value;
            return message;
        }
    }
    const int32_t bid = std::atoi(field.c_str());
    const int32_t index = ItemIndexOf(bid);
    if (index == -1)
        return "Unknown field: " + field;
    const auto value = ReadField(PlanetField::StartLevel, text, message, true, bid);
    if (!value)
        return message;
    std::array<int32_t, kItemCount> levels = planet_.startLevels;
    levels[static_cast<size_t>(index - 1)] = static_cast<int32_t>(*value);
    SetStartLevels(levels);
    return {};
}

void WebPlan::SetStartLevels(const std::array<int32_t, kItemCount> &levels)
{
    const std::array<int32_t, kItemCount> before = planet_.startLevels;
    planet_.startLevels = levels;
    queue_.SetStartLevels(levels);
    for (const CatalogueItem &item : ItemCatalogue()) {
        const auto i = static_cast<size_t>(ItemIndexOf(item.bid) - 1);
        if (before[i] != levels[i])
            queue_.RenumberEntries(item.bid);
    }
}

bool WebPlan::BuiltUpTo(int32_t line)
{
    if (line < 0 || line >= queue_.Count())
        return false;
    Walk();
    if (static_cast<size_t>(line) >= rows_.size())
        return false;
    for (const CatalogueItem &item : ItemCatalogue())
        planet_.SetStartLevel(item.bid, queue_.LevelBefore(item.bid, line + 1));
    planet_.startStock = rows_[static_cast<size_t>(line)].stockAfter;
    const std::vector<QueueEntry> rest(queue_.Entries().begin() + line + 1, queue_.Entries().end());
    queue_.SetStartLevels(planet_.startLevels);
    queue_.Assign(rest);
    rows_.clear();
    return true;
}

int32_t WebPlan::Append(int32_t bid)
{
    const int32_t index = queue_.AppendUpgrade(bid);
    return index < 0 ? -1 : queue_.At(index).level;
}

int32_t WebPlan::Remove(int32_t index)
{
    return static_cast<int32_t>(queue_.RemoveEntry(index).size());
}

bool WebPlan::CanMoveUp(int32_t index) const
{
    return index > 0 && index < queue_.Count() && queue_.CanMoveUp(index);
}

bool WebPlan::CanMoveDown(int32_t index) const
{
    return index >= 0 && index < queue_.Count() - 1 && queue_.CanMoveDown(index);
}

bool WebPlan::MoveUp(int32_t index)
{
    if (!CanMoveUp(index))
        return false;
    queue_.SwapEntries(index, index - 1);
    return true;
}

bool WebPlan::MoveDown(int32_t index)
{
    if (!CanMoveDown(index))
        return false;
    queue_.SwapEntries(index, index + 1);
    return true;
}

std::string OrderText(std::span<const QueueEntry> entries)
{
    std::string out;
    for (const QueueEntry &e : entries)
        out += std::to_string(e.bid) + ' ' + std::to_string(e.level) + ' ' + std::to_string(e.order) + '\n';
    return out;
}

bool WebPlan::ApplyOrder(const std::string &order)
{
    std::vector<QueueEntry> entries;
    std::istringstream in(order);
    QueueEntry e;
    while (in >> e.bid >> e.level >> e.order) {
        if (ItemIndexOf(e.bid) == -1)
            return false;
        entries.push_back(e);
    }
    queue_.Assign(entries);
    return true;
}

PlanState WebPlan::State() const
{
    return {std::vector<QueueEntry>(queue_.Entries().begin(), queue_.Entries().end()), planet_};
}

void WebPlan::SetState(const PlanState &state)
{
    planet_ = state.planet;
    queue_.SetStartLevels(planet_.startLevels);
    queue_.Assign(state.entries);
    rows_.clear();
}

void WebPlan::Checkpoint()
{
    checkpoint_ = State();
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
        entries += step.second.entries.size();
    size_t drop = 0;
    // The newest step always stays, however large.
    while (undo_.size() - drop > 1 && (entries > kHistoryEntries || undo_.size() - drop > kHistorySteps))
        entries -= undo_[drop++].second.entries.size();
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(drop));
}

std::string WebPlan::Undo()
{
    if (undo_.empty())
        return {};
    auto step = std::move(undo_.back());
    undo_.pop_back();
    redo_.emplace_back(step.first, State());
    SetState(step.second);
    return step.first;
}

std::string WebPlan::Redo()
{
    if (redo_.empty())
        return {};
    auto step = std::move(redo_.back());
    redo_.pop_back();
    undo_.emplace_back(step.first, State());
    SetState(step.second);
    return step.first;
}

void WebPlan::ClearHistory()
{
    undo_.clear();
    redo_.clear();
}

std::string WebPlan::FileText() const
{
    return FormatQueueFile(queue_.Entries(), std::to_string(planet_.inputs.maxTemperature), planet_,
                           CurrentVersionTag());
}

LoadOutcome WebPlan::Load(const std::string &bytes)
{
    const std::string tag = CurrentVersionTag();
    const QueueFileContents contents = ParseQueueFile(bytes, tag);
    LoadOutcome outcome;
    outcome.messages = LoadMessages(contents, tag);
    if (!contents.headerAccepted)
        return outcome;
    if (contents.tooManyEntries) {
        outcome.messages.push_back("The file holds more entries than a plan can.");
        return outcome;
    }
    // The file's planet whole: a key it lacks has the value of a planet built
    // from nothing, never the one the page showed before.
    Planet planet = LoadedPlanet(contents);
    std::string refusal = CheckLoadedPlanet(planet);
    if (contents.temperature) {
        if (const auto t = ReadField(PlanetField::Temperature, *contents.temperature, refusal, false))
            planet.inputs.maxTemperature = static_cast<int32_t>(*t);
    }
    if (contents.satellites) {
        outcome.hasSatellites = true;
        if (const auto s = ReadField(PlanetField::Satellites, *contents.satellites, refusal, false))
            planet.inputs.satellites = static_cast<int32_t>(*s);
    }
    if (!refusal.empty()) {
        outcome.messages.push_back("The file's planet is out of range: " + refusal);
        return outcome;
    }
    outcome.accepted = true;
    planet_ = planet;
    queue_.SetStartLevels(planet_.startLevels);
    ApplyLoadedQueue(queue_, contents.entries);
    rows_.clear();
    return outcome;
}

} // namespace korvelin::web
