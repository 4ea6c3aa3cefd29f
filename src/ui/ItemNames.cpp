#include "ui/ItemNames.h"

#include "rules/ItemCatalogue.h"
#include "ui/MainForm.h"
#include "ui/PlanTableWindow.h"
#include "ui/QueueView.h"

#include <QAction>
#include <QSettings>

#include <array>

namespace korvelin {

namespace {

const QString kEnglishNamesKey = QStringLiteral("View/EnglishItemNames");

using NameTable = std::array<QString, kItemCount + 1>; // by ItemIndex; 0 stays empty

NameTable MakeNames(std::string_view (*name)(int32_t))
{
    NameTable names;
    for (int32_t item = 1; item <= kItemCount; ++item)
        names[static_cast<size_t>(item)] = QString::fromUtf8(name(item));
    return names;
}

} // namespace

const QString &ItemName(int32_t bid, bool english)
{
    // Made once: the queue list asks for a name per line it writes.
    static const NameTable russian = MakeNames(FullName);
    static const NameTable englishNames = MakeNames(EnglishName);
    const int32_t item = ItemIndexOf(bid);
    const size_t at = item == -1 ? 0 : static_cast<size_t>(item);
    return english ? englishNames[at] : russian[at];
}

bool LoadEnglishItemNames()
{
    return QSettings(QStringLiteral("Korvelin"), QStringLiteral("Korvelin")).value(kEnglishNamesKey, false).toBool();
}

void SetEnglishItemNames(MainForm &form, bool english)
{
    if (form.englishItemNames == english)
        return;
    form.englishItemNames = english;
    QSettings(QStringLiteral("Korvelin"), QStringLiteral("Korvelin")).setValue(kEnglishNamesKey, english);
    RewriteQueueLines(form);
    // The menu's entry and the table's box show the one choice.
    if (form.EnglishNamesAction)
        form.EnglishNamesAction->setChecked(english);
    if (form.TableWindow)
        form.TableWindow->ShowEnglishNames(english);
}

} // namespace korvelin
