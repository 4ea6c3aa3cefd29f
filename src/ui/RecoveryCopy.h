#pragma once
// Keeps a copy of the unsaved plan beside the user's data, so that a crash,
// a kill or a lost session costs at most the last second or two of work. The
// copy is the queue file a save would write; the next start offers a copy
// whose instance is gone.
//
// Each running instance owns one copy under its own name and holds a lock
// beside it (QLockFile), so two instances never write or offer each other's
// copies: a copy whose lock can be taken belongs to a run that ended without
// closing.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>

namespace korvelin {

struct MainForm;

class RecoveryCopy : public QObject {
    Q_OBJECT
  public:
    // Longest time from a change to its copy; a burst of changes within it
    // is written once.
    static constexpr int kWriteDelayMs = 1500;

    // `folder` holds the copies and locks; made when missing. Tests pass a
    // shorter `writeDelayMs` so that they need not sleep.
    RecoveryCopy(MainForm &form, const QString &folder, int writeDelayMs = kWriteDelayMs, QObject *parent = nullptr);
    // Keeps the copy: only a clean close (EndCleanly) removes it.
    ~RecoveryCopy() override;

    // Asks whether to restore the newest copy left by a run that did not end
    // cleanly, and restores or removes it. Runs once, before any plan named
    // on the command line is opened.
    void OfferLeftCopy();
    // The plan changed: its copy follows within kWriteDelayMs.
    void PlanEdited();
    // The window closes with the plan saved or discarded.
    void EndCleanly();

    QString CopyPath() const { return PathOf(id_, kCopySuffix); }

  private:
    static constexpr const char *kCopySuffix = ".bql";
    static constexpr const char *kNameSuffix = ".name";
    static constexpr const char *kLockSuffix = ".lock";

    QString PathOf(const QString &id, const char *suffix) const;
    void WriteNow();
    void Remove();
    bool Restore(const QString &id);
    void RemoveLeft(const QString &id);
    void TellWriteFailed(const QString &reason);

    MainForm &form_;
    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_; // null when it could not be taken
    QTimer writeTimer_;
    std::string written_; // the bytes of the copy on disk; empty when there is none
    QString writtenName_; // the plan's file name written beside it
    bool failureTold_ = false;
    bool ended_ = false;
};

// Starts keeping recovery copies in `dataFolder` (the application's data
// folder in the program, a temporary one in tests) and offers a copy left
// by a run that did not end cleanly.
void StartRecovery(MainForm &form, const QString &dataFolder, int writeDelayMs = RecoveryCopy::kWriteDelayMs);

} // namespace korvelin
