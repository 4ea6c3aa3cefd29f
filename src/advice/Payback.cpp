#include "advice/Payback.h"

#include "plan/InputRanges.h"
#include "rules/Production.h"
#include "rules/Requirements.h"
#include "rules/UpgradeCost.h"
#include "util/Saturating.h"

#include <algorithm>

namespace korvelin::advice {

namespace {

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

int32_t LevelOf(const PositionLevels &levels, int32_t bid)
{
    switch (bid) {
    case bid::kMetalMine:
        return levels.metalMine;
    case bid::kCrystalMine:
        return levels.crystalMine;
    case bid::kDeuteriumSynthesizer:
        return levels.deuteriumSynthesizer;
    case bid::kSolarPlant:
        return levels.solarPlant;
    case bid::kFusionReactor:
        return levels.fusionReactor;
    default:
        return 0;
    }
}

EconomyFigures FiguresAt(const PositionLevels &levels, const PlanetInputs &inputs)
{
    return EvaluateEconomy(levels.EconomyWith(inputs));
}

std::array<int64_t, 3> GainOf(const EconomyFigures &after, const EconomyFigures &before)
{
    return {SatSub(after.metalPerHour, before.metalPerHour), SatSub(after.crystalPerHour, before.crystalPerHour),
            SatSub(after.deuteriumPerHour, before.deuteriumPerHour)};
}

void AddPrice(std::array<int64_t, 3> &total, const std::array<int64_t, 3> &price)
{
    for (size_t r = 0; r < 3; ++r)
        total[r] = SatAdd(total[r], price[r]);
}

// A tie-free order: payback, none last, then the item, then the row without
// solar levels first.
bool RanksBefore(const PaybackRow &x, const PaybackRow &y)
{
    if (x.payback.has_value() != y.payback.has_value())
        return x.payback.has_value();
    if (x.payback && *x.payback != *y.payback)
        return *x.payback < *y.payback;
    const auto rank = [](int32_t bid) {
        return std::find(kProducingItems.begin(), kProducingItems.end(), bid) - kProducingItems.begin();
    };
    if (x.bid != y.bid)
        return rank(x.bid) < rank(y.bid);
    return x.solarLevels < y.solarLevels;
}

// The mine's row with the fewest solar levels after which the factor is back
// where it was before the mine's upgrade; nothing when the upgrade keeps it
// alone or no kMaxCompanionSolarLevels do.
std::optional<PaybackRow> WithSolarLevels(const PaybackRow &mineRow, const PositionLevels &afterMine,
                                          const EconomyFigures &before, const PlanetInputs &inputs,
                                          const TradeRatio &ratio, MessageSink &quiet)
{
    if (FiguresAt(afterMine, inputs).productionFactor >= before.productionFactor)
        return std::nullopt;
    PaybackRow row = mineRow;
    row.solarFrom = afterMine.solarPlant;
    PositionLevels levels = afterMine;
    for (int32_t k = 1; k <= kMaxCompanionSolarLevels; ++k) {
        if (levels.solarPlant >= MaxLevel(bid::kSolarPlant))
            return std::nullopt;
        levels.CountEntry(bid::kSolarPlant);
        AddPrice(row.price, UpgradeCosts(bid::kSolarPlant, levels.solarPlant, quiet));
        const EconomyFigures after = FiguresAt(levels, inputs);
        if (after.productionFactor >= before.productionFactor) {
            row.solarLevels = k;
            row.gain = GainOf(after, before);
            row.payback = PaybackSeconds(row.price, row.gain, ratio);
            return row;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ExactValue> PaybackSeconds(const std::array<int64_t, 3> &price, const std::array<int64_t, 3> &gain,
                                         const TradeRatio &ratio)
{
    const ExactValue gained = ResourceValue(gain, ratio);
    if (gained <= 0)
        return std::nullopt;
    // Below 2^98 for any 64-bit price (see ExactValue.h), and a price is
    // never negative, so the sum for the ceiling cannot overflow.
    const ExactValue numerator = ExactValue{3600} * ResourceValue(price, ratio);
    if (numerator <= 0)
        return ExactValue{0};
    return (numerator + gained - 1) / gained;
}

std::vector<PaybackRow> RankPaybacksAt(const PositionLevels &levels, const ReachedLevels &reached,
                                       const PlanetInputs &inputs, const TradeRatio &ratio)
{
    std::vector<PaybackRow> rows;
    if (!RatioSupported(ratio))
        return rows;
    NoMessages quiet;
    const EconomyFigures before = FiguresAt(levels, inputs);
    for (const int32_t item : kProducingItems) {
        if (!RequirementsMet(item, reached) || LevelOf(levels, item) >= MaxLevel(item))
            continue;
        PositionLevels after = levels;
        after.CountEntry(item);
        PaybackRow row;
        row.bid = item;
        row.level = LevelOf(after, item);
        row.price = UpgradeCosts(item, row.level, quiet);
        row.gain = GainOf(FiguresAt(after, inputs), before);
        row.payback = PaybackSeconds(row.price, row.gain, ratio);
        rows.push_back(row);
        if (item == bid::kMetalMine || item == bid::kCrystalMine || item == bid::kDeuteriumSynthesizer) {
            if (auto withSolar = WithSolarLevels(row, after, before, inputs, ratio, quiet))
                rows.push_back(*withSolar);
        }
    }
    std::sort(rows.begin(), rows.end(), RanksBefore);
    return rows;
}

std::vector<PaybackRow> RankPaybacks(const BuildQueue &queue, int32_t position, const PlanetInputs &inputs,
                                     const TradeRatio &ratio)
{
    const int32_t n = std::clamp(position, 0, queue.Count());
    ReachedLevels reached{queue.StartLevels()};
    for (int32_t i = 0; i < n; ++i)
        reached.Reach(queue.At(i).bid, queue.At(i).level);
    return RankPaybacksAt(queue.LevelsAt(n), reached, inputs, ratio);
}

std::vector<QueueEntry> RowEntries(const PaybackRow &row)
{
    std::vector<QueueEntry> entries;
    for (int32_t k = 1; k <= row.solarLevels; ++k)
        entries.push_back({bid::kSolarPlant, row.solarFrom + k, 0});
    entries.push_back({row.bid, row.level, 0});
    return entries;
}

} // namespace korvelin::advice
