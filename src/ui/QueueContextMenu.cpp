#include "ui/QueueContextMenu.h"

#include "ui/ItemNames.h"
#include "ui/MainForm.h"
#include "ui/NextView.h"
#include "ui/PlanetCommands.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace korvelin {

void InstallQueueContextMenu(MainForm &form)
{
    ListBox *list = form.QueueList;
    auto *menu = new QMenu(list);
    form.QueueMenu = menu;
    form.BuiltUpToHereAction = menu->addAction(QStringLiteral("Built up to here"));
    QObject::connect(form.BuiltUpToHereAction, &QAction::triggered, list,
                     [&form] { BuildUpToHere(form, form.QueueList->CurrentIndex()); });
    // Each command does what its button does, through the button, so it is
    // refused exactly when the button is.
    std::vector<std::pair<QAction *, QPushButton *>> commands;
    for (QPushButton *button : {form.DelButton, form.UpButton, form.DownButton, form.CpButton}) {
        QAction *action = menu->addAction(button->text());
        QObject::connect(action, &QAction::triggered, button, &QPushButton::click);
        commands.emplace_back(action, button);
    }
    QObject::connect(menu, &QMenu::aboutToShow, list, [&form, commands] {
        const int line = form.QueueList->CurrentIndex();
        form.BuiltUpToHereAction->setEnabled(line >= 0 && line < form.queue.Count());
        for (const auto &[action, button] : commands)
            action->setEnabled(button->isEnabled());
    });
    menu->addSeparator();
    // Beside the panel's Optimize and Goal…: a search of its own over the plan.
    QAction *grow = menu->addAction(QStringLiteral("Grow\u2026"));
    QObject::connect(grow, &QAction::triggered, list, [&form] { GrowPlan(form); });
    menu->addSeparator();
    form.EnglishNamesAction = menu->addAction(QStringLiteral("English item names"));
    form.EnglishNamesAction->setCheckable(true);
    form.EnglishNamesAction->setChecked(form.englishItemNames);
    QObject::connect(form.EnglishNamesAction, &QAction::triggered, list,
                     [&form](bool checked) { SetEnglishItemNames(form, checked); });
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list, &QWidget::customContextMenuRequested, list, [&form, menu](const QPoint &at) {
        ListBox *queueList = form.QueueList;
        // A right click picks its line as a left click would; the menu key
        // acts on the current one.
        if (const QListWidgetItem *item = queueList->itemAt(at)) {
            queueList->clearSelection();
            queueList->SetSelected(queueList->row(item), true);
        }
        menu->popup(queueList->viewport()->mapToGlobal(at));
    });
}

} // namespace korvelin
