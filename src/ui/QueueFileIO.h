#pragma once
// Moving queue-file bytes between the core and the disk. Reading hands the
// file to the core's reader piece by piece; writing goes through QSaveFile, so
// a failed or interrupted save leaves the previous file whole.

#include "storage/QueueFileReader.h"

#include <QString>

#include <optional>
#include <string_view>

namespace korvelin {

// "Runtime error <n>: <reason>: <path>", the text of the "Error" box.
QString RuntimeErrorText(const FileFailure &failure, const QString &path);

// Reads the queue file at `path` through the core's reader. Anything but a
// regular file or a folder is refused unopened: opening a pipe would wait for
// a writer.
QueueFileRead ReadQueueFileAt(const QString &path, std::string_view versionTag);

// Replaces the file's content with `bytes` atomically.
std::optional<FileFailure> WriteFileAtomically(const QString &path, std::string_view bytes);

} // namespace korvelin
