#include "queue/Timeline.h"

#include "rules/UpgradeCost.h"
#include "util/Extended.h"
#include "util/Saturating.h"

#include <algorithm>

namespace korvelin {

namespace {

PlanetInputs ReadInputs(const PlanetInputSource &inputs)
{
    PlanetInputs planet = inputs ? inputs() : PlanetInputs{};
    // A speed outside 1 .. 100 would divide build times by zero.
    planet.economySpeed = ClampEconomySpeed(planet.economySpeed);
    return planet;
}

const EconomyFigures &FiguresOf(const Economy &economy, TimelineState &state)
{
    if (!(economy == state.lastEconomy)) {
        state.lastFigures = EvaluateEconomy(economy);
        state.lastEconomy = economy;
    }
    return state.lastFigures;
}

} // namespace

int64_t ResourceWait(int64_t cost, int64_t stock, int64_t perHour)
{
    // Metal and crystal always have a base production; a zero rate can only
    // reach here from the deuterium side, whose caller reports it.
    if (perHour == 0)
        return 0;
    const int64_t shortfall = SatMul(SatSub(cost, stock), 3600);
    // A negative rate enters as it is: the quotient turns negative and the
    // wait ends at 0 or 1.
    const Extended hours = static_cast<Extended>(shortfall) / static_cast<Extended>(perHour);
    return std::max<int64_t>(SatAdd(TruncToInt64(hours), 1), 0);
}

int64_t ProductionOver(int64_t perHour, int64_t seconds)
{
    return RoundToInt64(static_cast<Extended>(SatMul(perHour, seconds)) / Extended{3600});
}

void ResetTimeline(TimelineState &state, const std::array<int64_t, 3> &startStock)
{
    state.stock = startStock;
    state.total = 0;
}

std::array<int64_t, 3> StoreCeilings(const PositionLevels &levels, const PlanetInputs &inputs)
{
    if (inputs.rules != GameRules::Game)
        return kNoStoreCeilings;
    return {StorageCapacity(bid::kMetalStorage, levels.stores[0]),
            StorageCapacity(bid::kCrystalStorage, levels.stores[1]),
            StorageCapacity(bid::kDeuteriumTank, levels.stores[2])};
}

void EvaluateAt(int32_t bid, const std::array<int64_t, 3> &costs, const PositionLevels &levels,
                const PlanetInputs &planet, TimelineState &state, MessageSink &messages, EntryEvaluation &result)
{
    result.roboticsLevel = levels.roboticsFactory;
    result.naniteLevel = levels.naniteFactory;
    result.inputs = planet;
    result.storeCeilings = StoreCeilings(levels, planet);
    const EconomyFigures &figures = FiguresOf(levels.EconomyWith(planet), state);
    const FacilityLevels facilities{levels.roboticsFactory, levels.naniteFactory, levels.researchLab};
    EvaluateStep(costs, UpgradeTime(bid, costs[0], costs[1], facilities, planet), figures, state, messages, result);
}

void EvaluateStep(const std::array<int64_t, 3> &costs, int64_t buildTime, const EconomyFigures &figures,
                  TimelineState &state, MessageSink &messages, EntryEvaluation &result)
{
    result.economy = figures;
    result.costs = costs;
    result.buildTime = buildTime;

    result.waits[0] = ResourceWait(costs[0], state.stock[0], result.economy.metalPerHour);
    result.waits[1] = ResourceWait(costs[1], state.stock[1], result.economy.crystalPerHour);
    result.waits[2] = 0;
    if (costs[2] > 0) {
        if (result.economy.deuteriumPerHour == 0)
            messages.ShowMessage(kCorruptedBuildMessage);
        else
            result.waits[2] = ResourceWait(costs[2], state.stock[2], result.economy.deuteriumPerHour);
    }

    state.step = std::max({result.buildTime, result.waits[0], result.waits[1], result.waits[2]});
    state.total = SatAdd(state.total, state.step);
    result.step = state.step;
    result.total = state.total;
    result.stockAfter = state.stock;
}

void CreditStep(const EconomyFigures &figures, TimelineState &state, EntryEvaluation &result)
{
    const std::array<int64_t, 3> perHour{figures.metalPerHour, figures.crystalPerHour, figures.deuteriumPerHour};
    for (size_t kind = 0; kind < 3; ++kind) {
        const int64_t paid = SatSub(state.stock[kind], result.costs[kind]);
        const int64_t produced = SatAdd(paid, ProductionOver(perHour[kind], state.step));
        // Without a ceiling (INT64_MAX) this is `produced`, bit for bit.
        state.stock[kind] = std::min(produced, std::max(result.storeCeilings[kind], paid));
    }
    result.stockAfter = state.stock;
}

std::optional<EntryEvaluation> EvaluateEntry(const BuildQueue &queue, int32_t position, TimelineState &state,
                                             const PlanetInputSource &inputs, MessageSink &messages)
{
    if (position < 0 || position >= queue.Count())
        return std::nullopt;
    const QueueEntry &entry = queue.At(position);
    EntryEvaluation result;
    result.index = position;
    result.bid = entry.bid;
    result.level = entry.level;
    const PlanetInputs planet = ReadInputs(inputs);
    const std::array<int64_t, 3> costs = UpgradeCosts(entry.bid, entry.level, messages);
    EvaluateAt(entry.bid, costs, queue.LevelsAt(position), planet, state, messages, result);
    return result;
}

std::optional<EntryEvaluation> AdvanceTimeline(const BuildQueue &queue, int32_t position, TimelineState &state,
                                               const PlanetInputSource &inputs, MessageSink &messages)
{
    std::optional<EntryEvaluation> result = EvaluateEntry(queue, position, state, inputs, messages);
    if (!result)
        return result;
    // The planet inputs are read again: they count at every use, and a
    // message box may have stood in between. Unchanged inputs give the same
    // figures, so those are reused.
    const PlanetInputs planet = ReadInputs(inputs);
    const EconomyFigures figures =
        planet == result->inputs ? result->economy : FiguresOf(queue.EconomyAt(position, planet), state);
    CreditStep(figures, state, *result);
    return result;
}

std::array<int64_t, 3> StockAfterLine(const BuildQueue &queue, int32_t line, const std::array<int64_t, 3> &startStock,
                                      const PlanetInputs &inputs)
{
    class Silent : public MessageSink {
      public:
        void ShowMessage(std::string_view) override {}
    } silent;
    TimelineState state;
    ResetTimeline(state, startStock);
    const PlanetInputSource source = [inputs] { return inputs; };
    const int32_t last = std::min(line, queue.Count() - 1);
    for (int32_t position = 0; position <= last; ++position)
        AdvanceTimeline(queue, position, state, source, silent);
    return state.stock;
}

void WalkQueue(const BuildQueue &queue, const std::array<int64_t, 3> &startStock, TimelineState &state,
               const PlanetInputSource &inputs, MessageSink &messages, const EntryObserver &observer)
{
    ResetTimeline(state, startStock);
    const int32_t count = queue.Count();
    for (int32_t position = 0; position < count; ++position) {
        const std::optional<EntryEvaluation> result = AdvanceTimeline(queue, position, state, inputs, messages);
        if (result && observer)
            observer(*result);
    }
}

} // namespace korvelin
