#pragma once
// File access shared by the command-line tools: reading a queue file through
// the core's reader, and replacing an output file only once it is complete.

#include "storage/QueueFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvelin::tools {

// Reads the queue file at `path`; on failure `error` holds the reason.
bool ReadQueueFileAt(const std::string &path, std::string_view versionTag, QueueFileContents &contents,
                     std::string &error);

// Writes `bytes` to a temporary file beside `path` (every write checked, then
// synced) and renames it over `path` only when complete, so that a failure
// leaves the old file as it was and no temporary behind. A link is followed
// to the file it names. A device or pipe (/dev/null, /dev/stdout) cannot be
// replaced and is written directly. Returns the reason of a failure.
std::optional<std::string> WriteFileAtomically(const std::string &path, std::string_view bytes);

} // namespace korvelin::tools
