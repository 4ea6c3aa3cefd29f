#include "ui/FileCommands.h"

#include "plan/QuestionTexts.h"
#include "storage/QueueFile.h"
#include "storage/QueueText.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueFileIO.h"
#include "ui/RecentFolder.h"
#include "util/ParseInt.h"
#include "util/Version.h"

#include <QDir>
#include <QFileInfo>

namespace korvelin {
namespace {

std::string CurrentVersionTag()
{
    return VersionTag(ReadFileVersion());
}

void ShowFileError(MainForm &form, const FileFailure &error, const QString &path)
{
    form.platform.ShowErrorBox(RuntimeErrorText(error, path));
}

// The path goes back into the shared file-name box, and its folder becomes
// the current directory, where the timed save writes, and the folder the
// dialogs start in next time.
void RememberPickedPath(MainForm &form, const QString &path)
{
    form.FileDialog.fileName = path;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    RememberFolderOf(path);
}

void ReadPickedFile(MainForm &form, const QString &path)
{
    // Resolved before the folder changes: a relative path names a file in
    // the folder the program was started in.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    RememberPickedPath(form, absolute);
    ReadQueueFile(form, absolute);
}

// Queue files first; any other file can still be picked and is judged by
// its content.
QString QueueFileFilter()
{
    return QStringLiteral("Korvelin build queue (*.bql);;All files (*)");
}

// Save through the dialog; false when cancelled or not written.
bool SaveThroughDialog(MainForm &form)
{
    form.FileDialog.title = QStringLiteral("(Building Query List) Save");
    form.FileDialog.initialFolder = InitialDialogFolder();
    form.FileDialog.filter = QueueFileFilter();
    form.FileDialog.defaultSuffix = QStringLiteral("bql");
    form.FileDialog.save = true;
    const auto path = form.platform.ShowFileDialog(form.FileDialog);
    if (!path)
        return false;
    RememberPickedPath(form, *path);
    if (!WriteQueueFile(form, *path))
        return false;
    form.platform.ShowMessage("Save Complited");
    return true;
}

} // namespace

bool ReadQueueFile(MainForm &form, const QString &path)
{
    const std::string tag = CurrentVersionTag();
    const QueueFileRead read = ReadQueueFileAt(path, tag);
    if (!read.contents) {
        ShowFileError(form, read.failure, path);
        return false;
    }
    const QueueFileContents &contents = *read.contents;
    // The file is read whole before anything changes, so a rejected file
    // leaves the plan on screen as it was.
    for (const std::string &message : LoadMessages(contents, tag))
        form.platform.ShowMessage(message);
    if (!contents.Accepted())
        return false;

    // The number an edit would read from the value: it keeps at most
    // maxLength characters, one per byte here, so a huge value is cut first.
    const auto editNumber = [](const std::optional<std::string> &text, const Edit *edit) {
        return text ? ParseInt(std::string_view(*text).substr(0, static_cast<size_t>(edit->maxLength()))) : 0;
    };
    // The file's whole planet: what it leaves out is the planet built from
    // nothing, never the previous plan's.
    Planet planet = LoadedPlanet(contents);
    planet.inputs.maxTemperature = editNumber(contents.temperature, form.MaxTemperatureEdit);
    planet.inputs.satellites = editNumber(contents.satellites, form.SatelliteCountEdit);
    form.document.ReplacePlan(contents.entries, planet, QStringLiteral("Open"));
    form.document.MarkSaved();
    return true;
}

std::string FormatPlanFile(const MainForm &form)
{
    const Planet planet = CurrentPlanet(form);
    return FormatQueueFile(form.queue.Entries(), std::to_string(planet.inputs.maxTemperature), planet,
                           CurrentVersionTag());
}

bool WriteQueueFile(MainForm &form, const QString &path)
{
    if (const auto error = WriteFileAtomically(path, FormatPlanFile(form))) {
        ShowFileError(form, *error, path);
        return false;
    }
    form.document.MarkSaved();
    return true;
}

bool MaybeSavePlan(MainForm &form)
{
    if (!form.document.IsModified())
        return true;
    QuestionRequest question;
    question.text = QString::fromStdString(SaveChangesQuestion());
    question.buttons = {Answer::Save, Answer::Discard, Answer::Cancel};
    question.defaultAnswer = Answer::Save;
    question.escapeAnswer = Answer::Cancel;
    switch (form.platform.AskQuestion(question)) {
    case Answer::Save:
        return SaveThroughDialog(form);
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

void OpenQueueFile(MainForm &form)
{
    if (!MaybeSavePlan(form))
        return;
    form.FileDialog.title = QStringLiteral("(Building Query List) Load");
    form.FileDialog.initialFolder = InitialDialogFolder();
    form.FileDialog.filter = QueueFileFilter();
    form.FileDialog.defaultSuffix.clear();
    form.FileDialog.save = false;
    if (const auto path = form.platform.ShowFileDialog(form.FileDialog))
        ReadPickedFile(form, *path);
    // Stepping through the timeline starts again only from "Calculate".
    form.NextButton->setEnabled(false);
}

void OpenQueueFilePath(MainForm &form, const QString &path)
{
    if (!MaybeSavePlan(form))
        return;
    ReadPickedFile(form, path);
    form.NextButton->setEnabled(false);
}

void SaveQueueFile(MainForm &form)
{
    SaveThroughDialog(form);
}

void SaveQueueFileByTime(MainForm &form)
{
    const QByteArray time = form.SummaryTimeEdit->text().toUtf8();
    const std::string name = TimedFileName(std::string_view(time.constData(), static_cast<size_t>(time.size())));
    // A name without a folder: QSaveFile resolves it in the current directory.
    if (WriteQueueFile(form, QString::fromStdString(name)))
        form.platform.ShowMessage("Build save to: " + name);
}

void CopyQueueText(MainForm &form)
{
    form.platform.SetClipboardText(QString::fromStdString(CompactQueueText(form.queue.Entries())));
}

} // namespace korvelin
