// The recovery copy of an unsaved plan: written after a change, offered at the
// next start of a run that did not close, restored as the plan was, removed on
// save and on a clean close; never taken from a running instance; a copy that
// can't be written is said once.

#include "RecordingPlatform.h"

#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/RecoveryCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvelin::test {
namespace {

// Short, so that no test sleeps for the real delay.
constexpr int kWriteDelayMs = 20;
// Long enough for a copy to follow a change, however busy the machine.
constexpr int kCopyWait = 10 * RecoveryCopy::kWriteDelayMs;

class RecoveryCopyTest : public testing::Test {
  protected:
    std::unique_ptr<MainForm> Start(RecordingPlatform &platform)
    {
        auto form = CreateMainForm(platform);
        StartRecovery(*form, data.path(), kWriteDelayMs);
        return form;
    }

    QStringList Copies() const
    {
        QStringList paths;
        for (const QString &name :
             QDir(data.filePath(QStringLiteral("recovery"))).entryList({QStringLiteral("*.bql")}, QDir::Files))
            paths.append(data.filePath(QStringLiteral("recovery/") + name));
        return paths;
    }

    static std::string ReadBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
    }

    static void Edit(MainForm &form)
    {
        for (const int32_t bid : {1, 14, 1})
            FindItemRow(form, bid)->ItemButton->click();
        form.MaxTemperatureEdit->setText(QStringLiteral("35"));
    }

    // Leaves `id`'s lock as a killed process does: the file stays, naming a
    // process that is gone.
    void LeaveStaleLock(const QString &id) const
    {
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        ASSERT_TRUE(gone.waitForStarted());
        const qint64 pid = gone.processId();
        ASSERT_TRUE(gone.waitForFinished());
        QFile lock(data.filePath(QStringLiteral("recovery/") + id + QStringLiteral(".lock")));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QStringLiteral("%1\n%2\n%3\n")
                       .arg(pid)
                       .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
                       .toUtf8());
    }

    QTemporaryDir data;
};

TEST_F(RecoveryCopyTest, AnUnsavedPlanIsOfferedAfterACrashRestoredAsItWasAndRemovedOnSave)
{
    const QString planPath = data.filePath(QStringLiteral("plan.bql"));
    RecordingPlatform first;
    auto crashed = Start(first);
    EXPECT_TRUE(first.questions.empty()); // a first start asks nothing
    crashed->FileDialog.fileName = planPath;
    Edit(*crashed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 1; }, kCopyWait));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadBytes(Copies()[0]) == FormatPlanFile(*crashed); }, kCopyWait));
    const std::string copy = ReadBytes(Copies()[0]);
    const QString crashedId = QFileInfo(Copies()[0]).completeBaseName();
    crashed.reset();
    LeaveStaleLock(crashedId);

    RecordingPlatform second;
    second.questionAnswers.push_back(Answer::Restore);
    auto restored = Start(second);
    ASSERT_EQ(second.questions.size(), 1u);
    const QuestionRequest &question = second.questions[0];
    EXPECT_EQ(question.text, QStringLiteral("Korvelin did not close normally. Restore the unsaved plan?"));
    EXPECT_EQ(question.buttons, (std::vector<Answer>{Answer::Restore, Answer::Discard}));
    EXPECT_EQ(question.defaultAnswer, Answer::Restore);
    EXPECT_EQ(FormatPlanFile(*restored), copy);
    EXPECT_EQ(restored->queue.Count(), 3);
    EXPECT_TRUE(restored->window->isWindowModified());
    EXPECT_FALSE(restored->document.UndoStack().canUndo());
    EXPECT_EQ(restored->FileDialog.fileName, planPath);
    // Now this instance's copy, and only that; the dead run's lock is gone.
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_EQ(ReadBytes(Copies()[0]), copy);
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("recovery/") + crashedId + QStringLiteral(".lock"))));

    second.AnswerNextFileDialog(planPath);
    SaveQueueFile(*restored);
    EXPECT_EQ(ReadBytes(planPath), copy);
    EXPECT_TRUE(Copies().empty());
    EXPECT_FALSE(restored->window->isWindowModified());
}

TEST_F(RecoveryCopyTest, ARunningInstancesCopyIsNeverOfferedAndACleanCloseLeavesNothing)
{
    RecordingPlatform first;
    auto running = Start(first);
    Edit(*running);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 1; }, kCopyWait));

    RecordingPlatform second;
    auto other = Start(second);
    EXPECT_TRUE(second.questions.empty());
    Edit(*other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 2; }, kCopyWait));

    // Closed with Discard (the recorder's answer), each removes its own copy.
    for (MainForm *form : {running.get(), other.get()}) {
        form->window->show();
        EXPECT_TRUE(form->window->close());
    }
    EXPECT_TRUE(Copies().empty());
    EXPECT_TRUE(QDir(data.filePath(QStringLiteral("recovery"))).isEmpty()); // no lock left either
}

TEST_F(RecoveryCopyTest, ACopyThatCannotBeWrittenIsNoticedOnceWithoutABoxAndTheWorkGoesOn)
{
    // A file where the copies' folder should be.
    QFile blocker(data.filePath(QStringLiteral("recovery")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordingPlatform platform;
    auto form = Start(platform);
    Edit(*form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.notices.empty(); }, kCopyWait));
    Edit(*form);
    QTest::qWait(3 * kWriteDelayMs);
    ASSERT_EQ(platform.notices.size(), 1);
    EXPECT_TRUE(platform.notices[0].contains(QStringLiteral("recovery copy")));
    EXPECT_EQ(form->queue.Count(), 6);
    // No box of any kind: one would block a search's Cancel.
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errorBoxes.empty());
}

} // namespace
} // namespace korvelin::test
