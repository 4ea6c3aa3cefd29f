#pragma once
// A deliberately plain reader of queue files, line by line over the whole
// text, as the reading rules state them. The streaming parser must agree with
// it on every input; the randomised test and the fuzz target check that.

#include "plan/InputRanges.h"
#include "rules/ItemCatalogue.h"
#include "storage/QueueFile.h"
#include "util/ParseInt.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvelin::test {

inline std::vector<std::string> SplitQueueFileLines(std::string_view bytes)
{
    const size_t ctrlZ = bytes.find('\x1a');
    if (ctrlZ != std::string_view::npos)
        bytes = bytes.substr(0, ctrlZ);
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos)
            lf = bytes.size();
        std::string line;
        for (const char c : bytes.substr(pos, lf - pos)) {
            if (c != '\r')
                line += c;
        }
        lines.push_back(std::move(line));
        pos = lf + 1;
    }
    return lines;
}

inline QueueFileContents ReferenceReadQueueFile(std::string_view bytes, std::string_view versionTag)
{
    const std::vector<std::string> lines = SplitQueueFileLines(bytes);
    QueueFileContents contents;
    const std::string header = lines.empty() ? std::string() : lines[0];
    if (header != QueueFileHeader(versionTag))
        return contents;
    contents.headerAccepted = true;

    size_t next = 1;
    std::string last = header;
    while (last != "##BUILD##" && next < lines.size()) {
        last = lines[next++];
        const size_t eq = last.find('=');
        const std::string key = last.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : last.substr(eq + 1);
        if (key == "Temperature") {
            contents.temperature = value.substr(0, kMaxTemperatureText);
            if (!kTemperatureRange.Holds(ParseWideInt(*contents.temperature)))
                contents.outOfRange = "temperature";
        }
    }
    for (; next < lines.size(); ++next) {
        const std::string &line = lines[next];
        const size_t first = line.find(':');
        const std::string bidText = line.substr(0, first);
        std::string levelText;
        if (first != std::string::npos) {
            const std::string rest = line.substr(first + 1);
            levelText = rest.substr(0, rest.find(':'));
        }
        const int32_t bid = ParseInt(bidText);
        if (ItemIndexOf(bid) == -1) {
            ++contents.unknownBidLines;
            if (contents.firstUnknownBids.size() < kMaxUnknownBidMessages)
                contents.firstUnknownBids.push_back(bid);
            continue;
        }
        // A level a queue can't hold refuses the file.
        const int64_t level = ParseWideInt(levelText);
        if (level < INT32_MIN || level > INT32_MAX) {
            if (!contents.outOfRange)
                contents.outOfRange = "level";
            continue;
        }
        contents.entries.push_back({bid, static_cast<int32_t>(level)});
    }
    return contents;
}

inline bool SameContents(const QueueFileContents &a, const QueueFileContents &b)
{
    return a.headerAccepted == b.headerAccepted && a.temperature == b.temperature && a.entries == b.entries &&
           a.unknownBidLines == b.unknownBidLines && a.firstUnknownBids == b.firstUnknownBids &&
           a.tooManyEntries == b.tooManyEntries && a.outOfRange.has_value() == b.outOfRange.has_value();
}

} // namespace korvelin::test
