#include "ui/QueueFileIO.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>
#include <vector>

namespace korvelin {
namespace {

// Qt reports the reason only as text; the number is the errno its failing
// system call left. Qt may not reach a system call at all (a directory opened
// for reading is refused after a successful open), hence the fallbacks.
FileError LastError(const QString &path, QFileDevice::FileError kind)
{
    if (errno != 0)
        return {errno};
    if (kind == QFileDevice::OpenError && QFileInfo(path).isDir())
        return {EISDIR};
    return {EIO};
}

} // namespace

QString RuntimeErrorText(const FileError &error, const QString &path)
{
    const std::string reason = error.reason ? error.reason : std::generic_category().message(error.code);
    return QStringLiteral("Runtime error %1: %2: %3").arg(error.code).arg(QString::fromStdString(reason), path);
}

std::optional<FileError> ReadFileInto(const QString &path, QueueFileParser &parser)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return FileError{EINVAL, "Not a regular file"};
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return LastError(path, file.error());
    std::vector<char> buffer(64 * 1024);
    while (!parser.Complete()) {
        errno = 0;
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return LastError(path, file.error());
        if (got == 0)
            break;
        parser.Feed(std::string_view(buffer.data(), static_cast<size_t>(got)));
    }
    return std::nullopt;
}

std::optional<FileError> WriteFileAtomically(const QString &path, std::string_view bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return LastError(path, file.error());
    errno = 0;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const FileError error = LastError(path, file.error());
        file.cancelWriting();
        return error;
    }
    // commit() ignores a failure of its own final flush (Qt 6.4) and would
    // rename a truncated file over the old one, so flush and check first.
    errno = 0;
    if (!file.flush()) {
        const FileError error = LastError(path, file.error());
        file.cancelWriting();
        return error;
    }
    // Syncs and renames over the old file; until then the old file stays as
    // it was.
    errno = 0;
    if (!file.commit())
        return LastError(path, file.error());
    return std::nullopt;
}

} // namespace korvelin
