#include "ui/QueueFileIO.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace korvelin {
namespace {

// Qt reports the reason only as text; the number is the errno its failing
// system call left. Qt may not reach a system call at all (a directory opened
// for reading is refused after a successful open), hence the fallbacks.
FileFailure LastError(const QString &path, QFileDevice::FileError kind)
{
    if (errno != 0)
        return FailureOf(errno);
    if (kind == QFileDevice::OpenError && QFileInfo(path).isDir())
        return FailureOf(EISDIR);
    return FailureOf(EIO);
}

} // namespace

QString RuntimeErrorText(const FileFailure &failure, const QString &path)
{
    return QStringLiteral("Runtime error %1: %2: %3").arg(failure.code).arg(QString::fromStdString(failure.text), path);
}

QueueFileRead ReadQueueFileAt(const QString &path, std::string_view versionTag)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return {std::nullopt, {EINVAL, "Not a regular file"}};
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {std::nullopt, LastError(path, file.error())};
    const ReadBytes read = [&](std::span<char> buffer, FileFailure &failure) -> size_t {
        errno = 0;
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0) {
            failure = LastError(path, file.error());
            return 0;
        }
        return static_cast<size_t>(got);
    };
    return ReadQueueFileFrom(read, versionTag);
}

std::optional<FileFailure> WriteFileAtomically(const QString &path, std::string_view bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return LastError(path, file.error());
    errno = 0;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const FileFailure error = LastError(path, file.error());
        file.cancelWriting();
        return error;
    }
    // commit() ignores a failure of its own final flush (Qt 6.4) and would
    // rename a truncated file over the old one, so flush and check first.
    errno = 0;
    if (!file.flush()) {
        const FileFailure error = LastError(path, file.error());
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
