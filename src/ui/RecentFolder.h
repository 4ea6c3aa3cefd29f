#pragma once
// The folder the file dialogs start in: that of the file opened or saved
// last, remembered between runs, else the user's documents folder. An
// installed program's own folder is no place for a user's plans.

#include <QString>

namespace korvelin {

QString InitialDialogFolder();
void RememberFolderOf(const QString &filePath);

} // namespace korvelin
