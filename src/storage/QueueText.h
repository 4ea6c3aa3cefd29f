#pragma once

#include "queue/BuildQueue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvelin {

// One line for the clipboard: each entry's short name glued to its level and
// followed by one blank ("М1 М2 К1 Ракетница3 "), UTF-8. Empty for an empty
// queue.
std::string CompactQueueText(std::span<const QueueEntry> entries);

// The text in Windows code page 1251, the program's single-byte character set;
// nothing if a character has no place in it or the system cannot convert.
std::optional<std::string> EncodeCodePage1251(std::string_view utf8);

// The name the timed save writes under: the total-time text with every ":"
// turned into "-" and every blank into "_", and ".bql" appended.
std::string TimedFileName(std::string_view summaryTimeText);

} // namespace korvelin
