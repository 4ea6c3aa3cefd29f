#include "ui/RecoveryCopy.h"

#include "plan/QuestionTexts.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/QueueFileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace korvelin {

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

// A lock that declares a live owner's lock stale never: by default QLockFile
// takes over any lock older than 30 seconds.
std::unique_ptr<QLockFile> TakeLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

RecoveryCopy::RecoveryCopy(MainForm &form, const QString &folder, int writeDelayMs, QObject *parent)
    : QObject(parent), form_(form), folder_(folder), id_(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    // A folder that can't be made shows as a lock that can't be taken, and
    // is told once the plan first has something to keep.
    QDir().mkpath(folder_);
    lock_ = TakeLock(PathOf(id_, kLockSuffix));

    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(writeDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, &RecoveryCopy::WriteNow);
    PlanDocument &document = form.document;
    connect(&document, &PlanDocument::Changed, this, &RecoveryCopy::PlanEdited);
    connect(&document.UndoStack(), &QUndoStack::indexChanged, this, &RecoveryCopy::PlanEdited);
    connect(&document, &PlanDocument::PlanetChanged, this, &RecoveryCopy::PlanEdited);
    for (QLineEdit *typed :
         {static_cast<QLineEdit *>(form.MaxTemperatureEdit), static_cast<QLineEdit *>(form.SatelliteCountEdit)})
        connect(typed, &QLineEdit::textChanged, this, &RecoveryCopy::PlanEdited);
    // A save needs no copy any more, at once rather than after the delay.
    connect(&document, &PlanDocument::ModifiedChanged, this, [this](bool modified) {
        if (modified)
            PlanEdited();
        else
            Remove();
    });
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::PathOf(const QString &id, const char *suffix) const
{
    return QDir(folder_).filePath(id + QLatin1String(suffix));
}

void RecoveryCopy::PlanEdited()
{
    // Not restarted by later changes: a long burst is still written every
    // kWriteDelayMs.
    if (!ended_ && !writeTimer_.isActive())
        writeTimer_.start();
}

void RecoveryCopy::WriteNow()
{
    writeTimer_.stop();
    if (ended_)
        return;
    if (!form_.document.IsModified()) {
        Remove();
        return;
    }
    if (!lock_) {
        TellWriteFailed(QStringLiteral("its folder %1 can't be used").arg(QDir::toNativeSeparators(folder_)));
        return;
    }
    const std::string bytes = FormatPlanFile(form_);
    const QString name = form_.FileDialog.fileName;
    if (bytes == written_ && name == writtenName_)
        return;
    // The name first: a copy never stands beside the name of another plan
    // for longer than this write.
    const QByteArray nameBytes = name.toUtf8();
    std::optional<FileFailure> failure = WriteFileAtomically(PathOf(id_, kNameSuffix), View(nameBytes));
    if (!failure)
        failure = WriteFileAtomically(CopyPath(), bytes);
    if (failure) {
        TellWriteFailed(QString::fromStdString(failure->text));
        return;
    }
    written_ = bytes;
    writtenName_ = name;
}

void RecoveryCopy::Remove()
{
    writeTimer_.stop();
    QFile::remove(CopyPath());
    QFile::remove(PathOf(id_, kNameSuffix));
    written_.clear();
    writtenName_.clear();
}

void RecoveryCopy::EndCleanly()
{
    Remove();
    ended_ = true;
    lock_.reset(); // removes the lock file
}

void RecoveryCopy::TellWriteFailed(const QString &reason)
{
    if (failureTold_)
        return;
    failureTold_ = true;
    const QString text = QStringLiteral("The recovery copy of the plan could not be written: %1. "
                                        "Work goes on, but save the plan to keep it safe.")
                             .arg(reason);
    // A notice, never a modal box: the timer fires during a search too,
    // where a box would stand between the user and Cancel.
    form_.platform.ShowNotice(text);
}

void RecoveryCopy::OfferLeftCopy()
{
    const QDir folder(folder_);
    // Newest first; a run that left several copies offers the others at the
    // next starts.
    const QFileInfoList copies =
        folder.entryInfoList({QLatin1String("*") + QLatin1String(kCopySuffix)}, QDir::Files, QDir::Time);
    for (const QFileInfo &copy : copies) {
        const QString id = copy.completeBaseName();
        if (id == id_)
            continue;
        // Held while the question stands, so an instance started meanwhile
        // doesn't offer the same copy.
        const auto leftLock = TakeLock(PathOf(id, kLockSuffix));
        if (!leftLock)
            continue; // its instance is running
        QuestionRequest question;
        question.text = QString::fromStdString(RestoreCopyQuestion());
        question.buttons = {Answer::Restore, Answer::Discard};
        question.defaultAnswer = Answer::Restore;
        // Dismissing the box must not throw the plan away.
        question.escapeAnswer = Answer::Restore;
        if (form_.platform.AskQuestion(question) == Answer::Discard || Restore(id))
            RemoveLeft(id);
        break;
    }
    // Locks of runs that ended without a copy to leave.
    for (const QFileInfo &lock : folder.entryInfoList({QLatin1String("*") + QLatin1String(kLockSuffix)}, QDir::Files)) {
        const QString id = lock.completeBaseName();
        if (id != id_ && !QFileInfo::exists(PathOf(id, kCopySuffix)))
            TakeLock(lock.filePath()); // unlocked and removed at once when its owner is gone
    }
}

bool RecoveryCopy::Restore(const QString &id)
{
    // Loaded as Open loads a file; a copy that can't be read stays for the
    // next start, after the usual message.
    if (!ReadQueueFile(form_, PathOf(id, kCopySuffix)))
        return false;
    form_.document.MarkUnsaved();
    QFile nameFile(PathOf(id, kNameSuffix));
    if (nameFile.open(QIODevice::ReadOnly))
        form_.FileDialog.fileName = QString::fromUtf8(nameFile.readAll());
    // This instance's own copy stands before the old one goes.
    WriteNow();
    return !written_.empty();
}

void RecoveryCopy::RemoveLeft(const QString &id)
{
    QFile::remove(PathOf(id, kCopySuffix));
    QFile::remove(PathOf(id, kNameSuffix));
}

void StartRecovery(MainForm &form, const QString &dataFolder, int writeDelayMs)
{
    form.Recovery =
        new RecoveryCopy(form, QDir(dataFolder).filePath(QStringLiteral("recovery")), writeDelayMs, form.window.get());
    form.Recovery->OfferLeftCopy();
}

} // namespace korvelin
