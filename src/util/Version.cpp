#include "util/Version.h"

#include "util/VersionConfig.h"

namespace korvelin {

std::string ReadFileVersion()
{
    return KORVELIN_VERSION_TEXT;
}

std::string VersionTag(std::string_view version)
{
    return std::string(version.substr(0, 3));
}

} // namespace korvelin
