#pragma once
// The plan the window edits: the build queue and the planet it starts from,
// its temperature and satellites included, with the undo stack and the
// modified flag. Every change of the plan goes
// through here as an undo step and is announced by one signal, which the list,
// the item rows, the summary block, the buttons and the caption follow.

#include "plan/Plan.h"
#include "queue/BuildQueue.h"
#include "rules/Planet.h"
#include "storage/QueueFile.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace korvelin {

// How the plan changed, so that the views refresh as the command that made
// the change always has.
enum class PlanChangeKind {
    Appended, // one entry at the end
    Removed,  // an entry and the later entries of its item
    Restored, // removed entries put back
    Moved,    // two neighbouring entries exchanged
    Replaced, // the whole plan, as a load replaces it
};

struct PlanChange {
    PlanChangeKind kind = PlanChangeKind::Replaced;
    int32_t position = 0; // the line that ends current
};

class PlanDocument : public QObject {
    Q_OBJECT
  public:
    // Undo steps kept; the oldest go first.
    static constexpr int kUndoLimit = 1000;

    explicit PlanDocument(QObject *parent = nullptr);

    // Read by the views; changed directly only by code that sets up a plan
    // without announcing it (the start-up state, tests).
    BuildQueue &Queue() { return plan_.queue; }
    const BuildQueue &Queue() const { return plan_.queue; }
    // The plan as the core's edits take it.
    Plan &Value() { return plan_; }
    const Plan &Value() const { return plan_; }
    // The whole planet, the temperature and satellites included.
    const Planet &StartPlanet() const { return plan_.planet; }

    // Each edit is one undo step named by the core edit's description ("Delete
    // Metal Mine (3)"); an edit that changes nothing pushes none, and one the
    // core refuses returns its message.
    void AppendUpgrade(int32_t bid);
    void RemoveEntry(int32_t index);
    // Exchanges entry `index` with its neighbour `index ± 1`.
    void MoveEntry(int32_t index, int32_t neighbour);
    // Replaces the queue as a load does (fresh order stamps), and the whole
    // planet when given.
    void ReplacePlan(std::span<const LoadedEntry> entries, const std::optional<Planet> &planet,
                     const QString &actionText);
    // A new start (levels, stock, speed) as one step. The entries of an item
    // whose start level changed are renumbered start + 1, start + 2, … in
    // queue order, so the plan keeps its shape.
    std::optional<std::string> ChangePlanet(const Planet &planet);
    // Entries 0 .. line are built: each item's start level rises by its
    // entries among them, the start stock becomes `stockAfter` (the walk's
    // stock after that line) and those entries leave the queue. A planet
    // outside the supported ranges is refused: the message, and no step.
    std::optional<std::string> BuiltUpToHere(int32_t line, const std::array<int64_t, 3> &stockAfter);

    // What the user typed into the temperature or satellite edit: part of
    // the plan that a save writes, but not an undo step.
    void SetMaxTemperature(int32_t value);
    void SetSatellites(int32_t value);

    QUndoStack &UndoStack() { return undoStack_; }
    // Changed since start-up or the last load or save.
    bool IsModified() const { return modified_; }
    // The plan now matches a file.
    void MarkSaved();
    // The plan matches no file and has no history (a restored recovery
    // copy): modified until the next save, with nothing to undo.
    void MarkUnsaved();

    // Used by the undo steps.
    void Announce(const PlanChange &change) { emit Changed(change); }
    void PutPlanet(const Planet &planet);

  signals:
    void Changed(korvelin::PlanChange change);
    // The temperature or satellites changed through an undo step; the edits
    // follow.
    void InputsReplaced();
    // The start changed; announced before the Changed that goes with it.
    void PlanetChanged();
    void ModifiedChanged(bool modified);

  private:
    void UpdateModified();

    Plan plan_;
    QUndoStack undoStack_;
    bool temperatureTyped_ = false;
    bool satellitesTyped_ = false;
    bool unsavedLoad_ = false;
    bool modified_ = false;
};

} // namespace korvelin
