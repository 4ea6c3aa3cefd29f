#pragma once
// Moving queue-file bytes between the core and the disk. Reading feeds the
// core's parser piece by piece; writing goes through QSaveFile, so a failed or
// interrupted save leaves the previous file whole.

#include "storage/QueueFile.h"

#include <QString>

#include <optional>
#include <string_view>

namespace korvelin {

// A failed file operation: the operating system's error number, and the
// reason when the system's text for that number would not say it.
struct FileError {
    int code = 0;
    const char *reason = nullptr;
};

// "Runtime error <n>: <reason>: <path>", the text of the "Error" box.
QString RuntimeErrorText(const FileError &error, const QString &path);

// Reads the file into `parser` until its end or until the parser needs no
// more. Nothing when every read succeeded. Anything but a regular file or a
// folder is refused unopened: opening a pipe would wait for a writer.
std::optional<FileError> ReadFileInto(const QString &path, QueueFileParser &parser);

// Replaces the file's content with `bytes` atomically.
std::optional<FileError> WriteFileAtomically(const QString &path, std::string_view bytes);

} // namespace korvelin
