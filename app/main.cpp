#include "toolkit/QtPlatform.h"
#include "toolkit/Window.h"
#include "ui/MainForm.h"
#include "util/Extended.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Lets Wayland shells match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVELIN_APP_ID));
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
    return korvelin::RunMessageLoop();
}
