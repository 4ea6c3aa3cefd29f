#include "WebPlan.h"

#include "report/PlanRows.h"
#include "report/ReportWriter.h"
#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "rules/UpgradeCost.h"
#include "storage/QueueFile.h"
#include "storage/QueueText.h"
#include "util/FormatDuration.h"
#include "util/ParseInt.h"
#include "util/Version.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace korvelin::web {

namespace {

// Item-row figures never show a box in the window either: their BIDs are the
// catalogue's own.
class DiscardMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

class LineMessages : public MessageSink {
  public:
    explicit LineMessages(std::vector<std::string> &lines) : lines_(lines) {}
    void ShowMessage(std::string_view text) override
    {
        lines_.push_back("line " + std::to_string(line) + ": " + std::string(text));
    }
    int64_t line = 0;

  private:
    std::vector<std::string> &lines_;
};

void AddCell(std::string &out, std::string_view cell)
{
    out += cell;
    out += '\t';
}

void AddCell(std::string &out, int64_t value)
{
    AddCell(out, std::to_string(value));
}

void EndLine(std::string &out)
{
    if (!out.empty() && out.back() == '\t')
        out.back() = '\n';
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

void WebPlan::SetPlanetTexts(const std::string &maxTemperature, const std::string &satellites)
{
    temperatureText_ = maxTemperature.substr(0, kMaxTemperatureText);
    satellitesText_ = satellites.substr(0, kMaxTemperatureText);
}

PlanetInputs WebPlan::Inputs() const
{
    return {ParseInt(temperatureText_), ParseInt(satellitesText_), start_.inputs.economySpeed};
}

Planet WebPlan::CurrentPlanet() const
{
    Planet planet = start_;
    planet.inputs = Inputs();
    return planet;
}

void WebPlan::SetStartTexts(const std::string &levels, const std::string &stock, const std::string &speed)
{
    std::array<int32_t, kItemCount> startLevels{};
    std::istringstream fields(levels);
    std::string field;
    while (std::getline(fields, field, ',')) {
        const size_t colon = field.find(':');
        const int32_t index = ItemIndexOf(ParseInt(field.substr(0, colon)));
        if (colon != std::string::npos && index != -1)
            startLevels[static_cast<size_t>(index - 1)] = std::clamp(ParseInt(field.substr(colon + 1)), 0, 999);
    }
    std::istringstream parts(stock);
    for (int64_t &amount : start_.startStock) {
        std::string part;
        std::getline(parts, part, ':');
        amount = std::clamp<int64_t>(ParseInt(part), 0, 2'000'000'000);
    }
    start_.inputs.economySpeed = ClampEconomySpeed(ParseInt(speed));

    const std::array<int32_t, kItemCount> before = start_.startLevels;
    start_.startLevels = startLevels;
    queue_.SetStartLevels(startLevels);
    for (const CatalogueItem &item : ItemCatalogue()) {
        const auto i = static_cast<size_t>(ItemIndexOf(item.bid) - 1);
        if (before[i] != startLevels[i])
            queue_.RenumberEntries(item.bid);
    }
}

StartTexts WebPlan::StartTextsOf() const
{
    StartTexts texts;
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (const int32_t level = start_.StartLevel(item.bid); level != 0) {
            if (!texts.levels.empty())
                texts.levels += ',';
            texts.levels += std::to_string(item.bid) + ':' + std::to_string(level);
        }
    }
    const auto &stock = start_.startStock;
    texts.stock = std::to_string(stock[0]) + ':' + std::to_string(stock[1]) + ':' + std::to_string(stock[2]);
    texts.speed = std::to_string(start_.inputs.economySpeed);
    return texts;
}

bool WebPlan::BuiltUpTo(int32_t line)
{
    if (line < 0 || line >= queue_.Count())
        return false;
    Walk();
    if (static_cast<size_t>(line) >= rows_.size())
        return false;
    for (const CatalogueItem &item : ItemCatalogue())
        start_.SetStartLevel(item.bid, queue_.LevelBefore(item.bid, line + 1));
    start_.startStock = rows_[static_cast<size_t>(line)].stockAfter;
    const std::vector<QueueEntry> rest(queue_.Entries().begin() + line + 1, queue_.Entries().end());
    queue_.SetStartLevels(start_.startLevels);
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

std::string SnapshotOf(std::span<const QueueEntry> entries)
{
    std::string out;
    for (const QueueEntry &e : entries)
        out += std::to_string(e.bid) + ' ' + std::to_string(e.level) + ' ' + std::to_string(e.order) + '\n';
    return out;
}

std::string WebPlan::Snapshot() const
{
    return SnapshotOf(queue_.Entries());
}

bool WebPlan::Restore(const std::string &snapshot)
{
    std::vector<QueueEntry> entries;
    std::istringstream in(snapshot);
    QueueEntry e;
    while (in >> e.bid >> e.level >> e.order) {
        if (ItemIndexOf(e.bid) == -1)
            return false;
        entries.push_back(e);
    }
    queue_.Assign(entries);
    return true;
}

std::string WebPlan::FileText() const
{
    return FormatQueueFile(queue_.Entries(), temperatureText_, CurrentPlanet(), CurrentVersionTag());
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
    outcome.accepted = true;
    if (contents.temperature) {
        outcome.hasTemperature = true;
        outcome.temperature = *contents.temperature;
        temperatureText_ = *contents.temperature;
    }
    // A file without "Satellites=" leaves the count as typed, as one without
    // "Temperature=" leaves the temperature.
    if (contents.satellites) {
        outcome.hasSatellites = true;
        outcome.satellites = *contents.satellites;
        satellitesText_ = *contents.satellites;
    }
    start_ = LoadedPlanet(contents);
    queue_.SetStartLevels(start_.startLevels);
    ApplyLoadedQueue(queue_, contents.entries);
    rows_.clear();
    return outcome;
}

std::string WebPlan::CompactText() const
{
    return CompactQueueText(queue_.Entries());
}

void WebPlan::Walk()
{
    rows_.clear();
    messages_.clear();
    rows_.reserve(static_cast<size_t>(queue_.Count()));
    const PlanetInputs inputs = Inputs();
    const PlanetInputSource source = [inputs] { return inputs; };
    TimelineState state;
    ResetTimeline(state, start_.startStock);
    LineMessages messages(messages_);
    for (int32_t i = 0; i < queue_.Count(); ++i) {
        messages.line = static_cast<int64_t>(i) + 1;
        if (const auto evaluation = AdvanceTimeline(queue_, i, state, source, messages))
            rows_.push_back(*evaluation);
    }
}

std::string WebPlan::ReportCsv() const
{
    std::ostringstream out;
    report::WriteCsv(out, rows_);
    return out.str();
}

std::string WebPlan::TableText(bool englishNames) const
{
    const std::vector<report::PlanRow> planRows = report::MakePlanRows(rows_);
    std::string out;
    out.reserve(rows_.size() * 160);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const EntryEvaluation &r = rows_[i];
        AddCell(out, int64_t{r.index} + 1);
        AddCell(out, NameOf(r.bid, englishNames));
        AddCell(out, r.level);
        AddCell(out, FormatDuration(r.total - r.step));
        AddCell(out, FormatDuration(r.total));
        for (int64_t wait : r.waits)
            AddCell(out, FormatDuration(wait));
        AddCell(out, FormatDuration(r.buildTime));
        AddCell(out, FormatDuration(r.step));
        AddCell(out, report::StepCauseName(planRows[i].cause));
        for (int64_t stock : r.stockAfter)
            AddCell(out, stock);
        AddCell(out, r.economy.metalPerHour);
        AddCell(out, r.economy.crystalPerHour);
        AddCell(out, r.economy.deuteriumPerHour);
        AddCell(out, r.economy.energyBalance);
        AddCell(out, r.economy.productionFactor);
        // Why the row is marked, in words; empty when it is not.
        std::string mark = planRows[i].reason;
        for (char &c : mark)
            c = c == '\n' || c == '\t' ? ' ' : c;
        AddCell(out, mark);
        EndLine(out);
    }
    return out;
}

std::string WebPlan::SummaryText() const
{
    const std::vector<report::PlanRow> planRows = report::MakePlanRows(rows_);
    return report::SummaryText(report::SummarizePlan(rows_, planRows));
}

std::string WebPlan::ItemRowsText(bool englishNames) const
{
    DiscardMessages discard;
    std::string out;
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (!HasItemRow(item.bid))
            continue;
        const int32_t queued = queue_.QueuedLevel(item.bid);
        const int32_t level = queued < std::numeric_limits<int32_t>::max() ? queued + 1 : queued;
        const auto costs = UpgradeCosts(item.bid, level, discard);
        // The factory and lab levels are those after the whole queue, as the
        // window's item rows read them.
        const int32_t speed = start_.inputs.economySpeed;
        const int64_t time = item.bid == bid::kEspionage
                                 ? LabTime(costs[0], costs[1], queue_.QueuedLevel(bid::kResearchLab), speed)
                                 : BuildTime(costs[0], costs[1], queue_.QueuedLevel(bid::kRoboticsFactory),
                                             queue_.QueuedLevel(bid::kNaniteFactory), speed);
        std::string extra;
        if (item.bid == bid::kMetalStorage || item.bid == bid::kCrystalStorage || item.bid == bid::kDeuteriumTank)
            extra = std::to_string(StorageCapacityInThousands(int64_t{level} + 1)) + "k";
        else if (const int64_t energy = ItemEnergy(item.bid, level); energy != 0)
            extra = std::to_string(energy);
        AddCell(out, item.bid);
        AddCell(out, NameOf(item.bid, englishNames));
        AddCell(out, level);
        for (int64_t cost : costs)
            AddCell(out, cost);
        AddCell(out, FormatDuration(time));
        AddCell(out, extra);
        EndLine(out);
    }
    return out;
}

std::string WebPlan::QueueLinesText(bool englishNames) const
{
    std::string out;
    for (const QueueEntry &e : queue_.Entries()) {
        out += NameOf(e.bid, englishNames);
        out += '\t';
        out += std::to_string(e.level);
        out += '\n';
    }
    return out;
}

} // namespace korvelin::web
