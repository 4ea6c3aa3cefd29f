// Open, Save, SaveByTime and Cp through the window: what reaches the disk,
// the dialog requests, the messages, and that no failure loses what the user
// had.

#include "BuildVersion.h"
#include "FormFixture.h"

#include "storage/QueueFile.h"
#include "ui/FileCommands.h"
#include "ui/QueueCommands.h"
#include "ui/RecentFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace korvelin::test {
namespace {

const std::string kHeader = BuildQueueHeader() + "\r\n";

// Everything a load may change, to compare before and after.
struct WindowState {
    std::vector<std::pair<int32_t, int32_t>> entries;
    QStringList lines;
    QStringList levels;
    QString temperature;
    std::vector<bool> buttons;
    bool operator==(const WindowState &) const = default;
};

class FileCommandsTest : public FormFixture {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedCurrent = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(savedCurrent); }

    QString PathOf(const QString &name) const { return dir.filePath(name); }

    static void WriteBytes(const QString &path, const std::string &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static std::string ReadBytes(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }

    void Open(const QString &path)
    {
        platform.AnswerNextFileDialog(path);
        OpenQueueFile(*form);
    }

    void Save(const QString &path)
    {
        platform.AnswerNextFileDialog(path);
        SaveQueueFile(*form);
    }

    // A plan on screen: three upgrades, a temperature, one line current.
    void MakePlan()
    {
        AppendUpgrade(*form, 1);
        AppendUpgrade(*form, 14);
        AppendUpgrade(*form, 1);
        form->MaxTemperatureEdit->setText(QStringLiteral("35"));
    }

    WindowState State() const
    {
        WindowState state;
        for (const QueueEntry &entry : form->queue.Entries())
            state.entries.emplace_back(entry.bid, entry.level);
        for (int i = 0; i < form->QueueList->LineCount(); ++i)
            state.lines << form->QueueList->LineText(i);
        for (const ItemRow &row : form->ItemRows)
            state.levels << row.LevelLabel->text();
        state.temperature = form->MaxTemperatureEdit->text();
        for (const auto *button : {form->DelButton, form->UpButton, form->DownButton, form->CpButton})
            state.buttons.push_back(button->isEnabled());
        return state;
    }

    QString LevelOf(int32_t bid) { return FindItemRow(*form, bid)->LevelLabel->text(); }

    QTemporaryDir dir;
    QString savedCurrent;
};

struct ButtonCase {
    const char *name;
    std::string buildLines;
    bool del, upDownCp;
};

class LoadButtonStates : public FileCommandsTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(LoadButtonStates, FollowTheNumberOfLoadedEntries)
{
    MakePlan();
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, kHeader + "##BUILD##\r\n" + GetParam().buildLines);
    Open(path);
    EXPECT_EQ(form->DelButton->isEnabled(), GetParam().del);
    for (const auto *button : {form->UpButton, form->DownButton, form->CpButton})
        EXPECT_EQ(button->isEnabled(), GetParam().upDownCp);
}

INSTANTIATE_TEST_SUITE_P(Entries, LoadButtonStates,
                         testing::Values(ButtonCase{"None", "", false, false},
                                         ButtonCase{"One", "1:1\r\n", true, false},
                                         ButtonCase{"Two", "1:1\r\n2:1\r\n", true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, LoadReplacesQueueRowsListAndTemperature)
{
    MakePlan();
    form->NextButton->setEnabled(true);
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, kHeader + "Temperature=-40\r\n##BUILD##\r\n1:2:999\r\n1:1:998\r\n4:1:1\r\n1:3:997\r\n");
    Open(path);

    EXPECT_EQ(State().entries, (std::vector<std::pair<int32_t, int32_t>>{{1, 2}, {1, 1}, {4, 1}, {1, 3}}));
    EXPECT_EQ(form->queue.At(3).order, 996);
    EXPECT_EQ(form->queue.QueuedLevel(1), 3);
    EXPECT_EQ(form->queue.QueuedLevel(14), 0);
    EXPECT_EQ(LevelOf(1), QStringLiteral("4"));
    EXPECT_EQ(LevelOf(4), QStringLiteral("2"));
    EXPECT_EQ(LevelOf(14), QStringLiteral("1"));
    EXPECT_EQ(form->MaxTemperatureEdit->text(), QStringLiteral("-40"));
    EXPECT_EQ(form->QueueList->LineCount(), 4);
    EXPECT_EQ(form->QueueList->CurrentIndex(), 0);
    EXPECT_FALSE(form->NextButton->isEnabled());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
}

// Nothing of the previous plan's planet is carried into the next file: what
// a file leaves out is the planet built from nothing.
TEST_F(FileCommandsTest, OpenTakesTheFilesWholePlanet)
{
    const QString full = PathOf(QStringLiteral("full.bql"));
    WriteBytes(full, kHeader + "Temperature=-40\r\nLevels=1:5\r\nStock=1:2:3\r\nSatellites=7\r\nSpeed=3\r\n"
                               "##BUILD##\r\n1:6:999\r\n");
    Open(full);
    ASSERT_EQ(form->SatelliteCountEdit->text(), QStringLiteral("7"));
    const QString bare = PathOf(QStringLiteral("bare.bql"));
    WriteBytes(bare, kHeader + "temperature=5\r\n##BUILD##\r\n2:1\r\n");
    Open(bare);
    const QString saved = PathOf(QStringLiteral("saved.bql"));
    Save(saved);
    EXPECT_EQ(ReadBytes(saved), kHeader + "Temperature=0\r\n##BUILD##\r\n2:1:999\r\n");
    EXPECT_EQ(form->SatelliteCountEdit->text(), QStringLiteral("0"));
}

// A typed number past its range is refused on the notice line, and the plan
// keeps the last number that fitted: nothing wraps into another value.
TEST_F(FileCommandsTest, TypedSatellitesPastTheRangeAreRefusedNotWrapped)
{
    form->SatelliteCountEdit->setText(QStringLiteral("12"));
    form->SatelliteCountEdit->setText(QStringLiteral("99999999999999"));
    EXPECT_EQ(platform.notices, QStringList{QStringLiteral(
                                    "Satellites must be a whole number from 0 to 1000000000, not 99999999999999")});
    EXPECT_EQ(form->SatelliteCountEdit->text(), QStringLiteral("12"));
    EXPECT_TRUE(platform.messages.empty());
    const QString saved = PathOf(QStringLiteral("saved.bql"));
    Save(saved);
    EXPECT_EQ(ReadBytes(saved), kHeader + "Temperature=0\r\nSatellites=12\r\n##BUILD##\r\n");
}

TEST_F(FileCommandsTest, RelativePathOpensFromTheCurrentFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    WriteBytes(PathOf(QStringLiteral("sub/plan.bql")), kHeader + "Temperature=5\r\n##BUILD##\r\n2:1\r\n");
    QDir::setCurrent(dir.path());
    OpenQueueFilePath(*form, QStringLiteral("sub/plan.bql"));
    EXPECT_TRUE(platform.errorBoxes.empty()) << platform.errorBoxes.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(form->queue.Count(), 1);
    EXPECT_EQ(form->FileDialog.fileName, PathOf(QStringLiteral("sub/plan.bql")));
}

TEST_F(FileCommandsTest, ValueOutOfRangeRefusesTheFileAndKeepsThePlan)
{
    MakePlan();
    const WindowState before = State();
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, kHeader + "Temperature=5\r\nSpeed=1000\r\n##BUILD##\r\n2:1\r\n");
    Open(path);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Economy speed must be a whole number from 1 to 100, not 1000"),
              std::string::npos);
    EXPECT_TRUE(State() == before);
    EXPECT_EQ(form->document.StartPlanet().inputs.economySpeed, 1);
}

// The plan keeps the number an edit would read from the value, and the edit
// shows that number.
TEST_F(FileCommandsTest, TemperatureValueIsReadAsTheEditReadsIt)
{
    const QString path = PathOf(QStringLiteral("q.bql"));
    const struct {
        std::string value;
        int32_t number;
    } cases[] = {
        {"-5" + std::string(1u << 20, 'x'), -5},
        {"\xcc-5 x", 0},
        {"+12 x", 12},
    };
    for (const auto &c : cases) {
        WriteBytes(path, kHeader + "Temperature=" + c.value + "\r\n##BUILD##\r\n");
        Open(path);
        EXPECT_EQ(form->document.StartPlanet().inputs.maxTemperature, c.number);
        EXPECT_EQ(form->MaxTemperatureEdit->text(), QString::number(c.number));
    }
}

TEST_F(FileCommandsTest, UnknownBidLinesAreReportedAndSkipped)
{
    MakePlan();
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, kHeader + "##BUILD##\r\n5:1\r\n2:1\r\n 4:7\r\n3:1\r\n\r\n");
    Open(path);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Unknown BID: 5", "Unknown BID: 0", "Unknown BID: 0"}));
    EXPECT_EQ(State().entries, (std::vector<std::pair<int32_t, int32_t>>{{2, 1}, {3, 1}}));
}

TEST_F(FileCommandsTest, ThousandsOfUnknownLinesGiveTenBoxes)
{
    std::string file = kHeader + "##BUILD##\r\n";
    for (int i = 0; i < 5000; ++i)
        file += "7:1\r\n";
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, file);
    Open(path);
    ASSERT_EQ(platform.messages.size(), 10u);
    EXPECT_EQ(platform.messages[0], "Unknown BID: 7");
    EXPECT_EQ(platform.messages[9], "Skipped 4991 more lines with an unknown BID");
}

struct RejectCase {
    const char *name;
    std::string bytes;
};

class RejectedFile : public FileCommandsTest, public testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedFile, LeavesThePlanAsItWas)
{
    MakePlan();
    const WindowState before = State();
    const QString path = PathOf(QStringLiteral("q.bql"));
    WriteBytes(path, GetParam().bytes);
    Open(path);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Config file is corrupted or not version " + VersionTag(kBuildVersion)});
    EXPECT_TRUE(State() == before);
    EXPECT_FALSE(form->NextButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Files, RejectedFile,
                         testing::Values(RejectCase{"Empty", ""},
                                         RejectCase{
                                             "OtherVersion",
                                             "[Korvelin_0.6_BuildQueueList]\r\nTemperature=-5\r\n##BUILD##\r\n2:1\r\n"},
                                         RejectCase{"Binary", std::string("\x7f"
                                                                          "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                                                                          20)}),
                         [](const auto &info) { return std::string(info.param.name); });

struct OpenFailureCase {
    const char *name;
    const char *path; // inside the temporary folder
    int code;
};

class FailedOpen : public FileCommandsTest, public testing::WithParamInterface<OpenFailureCase> {};

// A failed open shows the "Error" box and goes on: the plan on screen survives.
TEST_P(FailedOpen, ShowsTheSystemErrorAndKeepsThePlan)
{
    MakePlan();
    WriteBytes(PathOf(QStringLiteral("file")), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const WindowState before = State();
    const QString path = PathOf(QString::fromUtf8(GetParam().path));
    Open(path);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    const QString prefix = QStringLiteral("Runtime error %1: ").arg(GetParam().code);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(prefix)) << platform.errorBoxes[0].toStdString();
    EXPECT_TRUE(platform.errorBoxes[0].endsWith(path)) << platform.errorBoxes[0].toStdString();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(State() == before);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedOpen,
                         testing::Values(OpenFailureCase{"VanishedAfterTheDialog", "gone.bql", ENOENT},
                                         OpenFailureCase{"Folder", "folder", EISDIR},
                                         OpenFailureCase{"UnderARegularFile", "file/q.bql", ENOTDIR}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, OpenCancelledKeepsQueueAndDisablesNext)
{
    MakePlan();
    const WindowState before = State();
    form->NextButton->setEnabled(true);
    OpenQueueFile(*form);
    EXPECT_TRUE(State() == before);
    EXPECT_FALSE(form->NextButton->isEnabled());
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    const FileDialogRequest &request = platform.fileDialogs[0];
    EXPECT_EQ(request.title, QStringLiteral("(Building Query List) Load"));
    EXPECT_EQ(request.initialFolder, InitialDialogFolder());
    EXPECT_EQ(request.filter, QStringLiteral("Korvelin build queue (*.bql);;All files (*)"));
    EXPECT_TRUE(request.defaultSuffix.isEmpty());
    EXPECT_TRUE(request.fileName.isEmpty());
    EXPECT_FALSE(request.save);
}

TEST_F(FileCommandsTest, SaveWritesTheFileAndReports)
{
    AppendUpgrade(*form, 1);
    AppendUpgrade(*form, 1);
    AppendUpgrade(*form, 4);
    form->MaxTemperatureEdit->setText(QStringLiteral("35"));
    const QString path = PathOf(QStringLiteral("new.bql"));
    const QString folder = InitialDialogFolder();
    Save(path);
    EXPECT_EQ(ReadBytes(path), ReadBytes(QStringLiteral(KORVELIN_TEST_DATA_DIR "/three-entry-queue/queue.bql")));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Save Complited"});
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    const FileDialogRequest &request = platform.fileDialogs[0];
    EXPECT_EQ(request.title, QStringLiteral("(Building Query List) Save"));
    EXPECT_EQ(request.initialFolder, folder);
    EXPECT_EQ(request.filter, QStringLiteral("Korvelin build queue (*.bql);;All files (*)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bql"));
    EXPECT_TRUE(request.save);
}

TEST_F(FileCommandsTest, SaveCancelledWritesNothing)
{
    MakePlan();
    SaveQueueFile(*form);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FileCommandsTest, RoundTripThroughTheWindowGivesTheSameBytes)
{
    MakePlan();
    const QString first = PathOf(QStringLiteral("a.bql"));
    const QString second = PathOf(QStringLiteral("b.bql"));
    Save(first);
    AppendUpgrade(*form, 2);
    form->MaxTemperatureEdit->setText(QStringLiteral("0"));
    Open(first);
    Save(second);
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
    EXPECT_EQ(form->MaxTemperatureEdit->text(), QStringLiteral("35"));
}

struct SaveFailureCase {
    const char *name;
    const char *path;
    int code;
};

class FailedSave : public FileCommandsTest, public testing::WithParamInterface<SaveFailureCase> {};

TEST_P(FailedSave, IsReportedAndNotCalledComplete)
{
    MakePlan();
    WriteBytes(PathOf(QStringLiteral("file")), "x");
    const WindowState before = State();
    Save(PathOf(QString::fromUtf8(GetParam().path)));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(QStringLiteral("Runtime error %1: ").arg(GetParam().code)))
        << platform.errorBoxes[0].toStdString();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(State() == before);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedSave,
                         testing::Values(SaveFailureCase{"ParentIsARegularFile", "file/q.bql", ENOTDIR},
                                         SaveFailureCase{"ParentMissing", "missing/q.bql", ENOENT}),
                         [](const auto &info) { return std::string(info.param.name); });

// A save that fails while writing (here: the file-size limit) leaves the
// previous file whole and no stray temporary file beside it.
TEST_F(FileCommandsTest, SaveFailingMidWayKeepsThePreviousFile)
{
    for (int i = 0; i < 100; ++i)
        AppendUpgrade(*form, 1);
    const QString path = PathOf(QStringLiteral("plan.bql"));
    const std::string previous = kHeader + "Temperature=7\r\n##BUILD##\r\n2:1:999\r\n";
    WriteBytes(path, previous);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Save(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadBytes(path), previous);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(QStringLiteral("Runtime error %1: ").arg(EFBIG)))
        << platform.errorBoxes[0].toStdString();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.bql")});
}

TEST_F(FileCommandsTest, PickedPathIsOfferedAgainByTheOtherCommand)
{
    MakePlan();
    const QString saved = PathOf(QStringLiteral("saved.bql"));
    Save(saved);
    OpenQueueFile(*form); // cancelled
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_EQ(platform.fileDialogs[1].fileName, saved);
    Open(saved);
    SaveQueueFile(*form); // cancelled
    ASSERT_EQ(platform.fileDialogs.size(), 4u);
    EXPECT_EQ(platform.fileDialogs[3].fileName, saved);
    EXPECT_EQ(platform.fileDialogs[3].defaultSuffix, QStringLiteral("bql"));
}

TEST_F(FileCommandsTest, TimedSaveWritesIntoTheFolderPickedLast)
{
    MakePlan();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("plans")));
    const QString picked = PathOf(QStringLiteral("plans/a.bql"));
    Save(picked);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(picked).absolutePath());

    form->SummaryTimeEdit->setText(QStringLiteral("2d 05:13:20"));
    SaveQueueFileByTime(*form);
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("plans/2d_05-13-20.bql"))), ReadBytes(picked));
    EXPECT_EQ(platform.messages.back(), "Build save to: 2d_05-13-20.bql");
}

struct TimedCase {
    const char *name;
    const char *summaryTime;
    const char *fileName;
};

class TimedSave : public FileCommandsTest, public testing::WithParamInterface<TimedCase> {};

TEST_P(TimedSave, NamesTheFileAfterTheTotalTimeAndOverwritesSilently)
{
    QDir::setCurrent(dir.path());
    MakePlan();
    form->SummaryTimeEdit->setText(QString::fromUtf8(GetParam().summaryTime));
    const QString name = QString::fromUtf8(GetParam().fileName);
    WriteBytes(PathOf(name), "older plan");
    SaveQueueFileByTime(*form);
    SaveQueueFileByTime(*form);
    EXPECT_TRUE(ReadBytes(PathOf(name)).starts_with(kHeader));
    EXPECT_EQ(platform.messages, std::vector<std::string>(2, "Build save to: " + name.toStdString()));
    EXPECT_TRUE(platform.fileDialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(Times, TimedSave,
                         testing::Values(TimedCase{"Zero", "00:00:00", "00-00-00.bql"},
                                         TimedCase{"TypedText", "ab:c d", "ab-c_d.bql"},
                                         TimedCase{"NoCalculationYet", "", ".bql"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, TimedSaveIntoAMissingFolderIsReported)
{
    QDir::setCurrent(dir.path());
    MakePlan();
    form->SummaryTimeEdit->setText(QStringLiteral("nowhere/1:2"));
    SaveQueueFileByTime(*form);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_TRUE(platform.errorBoxes[0].startsWith(QStringLiteral("Runtime error %1: ").arg(ENOENT)));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FileCommandsTest, CopyPutsTheCompactTextOnTheClipboard)
{
    ApplyLoadedQueue(form->queue, std::vector<LoadedEntry>{{1, 1}, {1, 2}, {2, 1}, {44, 3}});
    CopyQueueText(*form);
    EXPECT_EQ(platform.clipboardTexts, QStringList{QStringLiteral("М1 М2 К1 Ракетница3 ")});
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace korvelin::test
