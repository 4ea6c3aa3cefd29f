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
