#include "ui/PlanDocument.h"

#include "plan/Plan.h"
#include "rules/ItemCatalogue.h"

#include <QUndoCommand>

#include <vector>

namespace korvelin {

namespace {

// Each step keeps exactly what it needs to go back; redo() runs the same
// queue operation the first time and every time after.

// The text each step shows is the core edit's description.
QString Described(const PlanEdit &edit)
{
    return QString::fromStdString(edit.description);
}

class AppendStep : public QUndoCommand {
  public:
    AppendStep(PlanDocument &document, int32_t bid) : document_(document), bid_(bid) {}
    void redo() override
    {
        const std::optional<PlanEdit> edit = ApplyAppend(document_.Value(), bid_);
        if (!edit) {
            setObsolete(true);
            return;
        }
        setText(Described(*edit));
        document_.Announce({PlanChangeKind::Appended, edit->position});
    }
    void undo() override
    {
        BuildQueue &queue = document_.Queue();
        const int32_t last = queue.Count() - 1;
        queue.RemoveEntry(last);
        document_.Announce({PlanChangeKind::Removed, last});
    }

  private:
    PlanDocument &document_;
    int32_t bid_;
};

class RemoveStep : public QUndoCommand {
  public:
    RemoveStep(PlanDocument &document, int32_t index) : document_(document), index_(index) {}
    void redo() override
    {
        std::optional<PlanEdit> edit = ApplyDelete(document_.Value(), index_);
        if (!edit) {
            setObsolete(true);
            return;
        }
        setText(Described(*edit));
        removed_ = std::move(edit->removed);
        document_.Announce({PlanChangeKind::Removed, index_});
    }
    void undo() override
    {
        document_.Queue().RestoreEntries(removed_);
        document_.Announce({PlanChangeKind::Restored, index_});
    }

  private:
    PlanDocument &document_;
    int32_t index_;
    std::vector<RemovedEntry> removed_;
};

class MoveStep : public QUndoCommand {
  public:
    MoveStep(PlanDocument &document, int32_t from, int32_t to) : document_(document), from_(from), to_(to) {}
    void redo() override
    {
        const std::optional<PlanEdit> edit = ApplyMove(document_.Value(), from_, to_);
        if (!edit) {
            setObsolete(true);
            return;
        }
        setText(Described(*edit));
        document_.Announce({PlanChangeKind::Moved, to_});
    }
    void undo() override
    {
        // The exchange is its own inverse.
        document_.Queue().SwapEntries(from_, to_);
        document_.Announce({PlanChangeKind::Moved, from_});
    }

  private:
    PlanDocument &document_;
    int32_t from_;
    int32_t to_;
};

struct PlanSnapshot {
    std::vector<QueueEntry> entries;
    Planet planet;

    static PlanSnapshot Of(const PlanDocument &document)
    {
        const BuildQueue &queue = document.Queue();
        return {{queue.Entries().begin(), queue.Entries().end()}, document.StartPlanet()};
    }
};

class ReplaceStep : public QUndoCommand {
  public:
    ReplaceStep(PlanDocument &document, PlanSnapshot after, const QString &text)
        : QUndoCommand(text), document_(document), before_(PlanSnapshot::Of(document)), after_(std::move(after))
    {
    }
    void redo() override { Put(after_); }
    void undo() override { Put(before_); }

  private:
    void Put(const PlanSnapshot &plan)
    {
        document_.PutPlanet(plan.planet);
        document_.Queue().Assign(plan.entries);
        document_.Announce({PlanChangeKind::Replaced, 0});
    }

    PlanDocument &document_;
    PlanSnapshot before_;
    PlanSnapshot after_;
};

} // namespace

PlanDocument::PlanDocument(QObject *parent) : QObject(parent)
{
    undoStack_.setUndoLimit(kUndoLimit);
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &PlanDocument::UpdateModified);
}

void PlanDocument::AppendUpgrade(int32_t bid)
{
    if (ItemIndexOf(bid) == -1)
        return;
    undoStack_.push(new AppendStep(*this, bid));
}

void PlanDocument::RemoveEntry(int32_t index)
{
    if (index < 0 || index >= plan_.queue.Count())
        return;
    undoStack_.push(new RemoveStep(*this, index));
}

void PlanDocument::MoveEntry(int32_t index, int32_t neighbour)
{
    if (index < 0 || index >= plan_.queue.Count() || neighbour < 0 || neighbour >= plan_.queue.Count() ||
        (neighbour != index - 1 && neighbour != index + 1))
        return;
    undoStack_.push(new MoveStep(*this, index, neighbour));
}

void PlanDocument::ReplacePlan(std::span<const LoadedEntry> entries, const std::optional<Planet> &planet,
                               const QString &actionText)
{
    BuildQueue loaded;
    ApplyLoadedQueue(loaded, entries);
    const PlanEdit edit = ReplaceEntries(plan_, loaded.Entries(), planet, actionText.toStdString());
    PlanSnapshot after{edit.plan.Entries(), edit.plan.planet};
    undoStack_.push(new ReplaceStep(*this, std::move(after), Described(edit)));
}

std::optional<std::string> PlanDocument::ChangePlanet(const Planet &planet)
{
    const EditOutcome outcome = korvelin::ChangePlanet(plan_, planet);
    if (!outcome.edit)
        return outcome.refusal.empty() ? std::nullopt : std::optional<std::string>(outcome.refusal);
    PlanSnapshot after = PlanSnapshot::Of(*this);
    after.entries = outcome.edit->plan.Entries();
    after.planet = outcome.edit->plan.planet;
    undoStack_.push(new ReplaceStep(*this, std::move(after), Described(*outcome.edit)));
    return std::nullopt;
}

std::optional<std::string> PlanDocument::BuiltUpToHere(int32_t line, const std::array<int64_t, 3> &stockAfter)
{
    const EditOutcome outcome = korvelin::BuiltUpToHere(plan_, line, stockAfter);
    if (!outcome.edit)
        return outcome.refusal.empty() ? std::nullopt : std::optional<std::string>(outcome.refusal);
    PlanSnapshot after = PlanSnapshot::Of(*this);
    after.entries = outcome.edit->plan.Entries();
    after.planet = outcome.edit->plan.planet;
    undoStack_.push(new ReplaceStep(*this, std::move(after), Described(*outcome.edit)));
    return std::nullopt;
}

void PlanDocument::SetMaxTemperature(int32_t value)
{
    if (value == plan_.planet.inputs.maxTemperature)
        return;
    plan_.planet.inputs.maxTemperature = value;
    temperatureTyped_ = true;
    UpdateModified();
}

void PlanDocument::SetSatellites(int32_t value)
{
    if (value == plan_.planet.inputs.satellites)
        return;
    plan_.planet.inputs.satellites = value;
    satellitesTyped_ = true;
    UpdateModified();
}

void PlanDocument::PutPlanet(const Planet &planet)
{
    if (planet == plan_.planet)
        return;
    const bool inputsChanged = planet.inputs != plan_.planet.inputs;
    plan_.planet = planet;
    plan_.queue.SetStartLevels(planet.startLevels);
    emit PlanetChanged();
    if (inputsChanged)
        emit InputsReplaced();
}

void PlanDocument::MarkSaved()
{
    undoStack_.setClean();
    temperatureTyped_ = false;
    satellitesTyped_ = false;
    unsavedLoad_ = false;
    UpdateModified();
}

void PlanDocument::MarkUnsaved()
{
    undoStack_.clear();
    unsavedLoad_ = true;
    UpdateModified();
}

void PlanDocument::UpdateModified()
{
    const bool modified = !undoStack_.isClean() || temperatureTyped_ || satellitesTyped_ || unsavedLoad_;
    if (modified == modified_)
        return;
    modified_ = modified;
    emit ModifiedChanged(modified);
}

} // namespace korvelin
