// The names the page sees. Results cross as value objects and arrays; 64-bit
// figures as BigInt or as the text the core formats, never as doubles.
// Strings cross as UTF-8; a file's bytes come in as a Uint8Array so that no
// decoding touches them.
#include "WebGrow.h"
#include "WebPlan.h"
#include "WebSearch.h"

#include "optimize/OptimizeSummary.h"
#include "plan/InputRanges.h"
#include "plan/QuestionTexts.h"
#include "util/FormatDuration.h"
#include "util/Version.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

using emscripten::val;

namespace korvelin::web {
namespace {

template <typename T> val ToArray(const std::vector<T> &items)
{
    val array = val::array();
    for (size_t i = 0; i < items.size(); ++i)
        array.set(i, val(items[i]));
    return array;
}

val LoadBytes(WebPlan &plan, const val &bytes, const std::string &satellites)
{
    // Copied straight into the string's buffer: a file of any size, one pass.
    std::string data(bytes["length"].as<size_t>(), '\0');
    val(emscripten::typed_memory_view(data.size(), reinterpret_cast<uint8_t *>(data.data()))).call<void>("set", bytes);
    const LoadOutcome outcome = plan.Load(data, satellites);
    val result = val::object();
    result.set("accepted", outcome.accepted);
    result.set("messages", ToArray(outcome.messages));
    result.set("hasSatellites", outcome.hasSatellites);
    return result;
}

// The page's Save and Save CSV take bytes, so that what downloads is exactly
// what the core wrote.
val Bytes(const std::string &text)
{
    val array = val::global("Uint8Array").new_(text.size());
    array.call<void>("set",
                     val(emscripten::typed_memory_view(text.size(), reinterpret_cast<const uint8_t *>(text.data()))));
    return array;
}

val FileBytes(const WebPlan &plan)
{
    return Bytes(plan.FileText());
}

val CsvBytes(const WebPlan &plan)
{
    return Bytes(plan.ReportCsv());
}

val PaybackOf(const WebPlan &plan, int32_t position, const std::string &ratio, bool english)
{
    return ToArray(plan.Payback(position, ratio, english));
}

// The message that refuses a typed ratio, or empty for one the core takes.
std::string RatioError(const std::string &ratio)
{
    return ReadTradeRatio(ratio).error.value_or(std::string());
}

val TableRowsOf(const WebPlan &plan, int32_t first, int32_t count, bool english)
{
    return ToArray(plan.TableRows(first, count, english));
}

val QueueLinesOf(const WebPlan &plan, int32_t first, int32_t count, bool english)
{
    return ToArray(plan.QueueLines(first, count, english));
}

val ItemRowsOf(const WebPlan &plan, bool english)
{
    return ToArray(plan.ItemRows(english));
}

val MessagesOf(const WebPlan &plan)
{
    return ToArray(plan.Messages());
}

// The chart's series: days, the three stocks and the three productions, at
// most `points` samples evenly over the rows (the last one always), as
// Float64Arrays for drawing only.
val ChartSeries(const WebPlan &plan, int32_t points)
{
    const auto &rows = plan.Rows();
    const size_t n = rows.size();
    const size_t step = points > 1 && n > static_cast<size_t>(points) ? (n + points - 2) / (points - 1) : 1;
    std::vector<size_t> picked;
    for (size_t i = 0; i < n; i += step)
        picked.push_back(i);
    if (n > 0 && picked.back() != n - 1)
        picked.push_back(n - 1);
    val series = val::array();
    for (int s = 0; s < 7; ++s) {
        std::vector<double> values(picked.size());
        for (size_t k = 0; k < picked.size(); ++k) {
            const EntryEvaluation &r = rows[picked[k]];
            const int64_t v = s == 0   ? r.total
                              : s <= 3 ? r.stockAfter[static_cast<size_t>(s - 1)]
                              : s == 4 ? r.economy.metalPerHour
                              : s == 5 ? r.economy.crystalPerHour
                                       : r.economy.deuteriumPerHour;
            values[k] = s == 0 ? static_cast<double>(v) / 86400.0 : static_cast<double>(v);
        }
        val array = val::global("Float64Array").new_(values.size());
        array.call<void>("set", val(emscripten::typed_memory_view(values.size(), values.data())));
        series.call<void>("push", array);
    }
    return series;
}

std::string TotalText(const WebPlan &plan)
{
    return FormatDuration(plan.Total());
}

val Search(const SearchRequest &request, const val &progress)
{
    return val(RunOrderSearch(request, [&progress](int64_t best, int32_t permille) {
        return progress.isUndefined() || progress(best, permille).as<bool>();
    }));
}

val Grow(const GrowRequest &request, const val &progress)
{
    return val(RunGrowSearch(request, [&progress](int64_t best, int32_t permille) {
        return progress.isUndefined() || progress(best, permille).as<bool>();
    }));
}

val Goal(const GoalRequest &request, const val &progress)
{
    return val(RunGoalSearch(request, [&progress](int64_t best, int32_t permille) {
        return progress.isUndefined() || progress(best, permille).as<bool>();
    }));
}

// A queue that breaks the tree or a store is no plan to compare with.
GoalAnswer GoalAnswerOf(const GoalOutcome &outcome)
{
    return {outcome.currentReachesGoal && outcome.currentKeepsLimits,
            outcome.currentTotal,
            outcome.total,
            outcome.entries,
            outcome.added,
            outcome.addedList};
}

// The window's question after Goal…, from the worker's typed answer.
std::string GoalQuestion(const GoalOutcome &outcome)
{
    return ReplaceByGoalQuestion(GoalAnswerOf(outcome));
}

std::string SearchingFor(const std::string &kind)
{
    return SearchingText(kind == "goal" ? SearchKind::Goal : kind == "grow" ? SearchKind::Grow : SearchKind::Order);
}

// What the page tells instead of asking when a search's answer is not worth
// offering; empty when the question follows.
std::string OrderNothingBetter(const SearchOutcome &outcome)
{
    return OrderSearchNothingBetter(outcome.beforeTotal, outcome.afterTotal, outcome.inputAdmissible,
                                    outcome.provenOptimal);
}

std::string GoalNothingBetter(const GoalOutcome &outcome)
{
    return GoalSearchNothingBetter(GoalAnswerOf(outcome), outcome.currentAdmissible, outcome.provenOptimal);
}

std::string Version()
{
    return ReadFileVersion();
}

} // namespace
} // namespace korvelin::web

EMSCRIPTEN_BINDINGS(korvelin)
{
    using namespace korvelin;
    using namespace korvelin::web;
    emscripten::value_object<PlanetForm>("PlanetForm")
        .field("temperature", &PlanetForm::temperature)
        .field("satellites", &PlanetForm::satellites)
        .field("speed", &PlanetForm::speed)
        .field("rules", &PlanetForm::rules)
        .field("metal", &PlanetForm::metal)
        .field("crystal", &PlanetForm::crystal)
        .field("deuterium", &PlanetForm::deuterium);
    emscripten::value_object<EditResult>("EditResult")
        .field("description", &EditResult::description)
        .field("refusal", &EditResult::refusal);
    emscripten::value_object<FieldRangeView>("FieldRange")
        .field("minimum", &FieldRangeView::minimum)
        .field("maximum", &FieldRangeView::maximum);
    emscripten::value_object<ItemRowView>("ItemRow")
        .field("bid", &ItemRowView::bid)
        .field("name", &ItemRowView::name)
        .field("level", &ItemRowView::level)
        .field("metal", &ItemRowView::metal)
        .field("crystal", &ItemRowView::crystal)
        .field("deuterium", &ItemRowView::deuterium)
        .field("time", &ItemRowView::time)
        .field("extra", &ItemRowView::extra)
        .field("capacity", &ItemRowView::capacity);
    emscripten::value_object<QueueLineView>("QueueLine")
        .field("name", &QueueLineView::name)
        .field("level", &QueueLineView::level);
    emscripten::value_object<PaybackRowView>("PaybackRow")
        .field("name", &PaybackRowView::name)
        .field("level", &PaybackRowView::level)
        .field("with", &PaybackRowView::with)
        .field("metal", &PaybackRowView::metal)
        .field("crystal", &PaybackRowView::crystal)
        .field("deuterium", &PaybackRowView::deuterium)
        .field("gainMetal", &PaybackRowView::gainMetal)
        .field("gainCrystal", &PaybackRowView::gainCrystal)
        .field("gainDeuterium", &PaybackRowView::gainDeuterium)
        .field("payback", &PaybackRowView::payback);
    emscripten::value_object<TableRowView>("TableRow")
        .field("line", &TableRowView::line)
        .field("name", &TableRowView::name)
        .field("level", &TableRowView::level)
        .field("start", &TableRowView::start)
        .field("end", &TableRowView::end)
        .field("waitMetal", &TableRowView::waitMetal)
        .field("waitCrystal", &TableRowView::waitCrystal)
        .field("waitDeuterium", &TableRowView::waitDeuterium)
        .field("build", &TableRowView::build)
        .field("step", &TableRowView::step)
        .field("cause", &TableRowView::cause)
        .field("metal", &TableRowView::metal)
        .field("crystal", &TableRowView::crystal)
        .field("deuterium", &TableRowView::deuterium)
        .field("metalPerHour", &TableRowView::metalPerHour)
        .field("crystalPerHour", &TableRowView::crystalPerHour)
        .field("deuteriumPerHour", &TableRowView::deuteriumPerHour)
        .field("energy", &TableRowView::energy)
        .field("factor", &TableRowView::factor)
        .field("mark", &TableRowView::mark);
    emscripten::value_object<SearchRequest>("SearchRequest")
        .field("order", &SearchRequest::order)
        .field("planet", &SearchRequest::planet)
        .field("seed", &SearchRequest::seed)
        .field("timeLimitMs", &SearchRequest::timeLimitMs)
        .field("maxEvaluations", &SearchRequest::maxEvaluations)
        .field("exactLimit", &SearchRequest::exactLimit);
    emscripten::value_object<SearchOutcome>("SearchOutcome")
        .field("found", &SearchOutcome::found)
        .field("provenOptimal", &SearchOutcome::provenOptimal)
        .field("inputAdmissible", &SearchOutcome::inputAdmissible)
        .field("inputKeepsLimits", &SearchOutcome::inputKeepsLimits)
        .field("beforeTotal", &SearchOutcome::beforeTotal)
        .field("afterTotal", &SearchOutcome::afterTotal)
        .field("evaluations", &SearchOutcome::evaluations)
        .field("order", &SearchOutcome::order)
        .field("reason", &SearchOutcome::reason);
    emscripten::value_object<GrowRequest>("GrowRequest")
        .field("order", &GrowRequest::order)
        .field("planet", &GrowRequest::planet)
        .field("days", &GrowRequest::days)
        .field("ratio", &GrowRequest::ratio)
        .field("seed", &GrowRequest::seed)
        .field("timeLimitMs", &GrowRequest::timeLimitMs)
        .field("maxEvaluations", &GrowRequest::maxEvaluations);
    emscripten::value_object<GrowOutcome>("GrowOutcome")
        .field("found", &GrowOutcome::found)
        .field("total", &GrowOutcome::total)
        .field("value", &GrowOutcome::value)
        .field("evaluations", &GrowOutcome::evaluations)
        .field("order", &GrowOutcome::order)
        .field("question", &GrowOutcome::question)
        .field("reason", &GrowOutcome::reason);
    emscripten::value_object<GoalRequest>("GoalRequest")
        .field("order", &GoalRequest::order)
        .field("planet", &GoalRequest::planet)
        .field("goal", &GoalRequest::goal)
        .field("seed", &GoalRequest::seed)
        .field("timeLimitMs", &GoalRequest::timeLimitMs)
        .field("maxEvaluations", &GoalRequest::maxEvaluations)
        .field("exactLimit", &GoalRequest::exactLimit);
    emscripten::value_object<GoalOutcome>("GoalOutcome")
        .field("found", &GoalOutcome::found)
        .field("provenOptimal", &GoalOutcome::provenOptimal)
        .field("total", &GoalOutcome::total)
        .field("added", &GoalOutcome::added)
        .field("entries", &GoalOutcome::entries)
        .field("currentTotal", &GoalOutcome::currentTotal)
        .field("currentAdmissible", &GoalOutcome::currentAdmissible)
        .field("currentReachesGoal", &GoalOutcome::currentReachesGoal)
        .field("currentKeepsLimits", &GoalOutcome::currentKeepsLimits)
        .field("evaluations", &GoalOutcome::evaluations)
        .field("order", &GoalOutcome::order)
        .field("reason", &GoalOutcome::reason)
        .field("addedList", &GoalOutcome::addedList);

    emscripten::class_<WebPlan>("Plan")
        .constructor<>()
        .function("count", &WebPlan::Count)
        .function("queuedLevel", &WebPlan::QueuedLevel)
        .function("startLevel", &WebPlan::StartLevel)
        .function("form", &WebPlan::Form)
        .function("setField", &WebPlan::SetField)
        .function("range", &WebPlan::Range)
        .function("builtUpTo", &WebPlan::BuiltUpTo)
        .function("append", &WebPlan::Append)
        .function("remove", &WebPlan::Remove)
        .function("canMoveUp", &WebPlan::CanMoveUp)
        .function("canMoveDown", &WebPlan::CanMoveDown)
        .function("moveUp", &WebPlan::MoveUp)
        .function("moveDown", &WebPlan::MoveDown)
        .function("order", &WebPlan::Order)
        .function("applyOrder", &WebPlan::ApplyOrder)
        .function("checkpoint", &WebPlan::Checkpoint)
        .function("commit", &WebPlan::Commit)
        .function("undo", &WebPlan::Undo)
        .function("redo", &WebPlan::Redo)
        .function("canUndo", &WebPlan::CanUndo)
        .function("canRedo", &WebPlan::CanRedo)
        .function("clearHistory", &WebPlan::ClearHistory)
        .function("fileText", &WebPlan::FileText)
        .function("fileBytes", &FileBytes)
        .function("load", &LoadBytes)
        .function("walk", &WebPlan::Walk)
        .function("total", &WebPlan::Total)
        .function("totalText", &TotalText)
        .function("walkMessages", &MessagesOf)
        .function("csvBytes", &CsvBytes)
        .function("chartSeries", &ChartSeries)
        .function("summaryText", &WebPlan::SummaryText)
        .function("tableRows", &TableRowsOf)
        .function("payback", &PaybackOf)
        .function("addPayback", &WebPlan::AddPayback)
        .function("applyGrowth", &WebPlan::ApplyGrowth)
        .function("queueLines", &QueueLinesOf)
        .function("itemRows", &ItemRowsOf);
    emscripten::function("search", &Search);
    emscripten::function("planGoal", &Goal);
    emscripten::function("grow", &Grow);
    emscripten::function("goalEntryCount", &GoalEntryCount);
    emscripten::function("ratioError", &RatioError);
    emscripten::function("formatDuration", &FormatDuration);
    emscripten::function("applyOrderQuestion", &ApplyOrderQuestion);
    emscripten::function("replaceByGoalQuestion", &GoalQuestion);
    emscripten::function("orderNothingBetter", &OrderNothingBetter);
    emscripten::function("searchingText", &SearchingFor);
    emscripten::function("goalNothingBetter", &GoalNothingBetter);
    emscripten::function("version", &Version);
}
