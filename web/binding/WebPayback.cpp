// The Next view's ranking and its Add, from the core's ranking and edit.
#include "WebPlan.h"

#include "advice/PaybackEdit.h"
#include "plan/InputRanges.h"
#include "report/PaybackWriter.h"
#include "rules/ItemCatalogue.h"

namespace korvelin::web {

std::vector<PaybackRowView> WebPlan::Payback(int32_t position, const std::string &ratio, bool englishNames) const
{
    std::vector<PaybackRowView> views;
    const CheckedRatio checked = ReadTradeRatio(ratio);
    if (checked.error)
        return views;
    for (const advice::PaybackRow &row :
         advice::RankPaybacks(plan_.queue, position, plan_.planet.inputs, checked.ratio)) {
        PaybackRowView v;
        v.name = NameOf(row.bid, englishNames);
        v.level = row.level;
        v.with = row.solarLevels == 0 ? std::string()
                                      : NameOf(bid::kSolarPlant, englishNames) + " " + report::PaybackWithLevels(row);
        v.metal = std::to_string(row.price[0]);
        v.crystal = std::to_string(row.price[1]);
        v.deuterium = std::to_string(row.price[2]);
        v.gainMetal = std::to_string(row.gain[0]);
        v.gainCrystal = std::to_string(row.gain[1]);
        v.gainDeuterium = std::to_string(row.gain[2]);
        v.payback = report::PaybackDuration(row);
        views.push_back(std::move(v));
    }
    return views;
}

EditResult WebPlan::AddPayback(int32_t position, const std::string &ratio, int32_t index)
{
    const CheckedRatio checked = ReadTradeRatio(ratio);
    if (checked.error)
        return {{}, *checked.error};
    const std::vector<advice::PaybackRow> rows =
        advice::RankPaybacks(plan_.queue, position, plan_.planet.inputs, checked.ratio);
    if (index < 0 || static_cast<size_t>(index) >= rows.size())
        return {};
    return Take(advice::AddRow(plan_, position, rows[static_cast<size_t>(index)]));
}

EditResult WebPlan::ApplyGrowth(const std::string &order)
{
    return ApplyAnswer(order, kGrowPlanDescription);
}

} // namespace korvelin::web
