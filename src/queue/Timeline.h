#pragma once
// The timeline: plays the build queue on a simulated clock. For each entry it
// prices the upgrade, works out how long the stock needs to cover each
// resource at the production reached at the entry's position, takes the
// longest of those waits and the build time as the step, then pays the price
// and credits the step's production. Buildings and research share one line.
// Qt-free, so the window and the command-line report play queues alike.

#include "queue/BuildQueue.h"
#include "rules/Planet.h"
#include "rules/Production.h"
#include "util/MessageSink.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace korvelin {

// Called at every evaluation, so that a change of the inputs between two
// evaluations is seen by the second; the window reads its edits here. An empty
// source reads as all zero.
using PlanetInputSource = std::function<PlanetInputs()>;

// Stock may fall below 0. Under the classic rules it has no ceiling; under the
// game rules production stops at the stores' capacities (CreditStep).
struct TimelineState {
    std::array<int64_t, 3> stock = kDefaultStartStock; // metal, crystal, deuterium
    int64_t step = 0;                                  // seconds the last evaluated entry advanced the clock
    int64_t total = 0;                                 // seconds since the last reset

    // The figures of the economy evaluated last. Most entries are no mine or
    // power plant, so neighbouring positions mostly share their economy, and
    // the figures are a pure function of it: a cache, not part of the clock.
    Economy lastEconomy;
    EconomyFigures lastFigures = EvaluateEconomy(Economy{});
};

// Everything one evaluation worked out, for the window's fields and the report.
inline constexpr std::array<int64_t, 3> kNoStoreCeilings{INT64_MAX, INT64_MAX, INT64_MAX};

struct EntryEvaluation {
    int32_t index = 0;
    int32_t bid = 0;
    int32_t level = 0;
    int32_t roboticsLevel = 0;
    int32_t naniteLevel = 0;
    std::array<int64_t, 3> costs{};
    std::array<int64_t, 3> waits{};
    int64_t buildTime = 0;
    int64_t step = 0;
    int64_t total = 0;
    PlanetInputs inputs;                 // as read for this evaluation
    EconomyFigures economy;              // at the entry's position: the production the waits used
    std::array<int64_t, 3> stockAfter{}; // after paying and producing; set by EvaluateAt
    // Where production stops at the entry's position: the stores' capacities
    // under the game rules, INT64_MAX (no ceiling) under the classic ones.
    std::array<int64_t, 3> storeCeilings = kNoStoreCeilings;
};

// The ceilings at a position with `levels`: each store's StorageCapacity at
// its level there under the game rules, kNoStoreCeilings under the classic.
std::array<int64_t, 3> StoreCeilings(const PositionLevels &levels, const PlanetInputs &inputs);

inline constexpr const char *kCorruptedBuildMessage = "Build is Corrupted - FixItPlz";

// Seconds until `stock` covers `cost` at `perHour`: the shortfall's production
// time truncated, plus one second; 0 when the stock is ahead by a second's
// production or more. The +1 makes a stock equal to the cost wait a second.
int64_t ResourceWait(int64_t cost, int64_t stock, int64_t perHour);

// What `perHour` yields over `seconds`, rounded to nearest with ties to even.
int64_t ProductionOver(int64_t perHour, int64_t seconds);

// Back to the start of the clock: the planet's start stock, total 0. The step
// keeps its value.
void ResetTimeline(TimelineState &state, const std::array<int64_t, 3> &startStock);

// Evaluates the entry at `position`: sets the step and adds it to the total.
// Shows kCorruptedBuildMessage once when the entry costs deuterium and the
// deuterium production at its position is exactly 0. Nothing for a position
// outside the queue.
std::optional<EntryEvaluation> EvaluateEntry(const BuildQueue &queue, int32_t position, TimelineState &state,
                                             const PlanetInputSource &inputs, MessageSink &messages);

// EvaluateEntry, then pays the costs and credits the step's production at the
// entry's position, read again. Nothing for a position outside the queue.
std::optional<EntryEvaluation> AdvanceTimeline(const BuildQueue &queue, int32_t position, TimelineState &state,
                                               const PlanetInputSource &inputs, MessageSink &messages);

// The two halves of AdvanceTimeline for a caller that keeps the levels of
// its positions itself (the order search plays orders no queue holds).
// EvaluateAt fills `result` from the entry's `bid` and `costs` at a position
// with `levels` and `planet`, with EvaluateEntry's step, total, message and
// store ceilings; the caller sets index, bid and level. CreditStep then pays
// the costs and credits the step's production at `figures`: for each
// resource the stock after is min(stock − cost + production, max(ceiling,
// stock − cost)), so a full store stops production but never takes away.
void EvaluateAt(int32_t bid, const std::array<int64_t, 3> &costs, const PositionLevels &levels,
                const PlanetInputs &planet, TimelineState &state, MessageSink &messages, EntryEvaluation &result);
// The part of EvaluateAt after the build time and the economy figures at the
// position are known: the waits, the step and the total. For a caller that
// looks those up instead of computing them again (the goal search); it sets
// the factory levels, inputs and store ceilings of `result` itself when it
// needs them (UpgradeTime gives the build time).
void EvaluateStep(const std::array<int64_t, 3> &costs, int64_t buildTime, const EconomyFigures &figures,
                  TimelineState &state, MessageSink &messages, EntryEvaluation &result);
void CreditStep(const EconomyFigures &figures, TimelineState &state, EntryEvaluation &result);

// The stock after line `line` (0 .. Count() − 1) when the queue is played
// from `startStock` with fixed inputs: where a plan built up to that line
// leaves the planet. The walk's messages are not shown.
std::array<int64_t, 3> StockAfterLine(const BuildQueue &queue, int32_t line, const std::array<int64_t, 3> &startStock,
                                      const PlanetInputs &inputs);

// Resets to `startStock`, then advances every entry in order, handing each
// evaluation to `observer` (which may be empty) as soon as it is made.
using EntryObserver = std::function<void(const EntryEvaluation &)>;
void WalkQueue(const BuildQueue &queue, const std::array<int64_t, 3> &startStock, TimelineState &state,
               const PlanetInputSource &inputs, MessageSink &messages, const EntryObserver &observer);

} // namespace korvelin
