#pragma once
// The plan the window edits: the build queue and the maximum temperature text,
// with the undo stack and the modified flag. Every change of the plan goes
// through here as an undo step and is announced by one signal, which the list,
// the item rows, the summary block, the buttons and the caption follow.

#include "queue/BuildQueue.h"
#include "storage/QueueFile.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <optional>
#include <span>

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
    BuildQueue &Queue() { return queue_; }
    const BuildQueue &Queue() const { return queue_; }
    const QString &TemperatureText() const { return temperatureText_; }

    // Each edit is one undo step; an edit that changes nothing pushes none.
    void AppendUpgrade(int32_t bid);
    void RemoveEntry(int32_t index);
    // Exchanges entry `index` with its neighbour `index ± 1`.
    void MoveEntry(int32_t index, int32_t neighbour);
    // Replaces the queue as a load does (fresh order stamps, queued levels
    // counted from the entries) and the temperature text when one is given.
    void ReplacePlan(std::span<const LoadedEntry> entries, const std::optional<QString> &temperatureText,
                     const QString &actionText);

    // What the user typed into the temperature edit: part of the plan that
    // a save writes, but not an undo step.
    void SetTemperatureText(const QString &text);

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
    void PutTemperatureText(const QString &text);

  signals:
    void Changed(korvelin::PlanChange change);
    // The temperature text changed through an undo step; the edit follows.
    void TemperatureTextReplaced(const QString &text);
    void ModifiedChanged(bool modified);

  private:
    void UpdateModified();

    BuildQueue queue_;
    QString temperatureText_ = QStringLiteral("0");
    QUndoStack undoStack_;
    bool temperatureTyped_ = false;
    bool unsavedLoad_ = false;
    bool modified_ = false;
};

} // namespace korvelin
