#pragma once
// The properties every input must keep, shared by the randomised test and the
// fuzz target. Returns what went wrong, or an empty text.

#include "CodePage1251.h"
#include "ReferenceQueueReader.h"
#include "storage/QueueFile.h"
#include "storage/QueueText.h"

#include <string>
#include <string_view>

namespace korvelin::test {

inline std::string CheckQueueFileProperties(std::string_view bytes, size_t pieceSize)
{
    const QueueFileContents expected = ReferenceReadQueueFile(bytes, "0.7");
    const QueueFileContents whole = ParseQueueFile(bytes, "0.7");
    if (!SameContents(whole, expected))
        return "streaming parser disagrees with the plain reader";

    QueueFileParser parser("0.7");
    for (size_t pos = 0; pos < bytes.size() && !parser.Complete(); pos += pieceSize)
        parser.Feed(bytes.substr(pos, pieceSize));
    if (!SameContents(parser.Finish(), expected))
        return "result depends on how the bytes are fed";

    const auto messages = LoadMessages(whole, "0.7");
    if (messages.size() > kMaxUnknownBidMessages)
        return "too many message boxes";
    if (!whole.headerAccepted)
        return whole.entries.empty() && !whole.temperature && messages.size() == 1 ? "" : "rejected file carries data";
    // A refused file is never loaded: it shows the one message that names the value.
    if (whole.outOfRange)
        return messages.size() == 1 ? "" : "refused file shows other messages";

    BuildQueue queue;
    ApplyLoadedQueue(queue, whole.entries);
    if (static_cast<size_t>(queue.Count()) != whole.entries.size())
        return "queue lost entries";
    // Writing what was loaded and reading it back gives the same queue, and
    // writing that again gives the same bytes.
    const std::string written = FormatQueueFile(queue.Entries(), whole.temperature.value_or(""), "0.7");
    const QueueFileContents reread = ParseQueueFile(written, "0.7");
    if (!reread.headerAccepted || reread.entries != whole.entries || reread.unknownBidLines != 0)
        return "written file does not read back";
    if (FormatQueueFile(queue.Entries(), reread.temperature.value_or(""), "0.7") != written)
        return "second write differs";
    for (const char c : written) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return "written file is not ASCII";
    }
    if (!EncodeCodePage1251(CompactQueueText(queue.Entries())))
        return "compact text has no single-byte form";
    return {};
}

} // namespace korvelin::test
