#include "ui/RecentFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace korvelin {

namespace {

const QString kLastFolderKey = QStringLiteral("FileDialog/LastFolder");

QSettings Settings()
{
    return QSettings(QStringLiteral("Korvelin"), QStringLiteral("Korvelin"));
}

} // namespace

QString InitialDialogFolder()
{
    const QString last = Settings().value(kLastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void RememberFolderOf(const QString &filePath)
{
    Settings().setValue(kLastFolderKey, QFileInfo(filePath).absolutePath());
}

} // namespace korvelin
