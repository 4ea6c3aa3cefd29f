#include "toolkit/Window.h"

#include <QApplication>
#include <QStandardPaths>

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
    korvelin::ApplyDesktopLook(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
