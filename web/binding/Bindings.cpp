// The names the page sees. Strings cross as UTF-8; a file's bytes come in as
// a Uint8Array so that no decoding touches them.
#include "WebPlan.h"
#include "WebSearch.h"

#include "optimize/OptimizeSummary.h"
#include "rules/ItemCatalogue.h"
#include "util/FormatDuration.h"
#include "util/Version.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

using emscripten::val;

namespace korvelin::web {
namespace {

val ToArray(const std::vector<std::string> &texts)
{
    val array = val::array();
    for (const std::string &text : texts)
        array.call<void>("push", text);
    return array;
}

val LoadBytes(WebPlan &plan, const val &bytes)
{
    // Copied straight into the string's buffer: a file of any size, one pass.
    std::string data(bytes["length"].as<size_t>(), '\0');
    val(emscripten::typed_memory_view(data.size(), reinterpret_cast<uint8_t *>(data.data()))).call<void>("set", bytes);
    const LoadOutcome outcome = plan.Load(data);
    val result = val::object();
    result.set("accepted", outcome.accepted);
    result.set("messages", ToArray(outcome.messages));
    if (outcome.hasTemperature)
        result.set("temperature", outcome.temperature);
    if (outcome.hasSatellites)
        result.set("satellites", outcome.satellites);
    return result;
}

val WalkMessages(const WebPlan &plan)
{
    return ToArray(plan.Messages());
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

val Search(const val &request, const val &progress)
{
    SearchRequest r;
    r.snapshot = request["snapshot"].as<std::string>();
    r.planetFile = request["planet"].as<std::string>();
    r.satellitesText = request["satellites"].as<std::string>();
    r.seed = request["seed"].as<uint32_t>();
    r.timeLimitMs = request["timeLimitMs"].as<double>();
    r.maxEvaluations = request["maxEvaluations"].as<double>();
    r.exactLimit = request["exactLimit"].as<int32_t>();
    const SearchOutcome outcome = RunOrderSearch(r, [&progress](double best, int32_t permille) {
        return progress.isUndefined() || progress(best, permille).as<bool>();
    });
    val result = val::object();
    result.set("found", outcome.found);
    result.set("provenOptimal", outcome.provenOptimal);
    result.set("inputAdmissible", outcome.inputAdmissible);
    result.set("beforeTotal", outcome.beforeTotal);
    result.set("afterTotal", outcome.afterTotal);
    result.set("evaluations", outcome.evaluations);
    result.set("order", outcome.order);
    result.set("reason", outcome.reason);
    return result;
}

std::string Duration(double seconds)
{
    return FormatDuration(static_cast<int64_t>(seconds));
}

val StartTextsFor(const WebPlan &plan)
{
    const StartTexts texts = plan.StartTextsOf();
    val result = val::object();
    result.set("levels", texts.levels);
    result.set("stock", texts.stock);
    result.set("speed", texts.speed);
    return result;
}

double PlanTotal(const WebPlan &plan)
{
    return static_cast<double>(plan.Total());
}

std::string PercentText(double before, double after)
{
    return ShorterPercentText(static_cast<int64_t>(before), static_cast<int64_t>(after));
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
    emscripten::class_<WebPlan>("Plan")
        .constructor<>()
        .function("count", &WebPlan::Count)
        .function("bidAt", &WebPlan::BidAt)
        .function("levelAt", &WebPlan::LevelAt)
        .function("queuedLevel", &WebPlan::QueuedLevel)
        .function("setPlanetTexts", &WebPlan::SetPlanetTexts)
        .function("temperatureText", &WebPlan::TemperatureText)
        .function("setStartTexts", &WebPlan::SetStartTexts)
        .function("startTexts", &StartTextsFor)
        .function("builtUpTo", &WebPlan::BuiltUpTo)
        .function("append", &WebPlan::Append)
        .function("remove", &WebPlan::Remove)
        .function("canMoveUp", &WebPlan::CanMoveUp)
        .function("canMoveDown", &WebPlan::CanMoveDown)
        .function("moveUp", &WebPlan::MoveUp)
        .function("moveDown", &WebPlan::MoveDown)
        .function("snapshot", &WebPlan::Snapshot)
        .function("restore", &WebPlan::Restore)
        .function("fileText", &WebPlan::FileText)
        .function("fileBytes", &FileBytes)
        .function("load", &LoadBytes)
        .function("compactText", &WebPlan::CompactText)
        .function("walk", &WebPlan::Walk)
        .function("total", &PlanTotal)
        .function("walkMessages", &WalkMessages)
        .function("reportCsv", &WebPlan::ReportCsv)
        .function("csvBytes", &CsvBytes)
        .function("tableText", &WebPlan::TableText)
        .function("summaryText", &WebPlan::SummaryText)
        .function("itemRowsText", &WebPlan::ItemRowsText)
        .function("queueLinesText", &WebPlan::QueueLinesText);
    emscripten::function("search", &Search);
    emscripten::function("formatDuration", &Duration);
    emscripten::function("version", &Version);
    emscripten::function("shorterPercentText", &PercentText);
}
