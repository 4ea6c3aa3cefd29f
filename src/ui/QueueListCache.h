#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace korvelin {

// What the lines of QueueList were last written from, so that a refresh
// rewrites only the lines whose entry changed and none when the queue did not.
struct QueueListCache {
    uint64_t revision = std::numeric_limits<uint64_t>::max(); // queue revision the lines show
    struct Line {
        int32_t bid;
        int32_t level;
        bool operator==(const Line &) const = default;
    };
    std::vector<Line> lines;
};

} // namespace korvelin
