#include "storage/QueueText.h"

#include "rules/ItemCatalogue.h"

#include <charconv>
#include <iconv.h>

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

std::optional<std::string> EncodeCodePage1251(std::string_view utf8)
{
    iconv_t converter = iconv_open("CP1251", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // A UTF-8 character never takes fewer bytes than its single-byte form.
    std::string out(utf8.size(), '\0');
    char *in = const_cast<char *>(utf8.data());
    size_t inLeft = utf8.size();
    char *outPtr = out.data();
    size_t outLeft = out.size();
    const size_t converted = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
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
