#include "ui/PlanDocument.h"

#include "plan/InputRanges.h"
#include "rules/ItemCatalogue.h"

#include <QUndoCommand>

#include <vector>

namespace korvelin {

namespace {

// Each step keeps exactly what it needs to go back; redo() runs the same
// queue operation the first time and every time after.

class AppendStep : public QUndoCommand {
  public:
    AppendStep(PlanDocument &document, int32_t bid)
        : QUndoCommand(QStringLiteral("Add")), document_(document), bid_(bid)
    {
    }
    void redo() override
    {
        BuildQueue &queue = document_.Queue();
        if (queue.AppendUpgrade(bid_) == -1) {
            setObsolete(true);
            return;
        }
        document_.Announce({PlanChangeKind::Appended, queue.Count() - 1});
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
    RemoveStep(PlanDocument &document, int32_t index)
        : QUndoCommand(QStringLiteral("Delete")), document_(document), index_(index)
    {
    }
    void redo() override
    {
        removed_ = document_.Queue().RemoveEntry(index_);
        if (removed_.empty()) {
            setObsolete(true);
            return;
        }
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
    MoveStep(PlanDocument &document, int32_t from, int32_t to)
        : QUndoCommand(to < from ? QStringLiteral("Move Up") : QStringLiteral("Move Down")), document_(document),
          from_(from), to_(to)
    {
    }
    void redo() override
    {
        document_.Queue().SwapEntries(from_, to_);
        document_.Announce({PlanChangeKind::Moved, to_});
    }
    void undo() override
    {
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
    QString temperatureText;
    QString satellitesText;

    static PlanSnapshot Of(const PlanDocument &document)
    {
        const BuildQueue &queue = document.Queue();
        return {{queue.Entries().begin(), queue.Entries().end()},
                document.StartPlanet(),
                document.TemperatureText(),
                document.SatellitesText()};
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
        document_.PutTemperatureText(plan.temperatureText);
        document_.PutSatellitesText(plan.satellitesText);
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
    if (index < 0 || index >= queue_.Count())
        return;
    undoStack_.push(new RemoveStep(*this, index));
}

void PlanDocument::MoveEntry(int32_t index, int32_t neighbour)
{
    if (index < 0 || index >= queue_.Count() || neighbour < 0 || neighbour >= queue_.Count() ||
        (neighbour != index - 1 && neighbour != index + 1))
        return;
    undoStack_.push(new MoveStep(*this, index, neighbour));
}

void PlanDocument::ReplacePlan(std::span<const LoadedEntry> entries, const std::optional<Planet> &planet,
                               const std::optional<QString> &temperatureText,
                               const std::optional<QString> &satellitesText, const QString &actionText)
{
    BuildQueue loaded;
    ApplyLoadedQueue(loaded, entries);
    PlanSnapshot after{{loaded.Entries().begin(), loaded.Entries().end()},
                       planet.value_or(planet_),
                       temperatureText.value_or(temperatureText_),
                       satellitesText.value_or(satellitesText_)};
    undoStack_.push(new ReplaceStep(*this, std::move(after), actionText));
}

void PlanDocument::ChangePlanet(const Planet &planet)
{
    if (planet == planet_)
        return;
    BuildQueue renumbered;
    renumbered.Assign(queue_.Entries());
    renumbered.SetStartLevels(planet.startLevels);
    for (const CatalogueItem &item : ItemCatalogue()) {
        if (planet.StartLevel(item.bid) != planet_.StartLevel(item.bid))
            renumbered.RenumberEntries(item.bid);
    }
    PlanSnapshot after = PlanSnapshot::Of(*this);
    after.entries.assign(renumbered.Entries().begin(), renumbered.Entries().end());
    after.planet = planet;
    undoStack_.push(new ReplaceStep(*this, std::move(after), QStringLiteral("Planet")));
}

std::optional<std::string> PlanDocument::BuiltUpToHere(int32_t line, const std::array<int64_t, 3> &stockAfter)
{
    if (line < 0 || line >= queue_.Count())
        return std::nullopt;
    PlanSnapshot after = PlanSnapshot::Of(*this);
    for (const CatalogueItem &item : ItemCatalogue())
        after.planet.SetStartLevel(item.bid, queue_.LevelBefore(item.bid, line + 1));
    after.planet.startStock = stockAfter;
    if (auto error = CheckPlanet(after.planet))
        return "Built up to here would leave the planet out of range. " + *error;
    after.entries.erase(after.entries.begin(), after.entries.begin() + line + 1);
    undoStack_.push(new ReplaceStep(*this, std::move(after), QStringLiteral("Built up to here")));
    return std::nullopt;
}

void PlanDocument::SetTemperatureText(const QString &text)
{
    if (text == temperatureText_)
        return;
    temperatureText_ = text;
    temperatureTyped_ = true;
    UpdateModified();
}

void PlanDocument::SetSatellitesText(const QString &text)
{
    if (text == satellitesText_)
        return;
    satellitesText_ = text;
    satellitesTyped_ = true;
    UpdateModified();
}

void PlanDocument::PutTemperatureText(const QString &text)
{
    if (text == temperatureText_)
        return;
    temperatureText_ = text;
    emit TemperatureTextReplaced(text);
}

void PlanDocument::PutSatellitesText(const QString &text)
{
    if (text == satellitesText_)
        return;
    satellitesText_ = text;
    emit SatellitesTextReplaced(text);
}

void PlanDocument::PutPlanet(const Planet &planet)
{
    if (planet == planet_)
        return;
    planet_ = planet;
    queue_.SetStartLevels(planet_.startLevels);
    emit PlanetChanged();
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
