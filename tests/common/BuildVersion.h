#pragma once
// The build's own version as CMake hands it to the tests, so that no test
// writes the version again.

#include "storage/QueueFile.h"
#include "util/Version.h"

#include <string>

namespace korvelin::test {

inline constexpr const char *kBuildVersion = KORVELIN_TEST_VERSION;

// The first line of a queue file this build writes and accepts.
inline std::string BuildQueueHeader()
{
    return QueueFileHeader(VersionTag(kBuildVersion));
}

} // namespace korvelin::test
