#include "toolkit/QtPlatform.h"
#include "toolkit/Window.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/RecoveryCopy.h"
#include "util/Extended.h"
#include "util/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvelin"));
    QApplication::setApplicationVersion(QString::fromStdString(korvelin::ReadFileVersion()));
    // Lets Wayland shells match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVELIN_APP_ID));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plans the build queue of a planet on a simulated clock."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A queue file (.bql) to open."),
                                 QStringLiteral("[FILE.bql]"));
    parser.process(application);

    // Relative to the folder the program was started in, whatever folder is
    // current by the time the file is opened.
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files.append(QFileInfo(file).absoluteFilePath());

    korvelin::ApplyDesktopLook(application);
    if (!korvelin::ExtendedPrecisionWorks()) {
        QMessageBox::critical(nullptr, QStringLiteral("Korvelin"),
                              QStringLiteral("This machine does not compute with the 64-bit extended precision "
                                             "the planner needs, so its figures would be wrong here.\n"
                                             "Korvelin will close."));
        return 1;
    }
    korvelin::QtPlatform platform;
    const auto form = korvelin::CreateMainForm(platform);
    platform.SetOwner(form->window.get());
    form->window->show();
    // Asked before a plan named here is opened, so that plan never replaces
    // the unsaved one unasked.
    korvelin::StartRecovery(*form, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!files.isEmpty())
        korvelin::OpenQueueFilePath(*form, files.first());
    return korvelin::RunMessageLoop();
}
