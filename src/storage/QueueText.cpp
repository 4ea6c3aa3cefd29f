#include "storage/QueueText.h"

#include "rules/ItemCatalogue.h"

#include <charconv>

namespace korvelin {

std::string CompactQueueText(std::span<const QueueEntry> entries)
{
    std::string text;
    for (const QueueEntry &entry : entries) {
        // The queue holds catalogue BIDs only; an entry without a name would
        // still show its level rather than read outside the catalogue.
        const int32_t index = ItemIndexOf(entry.bid);
        if (index != -1)
            text += ShortName(index);
        char digits[12];
        const auto result = std::to_chars(digits, digits + sizeof digits, entry.level);
        text.append(digits, result.ptr);
        text += ' ';
    }
    return text;
}

std::string TimedFileName(std::string_view summaryTimeText)
{
    // Byte-wise is safe in UTF-8: no byte of a multi-byte character is ":" or a blank.
    std::string name(summaryTimeText);
    for (char &c : name) {
        if (c == ':')
            c = '-';
        else if (c == ' ')
            c = '_';
    }
    name += ".bql";
    return name;
}

} // namespace korvelin
