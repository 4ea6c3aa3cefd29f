#pragma once

#include "queue/BuildQueue.h"

#include <span>
#include <string>
#include <string_view>

namespace korvelin {

// One line for the clipboard: each entry's short name glued to its level and
// followed by one blank ("М1 М2 К1 Ракетница3 "), UTF-8. Empty for an empty
// queue.
std::string CompactQueueText(std::span<const QueueEntry> entries);

// The name the timed save writes under: the total-time text with every ":"
// turned into "-" and every blank into "_", and ".bql" appended.
std::string TimedFileName(std::string_view summaryTimeText);

} // namespace korvelin
