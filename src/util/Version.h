#pragma once

#include <string>
#include <string_view>

namespace korvelin {

// The program's file version, compiled in from the build's project
// version. Read afresh at every use like the version block it stands for.
std::string ReadFileVersion();

// The version tag of queue files: the first three characters of the version,
// or the whole text when it is shorter.
std::string VersionTag(std::string_view version);

} // namespace korvelin
