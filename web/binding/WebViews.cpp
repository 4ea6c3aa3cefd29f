// The figures the page's views show, from the walk's rows and the queue.
#include "WebPlan.h"

#include "plan/ItemRowFigures.h"
#include "report/PlanTable.h"
#include "report/ReportWriter.h"

#include <algorithm>
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
        table_ = report::PlanTable(plan_.planet);
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
    table_.Extend(plan_.queue, rows_);
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
    return report::SummaryText(report::SummarizePlan(rows_, table_.Rows()));
}

std::vector<TableRowView> WebPlan::TableRows(int32_t first, int32_t count, bool englishNames) const
{
    const std::vector<report::PlanRow> &planRows = table_.Rows();
    const auto [begin, end] = Window(std::min(rows_.size(), planRows.size()), first, count);
    std::vector<TableRowView> out;
    out.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
        const EntryEvaluation &r = rows_[i];
        const auto cell = [&r, &p = planRows[i], englishNames](report::TableColumn column) {
            return report::CellText(r, p, column, englishNames);
        };
        using enum report::TableColumn;
        TableRowView v;
        v.line = r.index + 1;
        v.name = cell(Item);
        v.level = r.level;
        v.start = cell(Start);
        v.end = cell(End);
        v.waitMetal = cell(WaitMetal);
        v.waitCrystal = cell(WaitCrystal);
        v.waitDeuterium = cell(WaitDeuterium);
        v.build = cell(Build);
        v.step = cell(Step);
        v.cause = cell(SetBy);
        v.metal = cell(StockMetal);
        v.crystal = cell(StockCrystal);
        v.deuterium = cell(StockDeuterium);
        v.metalPerHour = cell(MetalPerHour);
        v.crystalPerHour = cell(CrystalPerHour);
        v.deuteriumPerHour = cell(DeuteriumPerHour);
        v.energy = cell(Energy);
        v.factor = cell(Factor);
        v.mark = cell(Note);
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
    for (const ItemRowFigures &figures : AllItemRowFigures(plan_.queue, plan_.planet, discard)) {
        ItemRowView v;
        v.bid = figures.bid;
        v.name = NameOf(figures.bid, englishNames);
        v.level = figures.level;
        v.metal = figures.costTexts[0];
        v.crystal = figures.costTexts[1];
        v.deuterium = figures.costTexts[2];
        v.time = figures.time;
        v.extra = figures.extraText;
        v.capacity = figures.extra == ItemRowExtra::Capacity;
        out.push_back(std::move(v));
    }
    return out;
}

} // namespace korvelin::web
