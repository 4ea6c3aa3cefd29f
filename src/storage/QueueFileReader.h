#pragma once

#include "storage/QueueFile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvelin {

// A failed file operation: the operating system's error number and the text
// to show for it.
struct FileFailure {
    int code = 0;
    std::string text;
};

// The text of an error number, as the C library words it.
FileFailure FailureOf(int code);

// Pulls the file's next bytes into `buffer` and returns how many it put
// there, 0 at the end of the file; on a failure it fills `failure` instead.
using ReadBytes = std::function<size_t(std::span<char> buffer, FileFailure &failure)>;

struct QueueFileRead {
    std::optional<QueueFileContents> contents; // nothing when the read failed
    FileFailure failure;
};

// Reads a queue file through `read` piece by piece until its end or until
// the parser needs no more, so a file is never held whole. Running out of
// memory fails with ENOMEM, and more entries than a queue can index with
// EFBIG: a partial queue would pass for the whole plan.
QueueFileRead ReadQueueFileFrom(const ReadBytes &read, std::string_view versionTag,
                                size_t maxEntries = kMaxQueueFileEntries);

} // namespace korvelin
