#pragma once
// The plan as the page holds it: the queue and the planet's texts, with every
// figure the page shows computed here by the core. The page keeps no rule of
// the game; it passes texts and indices in and shows what comes back.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "rules/Planet.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvelin::web {

// What a load did: the messages to show, in order, and whether the plan
// changed (a rejected file leaves it alone).
struct LoadOutcome {
    bool accepted = false;
    std::vector<std::string> messages;
    bool hasTemperature = false;
    std::string temperature;
    bool hasSatellites = false;
    std::string satellites;
};

// The planet's start in the form's words: "bid:level,…" for the start levels
// that are not 0, "metal:crystal:deuterium", the economy speed.
struct StartTexts {
    std::string levels;
    std::string stock;
    std::string speed;
};

class WebPlan {
  public:
    int32_t Count() const { return queue_.Count(); }
    int32_t BidAt(int32_t index) const { return queue_.At(index).bid; }
    int32_t LevelAt(int32_t index) const { return queue_.At(index).level; }
    int32_t QueuedLevel(int32_t bid) const { return queue_.QueuedLevel(bid); }

    // The planet inputs as typed; read with ParseInt at every walk.
    void SetPlanetTexts(const std::string &maxTemperature, const std::string &satellites);
    const std::string &TemperatureText() const { return temperatureText_; }
    // The start as the Planet form gives it, in the form's ranges: levels 0
    // to 999, stock 0 to 2,000,000,000, speed 1 to 100. The entries of an
    // item whose start level changed are renumbered, so the plan keeps its
    // shape, as the window's Planet form does.
    void SetStartTexts(const std::string &levels, const std::string &stock, const std::string &speed);
    StartTexts StartTextsOf() const;
    // "Built up to here" on `line`: lines 0 .. line are built, so each item's
    // start level rises by its entries among them, the start stock becomes
    // the walk's stock after the line, and they leave the queue.
    bool BuiltUpTo(int32_t line);

    // The item's next level, as its button queues it; -1 when refused.
    int32_t Append(int32_t bid);
    // Del: the line and the later levels of its item; how many went.
    int32_t Remove(int32_t index);
    bool CanMoveUp(int32_t index) const;
    bool CanMoveDown(int32_t index) const;
    bool MoveUp(int32_t index);
    bool MoveDown(int32_t index);

    // The entries with their stamps, for undo; Restore puts back exactly
    // what Snapshot gave.
    std::string Snapshot() const;
    bool Restore(const std::string &snapshot);

    // The queue file, as the desktop's Save writes it.
    std::string FileText() const;
    // Reads a queue file's bytes; on acceptance the queue is replaced.
    LoadOutcome Load(const std::string &bytes);
    std::string CompactText() const;

    // Plays the whole queue, as "Calculate" and korvelin-report do; the rows
    // stay until the next walk.
    void Walk();
    int64_t Total() const { return rows_.empty() ? 0 : rows_.back().total; }
    const std::vector<std::string> &Messages() const { return messages_; }
    // The walk's rows as korvelin-report --format csv writes them.
    std::string ReportCsv() const;
    // One line per row, tab-separated cells for the table (see the page).
    std::string TableText(bool englishNames) const;
    // The line under the table: the total, the waits' shares, the marks.
    std::string SummaryText() const;
    // The item rows: one line per item with a row, tab-separated.
    std::string ItemRowsText(bool englishNames) const;
    std::string QueueLinesText(bool englishNames) const;

    const BuildQueue &Queue() const { return queue_; }
    PlanetInputs Inputs() const;
    Planet CurrentPlanet() const;

  private:
    BuildQueue queue_;
    Planet start_; // start levels, stock and speed; the inputs come from the texts
    std::string temperatureText_;
    std::string satellitesText_;
    std::vector<EntryEvaluation> rows_;
    std::vector<std::string> messages_;
};

// Entries with their stamps as text: "bid level order" per line.
std::string SnapshotOf(std::span<const QueueEntry> entries);
std::string NameOf(int32_t bid, bool englishNames);
std::string CurrentVersionTag();

} // namespace korvelin::web
