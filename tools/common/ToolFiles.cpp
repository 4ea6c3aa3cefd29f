#include "ToolFiles.h"

#include "storage/QueueFileReader.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace korvelin::tools {

bool ReadQueueFileAt(const std::string &path, std::string_view versionTag, QueueFileContents &contents,
                     std::string &error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    const ReadBytes read = [&file](std::span<char> buffer, FileFailure &failure) -> size_t {
        if (!file)
            return 0;
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (file.bad()) {
            // The stream keeps no error number.
            failure = {EIO, "read error"};
            return 0;
        }
        return static_cast<size_t>(file.gcount());
    };
    QueueFileRead result = ReadQueueFileFrom(read, versionTag);
    if (!result.contents) {
        error = result.failure.text;
        return false;
    }
    contents = std::move(*result.contents);
    return true;
}

namespace {

std::string ErrnoText()
{
    return std::strerror(errno);
}

std::optional<std::string> WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return ErrnoText();
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return std::nullopt;
}

std::optional<std::string> WriteInPlace(const std::string &path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return ErrnoText();
    std::optional<std::string> error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !error)
        error = ErrnoText();
    return error;
}

// What a file created with open() would get: 0666 without the umask bits.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    std::string target = path;
    struct stat existing {};
    bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            target = resolved;
            exists = ::stat(target.c_str(), &existing) == 0;
        } else {
            exists = false; // a dangling link is replaced by the file
        }
    }
    if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))
        return WriteInPlace(target, bytes);

    // Beside the target, so that the rename stays on one file system.
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + (folder.back() == '/' ? "" : "/") + "." + name + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return ErrnoText();
    std::optional<std::string> error;
    if (::fchmod(fd, exists ? (existing.st_mode & 07777) : NewFileMode()) != 0)
        error = ErrnoText();
    if (!error)
        error = WriteAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = ErrnoText();
    if (::close(fd) != 0 && !error)
        error = ErrnoText();
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = ErrnoText();
    if (error)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace korvelin::tools
