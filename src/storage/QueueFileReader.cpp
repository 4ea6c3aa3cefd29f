#include "storage/QueueFileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

namespace korvelin {

FileFailure FailureOf(int code)
{
    return {code, std::strerror(code)};
}

QueueFileRead ReadQueueFileFrom(const ReadBytes &read, std::string_view versionTag, size_t maxEntries)
{
    QueueFileRead result;
    try {
        QueueFileParser parser(versionTag, maxEntries);
        std::vector<char> buffer(size_t{1} << 16);
        while (!parser.Complete()) {
            const size_t got = read(buffer, result.failure);
            if (result.failure.code != 0)
                return result;
            if (got == 0)
                break;
            parser.Feed(std::string_view(buffer.data(), std::min(got, buffer.size())));
        }
        QueueFileContents contents = parser.Finish();
        if (contents.tooManyEntries) {
            result.failure = FailureOf(EFBIG);
            return result;
        }
        result.contents = std::move(contents);
    } catch (const std::bad_alloc &) {
        result.contents.reset();
        result.failure = FailureOf(ENOMEM);
    }
    return result;
}

} // namespace korvelin
