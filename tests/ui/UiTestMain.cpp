#include "toolkit/Window.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Window tests run real widgets without a display; the discovery run at build
// time has no CTest environment, hence the default here.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Settings the window remembers go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    // CTest runs the tests as parallel processes: each keeps its settings in
    // a folder of its own, so what one test keeps never reaches another.
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    korvelin::ApplyDesktopLook(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
