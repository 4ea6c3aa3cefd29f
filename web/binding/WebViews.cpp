// The figures the page's views show, from the walk's rows and the queue.
#include "WebPlan.h"

#include "report/PlanRows.h"
#include "report/ReportWriter.h"
#include "rules/ItemCatalogue.h"
#include "rules/Production.h"
#include "rules/UpgradeCost.h"
#include "util/FormatDuration.h"

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
    LineMessages(std::vector<std::string> &lines, uint64_t &more) : lines_(lines), more_(more) {}
    void ShowMessage(std::string_view text) override
    {
        if (lines_.size() < kMaxWalkMessages)
            lines_.push_back("line " + std::to_string(line) + ": " + std::string(text));
        else
            ++more_;
    }
    int64_t line = 0;

  private:
    std::vector<std::string> &lines_;
    uint64_t &more_;
};

// The rows first .. first + count − 1 that exist.
std::pair<size_t, size_t> Window(size_t size, int32_t first, int32_t count)
{
    const size_t begin = std::min(size, static_cast<size_t>(std::max(first, 0)));
    return {begin, std::min(size, begin + static_cast<size_t>(std::max(count, 0)))};
}

} // namespace

void WebPlan::Walk()
{
    const std::span<const QueueEntry> entries = plan_.queue.Entries();
    size_t from = walked_.size();
    const bool appended = from > 0 && rows_.size() == from && entries.size() >= from && walkedPlanet_ == plan_.planet &&
                          std::equal(walked_.begin(), walked_.end(), entries.begin());
    if (!appended) {
        from = 0;
        rows_.clear();
        planRows_.clear();
        messages_.clear();
        moreMessages_ = 0;
        ResetTimeline(walkState_, plan_.planet.startStock);
    }
    rows_.reserve(entries.size());
    const PlanetInputs inputs = plan_.planet.inputs;
    const PlanetInputSource source = [inputs] { return inputs; };
    LineMessages messages(messages_, moreMessages_);
    for (size_t i = from; i < entries.size(); ++i) {
        messages.line = static_cast<int64_t>(i) + 1;
        if (const auto evaluation = AdvanceTimeline(plan_.queue, static_cast<int32_t>(i), walkState_, source, messages))
            rows_.push_back(*evaluation);
    }
    // The new rows' marks; each row starts where the one before it ended.
    const size_t known = planRows_.size();
    std::vector<report::PlanRow> added = report::MakePlanRows(std::span<const EntryEvaluation>(rows_).subspan(known));
    for (report::PlanRow &row : added) {
        row.start = planRows_.empty() ? 0 : rows_[planRows_.size() - 1].total;
        planRows_.push_back(std::move(row));
    }
    walked_.assign(entries.begin(), entries.end());
    walkedPlanet_ = plan_.planet;
}

std::vector<std::string> WebPlan::Messages() const
{
    std::vector<std::string> out = messages_;
    if (moreMessages_ > 0)
        out.push_back("… and " + std::to_string(moreMessages_) + " more messages");
    return out;
}

std::string WebPlan::ReportCsv() const
{
    std::ostringstream out;
    report::WriteCsv(out, rows_);
    return out.str();
}

std::string WebPlan::SummaryText() const
{
    return report::SummaryText(report::SummarizePlan(rows_, planRows_));
}

std::vector<TableRowView> WebPlan::TableRows(int32_t first, int32_t count, bool englishNames) const
{
    const auto [begin, end] = Window(std::min(rows_.size(), planRows_.size()), first, count);
    std::vector<TableRowView> out;
    out.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
        const EntryEvaluation &r = rows_[i];
        const report::PlanRow &p = planRows_[i];
        TableRowView v;
        v.line = r.index + 1;
        v.name = NameOf(r.bid, englishNames);
        v.level = r.level;
        v.start = FormatDuration(p.start);
        v.end = FormatDuration(r.total);
        v.waitMetal = FormatDuration(r.waits[0]);
        v.waitCrystal = FormatDuration(r.waits[1]);
        v.waitDeuterium = FormatDuration(r.waits[2]);
        v.build = FormatDuration(r.buildTime);
        v.step = FormatDuration(r.step);
        v.cause = std::string(report::StepCauseName(p.cause));
        v.metal = std::to_string(r.stockAfter[0]);
        v.crystal = std::to_string(r.stockAfter[1]);
        v.deuterium = std::to_string(r.stockAfter[2]);
        v.metalPerHour = std::to_string(r.economy.metalPerHour);
        v.crystalPerHour = std::to_string(r.economy.crystalPerHour);
        v.deuteriumPerHour = std::to_string(r.economy.deuteriumPerHour);
        v.energy = std::to_string(r.economy.energyBalance);
        v.factor = std::to_string(r.economy.productionFactor);
        v.mark = p.reason;
        std::replace(v.mark.begin(), v.mark.end(), '\n', ' ');
        out.push_back(std::move(v));
    }
    return out;
}

std::vector<QueueLineView> WebPlan::QueueLines(int32_t first, int32_t count, bool englishNames) const
{
    const auto [begin, end] = Window(static_cast<size_t>(plan_.queue.Count()), first, count);
    std::vector<QueueLineView> out;
    out.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
        const QueueEntry &e = plan_.queue.At(static_cast<int32_t>(i));
        out.push_back({NameOf(e.bid, englishNames), e.level});
    }
    return out;
}

std::vector<ItemRowView> WebPlan::ItemRows(bool englishNames) const
{
    DiscardMessages discard;
    std::vector<ItemRowView> out;
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (!HasItemRow(item.bid))
            continue;
        const int32_t queued = plan_.queue.QueuedLevel(item.bid);
        const int32_t level = queued < std::numeric_limits<int32_t>::max() ? queued + 1 : queued;
        const auto costs = UpgradeCosts(item.bid, level, discard);
        // The factory and lab levels are those after the whole queue, as the
        // window's item rows read them.
        const FacilityLevels facilities{plan_.queue.QueuedLevel(bid::kRoboticsFactory),
                                        plan_.queue.QueuedLevel(bid::kNaniteFactory),
                                        plan_.queue.QueuedLevel(bid::kResearchLab)};
        const int64_t time = ItemRowTime(item.bid, costs[0], costs[1], facilities, plan_.planet.inputs);
        ItemRowView v;
        v.bid = item.bid;
        v.name = NameOf(item.bid, englishNames);
        v.level = level;
        v.metal = std::to_string(costs[0]);
        v.crystal = std::to_string(costs[1]);
        v.deuterium = std::to_string(costs[2]);
        v.time = FormatDuration(time);
        if (item.bid == bid::kMetalStorage || item.bid == bid::kCrystalStorage || item.bid == bid::kDeuteriumTank) {
            v.extra = std::to_string(StorageCapacityInThousands(int64_t{level} + 1)) + "k";
            v.capacity = true;
        } else if (const int64_t energy = ItemEnergy(item.bid, level); energy != 0) {
            v.extra = std::to_string(energy);
        }
        out.push_back(std::move(v));
    }
    return out;
}

} // namespace korvelin::web
