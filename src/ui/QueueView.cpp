#include "ui/QueueView.h"

#include "rules/ItemCatalogue.h"
#include "ui/ItemNames.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueViewBatch.h"
#include "util/FormatDuration.h"

#include <QStringList>

#include <algorithm>

namespace korvelin {

namespace {

// Above this many changed lines one reset of the list model is cheaper than
// rewriting lines one by one.
constexpr size_t kRewriteAllThreshold = 64;

QString LineText(int32_t index, const QueueListCache::Line &line, bool english)
{
    return QString::number(static_cast<int64_t>(index) + 1) + QStringLiteral(". ") + ItemName(line.bid, english) +
           QStringLiteral(" (") + QString::number(line.level) + QLatin1Char(')');
}

template <typename Control> void SetText(Control *control, const QString &text)
{
    if (control && control->text() != text)
        control->setText(text);
}

void SetNumber(Label *label, int64_t value)
{
    SetText(label, QString::number(value));
}

// Brings the lines of QueueList in step with the queue, writing only the lines
// whose entry changed; constant time when the queue is the one last shown.
void SyncQueueLines(MainForm &form)
{
    ListBox &list = *form.QueueList;
    QueueListCache &cache = form.queueLines;
    const BuildQueue &queue = form.queue;
    if (static_cast<size_t>(list.LineCount()) != cache.lines.size()) {
        // Someone else rewrote the list; start from nothing.
        cache.lines.clear();
        list.Clear();
    } else if (cache.revision == queue.Revision()) {
        return;
    }
    std::vector<QueueListCache::Line> wanted;
    wanted.reserve(static_cast<size_t>(queue.Count()));
    for (const QueueEntry &entry : queue.Entries())
        wanted.push_back({entry.bid, entry.level});

    const size_t common = std::min(wanted.size(), cache.lines.size());
    size_t changed = 0;
    for (size_t i = 0; i < common; ++i)
        changed += wanted[i] == cache.lines[i] ? 0 : 1;
    const size_t added = wanted.size() - common;
    const size_t removed = cache.lines.size() - common;

    if (changed + added + removed > kRewriteAllThreshold) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(wanted.size()));
        for (size_t i = 0; i < wanted.size(); ++i)
            texts.append(LineText(static_cast<int32_t>(i), wanted[i], form.englishItemNames));
        list.SetLines(texts);
    } else {
        for (size_t i = 0; i < common; ++i) {
            if (!(wanted[i] == cache.lines[i]))
                list.SetLineText(static_cast<int>(i),
                                 LineText(static_cast<int32_t>(i), wanted[i], form.englishItemNames));
        }
        for (size_t i = common; i < wanted.size(); ++i)
            list.AppendLine(LineText(static_cast<int32_t>(i), wanted[i], form.englishItemNames));
        for (size_t i = cache.lines.size(); i > wanted.size(); --i)
            delete list.takeItem(static_cast<int>(i) - 1);
    }
    cache.lines = std::move(wanted);
    cache.revision = queue.Revision();
}

void WriteSummary(MainForm &form, int32_t position, const std::array<int64_t, 3> &stock)
{
    const BuildQueue &queue = form.queue;
    const EconomyFigures figures = EvaluateEconomy(EconomyAt(form, position));
    SetNumber(form.StockMetalLabel, stock[0]);
    SetNumber(form.StockCrystalLabel, stock[1]);
    SetNumber(form.StockDeuteriumLabel, stock[2]);
    SetNumber(form.EnergyBalanceLabel, figures.energyBalance);
    SetNumber(form.CapacityMetalLabel,
              StorageCapacity(bid::kMetalStorage, queue.LevelBefore(bid::kMetalStorage, position)));
    SetNumber(form.CapacityCrystalLabel,
              StorageCapacity(bid::kCrystalStorage, queue.LevelBefore(bid::kCrystalStorage, position)));
    SetNumber(form.CapacityDeuteriumLabel,
              StorageCapacity(bid::kDeuteriumTank, queue.LevelBefore(bid::kDeuteriumTank, position)));
    SetNumber(form.ProductionFactorLabel, figures.productionFactor);
    SetNumber(form.ProductionMetalLabel, figures.metalPerHour);
    SetNumber(form.ProductionCrystalLabel, figures.crystalPerHour);
    SetNumber(form.ProductionDeuteriumLabel, figures.deuteriumPerHour);
    SetNumber(form.EnergyProductionLabel, figures.energyProduced);
}

QString Duration(int64_t seconds)
{
    return QString::fromStdString(FormatDuration(seconds));
}

void WriteNeedFields(MainForm &form, const EntryEvaluation *evaluation)
{
    if (!evaluation) {
        for (Edit *edit : {form.NeedMetalEdit, form.NeedCrystalEdit, form.NeedDeuteriumEdit, form.WaitMetalEdit,
                           form.WaitCrystalEdit, form.WaitDeuteriumEdit, form.SummaryTimeEdit, form.BuildTimeEdit})
            SetText(edit, QString());
        return;
    }
    SetText(form.NeedMetalEdit, QString::number(evaluation->costs[0]));
    SetText(form.NeedCrystalEdit, QString::number(evaluation->costs[1]));
    SetText(form.NeedDeuteriumEdit, QString::number(evaluation->costs[2]));
    SetText(form.WaitMetalEdit, Duration(evaluation->waits[0]));
    SetText(form.WaitCrystalEdit, Duration(evaluation->waits[1]));
    SetText(form.WaitDeuteriumEdit, Duration(evaluation->waits[2]));
    SetText(form.SummaryTimeEdit, Duration(evaluation->total));
    SetText(form.BuildTimeEdit, Duration(evaluation->buildTime));
}

} // namespace

int32_t QueueViewBatch::Current() const
{
    return tracked_ ? current_ : form_.QueueList->CurrentIndex();
}

int32_t QueueViewBatch::LineCount() const
{
    return tracked_ ? form_.queue.Count() : form_.QueueList->LineCount();
}

void QueueViewBatch::Refresh(int32_t position)
{
    summaryPosition_ = position;
    summaryStock_ = form_.timeline.stock;
    const int32_t last = form_.queue.Count() - 1;
    current_ = std::min(std::max(position, 0), last); // -1 for an empty queue
    selected_ = current_;
    tracked_ = true;
    selectionPending_ = true;
}

void QueueViewBatch::MoveNext()
{
    const int32_t next = Current() + 1;
    if (!tracked_) {
        ListBox &list = *form_.QueueList;
        list.SetSelected(next - 1, false);
        list.SetSelected(next, true);
        return;
    }
    if (next < LineCount()) {
        current_ = next;
        selected_ = next;
    } else {
        selected_ = -1;
    }
    selectionPending_ = true;
}

void QueueViewBatch::ClearNeedFields()
{
    need_ = Need::Cleared;
}

void QueueViewBatch::ShowEvaluation(const EntryEvaluation &evaluation)
{
    evaluation_ = evaluation;
    need_ = Need::Shown;
}

void QueueViewBatch::Flush()
{
    if (summaryPosition_) {
        WriteSummary(form_, *summaryPosition_, summaryStock_);
        summaryPosition_.reset();
    }
    if (tracked_)
        SyncQueueLines(form_);
    if (selectionPending_) {
        ListBox &list = *form_.QueueList;
        list.clearSelection();
        if (selected_ >= 0)
            list.SetSelected(selected_, true);
        else
            list.SetCurrentIndex(current_);
        selectionPending_ = false;
    }
    if (need_ != Need::Unchanged) {
        WriteNeedFields(form_, need_ == Need::Shown ? &evaluation_ : nullptr);
        need_ = Need::Unchanged;
    }
}

void RewriteQueueLines(MainForm &form)
{
    // Line by line, so the selection and the current line stay as they are.
    ListBox &list = *form.QueueList;
    const QueueListCache &cache = form.queueLines;
    const auto count = std::min(static_cast<size_t>(list.LineCount()), cache.lines.size());
    for (size_t i = 0; i < count; ++i)
        list.SetLineText(static_cast<int>(i), LineText(static_cast<int32_t>(i), cache.lines[i], form.englishItemNames));
}

void RefreshQueueView(MainForm &form, int32_t position)
{
    QueueViewBatch batch(form);
    batch.Refresh(position);
    batch.Flush();
}

} // namespace korvelin
