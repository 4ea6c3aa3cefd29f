#include "ui/EditorActions.h"

#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/RecoveryCopy.h"
#include "ui/WorkRunner.h"

#include <QAction>
#include <QShortcut>

namespace korvelin {

namespace {

struct ButtonShortcut {
    QAbstractButton *button;
    QKeySequence keys;
    const char *toolTip;
    // A shortcut that works only while the queue list has the focus: Delete
    // and Ctrl+C mean something else in an edit.
    bool listOnly = false;
};

// The shortcut clicks the button, so it does exactly what the click does and
// nothing while the button is disabled.
void BindShortcut(MainForm &form, const ButtonShortcut &binding)
{
    QWidget *context = binding.listOnly ? static_cast<QWidget *>(form.QueueList) : form.window.get();
    auto *shortcut = new QShortcut(binding.keys, context);
    shortcut->setContext(binding.listOnly ? Qt::WidgetShortcut : Qt::WindowShortcut);
    QAbstractButton *button = binding.button;
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    button->setToolTip(QString::fromUtf8(binding.toolTip) + QStringLiteral(" (") +
                       binding.keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
}

void InstallUndo(MainForm &form)
{
    QUndoStack &stack = form.document.UndoStack();
    QAction *undo = stack.createUndoAction(form.window.get());
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = stack.createRedoAction(form.window.get());
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    }
    redo->setShortcuts(redoKeys);
    form.window->addAction(undo);
    form.window->addAction(redo);
}

} // namespace

void InstallEditorActions(MainForm &form)
{
    InstallUndo(form);
    const ButtonShortcut bindings[] = {
        {form.OpenButton, QKeySequence(Qt::CTRL | Qt::Key_O), "Open a plan"},
        {form.SaveButton, QKeySequence(Qt::CTRL | Qt::Key_S), "Save the plan"},
        {form.DelButton, QKeySequence(Qt::Key_Delete), "Delete the line and the later levels of its item", true},
        {form.UpButton, QKeySequence(Qt::ALT | Qt::Key_Up), "Move the line up"},
        {form.DownButton, QKeySequence(Qt::ALT | Qt::Key_Down), "Move the line down"},
        {form.CpButton, QKeySequence(Qt::CTRL | Qt::Key_C), "Copy the plan as text", true},
        {form.CalculateButton, QKeySequence(Qt::Key_F5), "Play the whole plan"},
        {form.NextButton, QKeySequence(Qt::Key_F6), "Play the next line"},
        {form.BuildTab, QKeySequence(Qt::CTRL | Qt::Key_1), "Buildings"},
        {form.ResearchTab, QKeySequence(Qt::CTRL | Qt::Key_2), "Research"},
        {form.ResourceTab, QKeySequence(Qt::CTRL | Qt::Key_3), "Resources and timeline"},
        {form.AboutTab, QKeySequence(Qt::CTRL | Qt::Key_4), "About"},
    };
    for (const ButtonShortcut &binding : bindings)
        BindShortcut(form, binding);

    form.window->SetCloseGuard([&form] {
        if (TakeCloseRequest(form) || !MaybeSavePlan(form))
            return false;
        if (form.Recovery)
            form.Recovery->EndCleanly();
        return true;
    });
    form.window->AcceptFileDrops([&form](const QString &path) { OpenQueueFilePath(form, path); });
}

} // namespace korvelin
