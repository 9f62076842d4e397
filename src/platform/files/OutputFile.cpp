#include "files/OutputFile.h"

#include "files/InterruptCleanup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

std::string failure(const std::string& description, const std::string& path, const std::string& reason)
{
    return "Cannot write " + description + " " + path + ": " + reason;
}

// Why a file of this kind may not be replaced; empty for a regular file.
std::string refusedKind(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return "it is a folder";
    if (S_ISFIFO(status.st_mode))
        return "it is a pipe";
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return "it is a device";
    if (S_ISSOCK(status.st_mode))
        return "it is a socket";
    return "it is not a regular file";
}

bool sameFile(const struct stat& status, const std::string& other)
{
    struct stat otherStatus {};
    return !other.empty() && ::stat(other.c_str(), &otherStatus) == 0 && otherStatus.st_dev == status.st_dev
           && otherStatus.st_ino == status.st_ino;
}

// The file to write for `path` under the rule, or the reason it is refused. Only looks: opens nothing, so a
// pipe with no reader cannot hold the command.
struct Resolution {
    std::string target;
    std::string refusal;
};

Resolution resolve(const std::string& path, const std::vector<std::string>& filesRead)
{
    if (path.empty())
        return {{}, "the file has no name"};
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0)
        return errno == ENOENT ? Resolution{path, {}} : Resolution{{}, std::strerror(errno)};
    struct stat status = link;
    std::string target = path;
    if (S_ISLNK(link.st_mode)) {
        std::error_code error;
        target = std::filesystem::canonical(path, error).string();
        if (error || ::stat(target.c_str(), &status) != 0)
            return {{}, "it is a symbolic link that points to no file"};
    }
    if (std::string kind = refusedKind(status); !kind.empty())
        return {{}, kind};
    for (const std::string& read : filesRead) {
        if (sameFile(status, read))
            return {{}, "it is " + read + ", which this command reads"};
    }
    return {target, {}};
}

// The mode a new file gets under the process's file-creation mask. The mask is read, not set and restored:
// setting it would change it for a moment under the process's other threads.
mode_t newFileMode()
{
    std::ifstream status("/proc/self/status");
    mode_t mask = 022;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0)
            mask = static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    return 0666 & ~mask;
}

} // namespace

void checkOutputPath(const std::string& path, const std::string& description, const std::vector<std::string>& filesRead)
{
    if (const Resolution resolution = resolve(path, filesRead); !resolution.refusal.empty())
        throw OutputFileError(failure(description, path, resolution.refusal));
}

OutputFile::OutputFile(std::string path, std::string description, const std::vector<std::string>& filesRead)
    : path_(std::move(path)), description_(std::move(description))
{
    const Resolution resolution = resolve(path_, filesRead);
    if (!resolution.refusal.empty())
        fail(resolution.refusal);
    target_ = resolution.target;
    const std::filesystem::path chosen(target_);
    // Hidden and beside the file it replaces: the rename stays on one file system, so it is atomic.
    std::string pattern = (chosen.parent_path() / ("." + chosen.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        fail(std::strerror(errno));
    ::close(descriptor);
    temporary_ = pattern;
    cleanupSlot_ = removeOnInterrupt(temporary_);
}

OutputFile::~OutputFile()
{
    if (!committed_ && !temporary_.empty())
        std::remove(temporary_.c_str());
    forgetOnInterrupt(cleanupSlot_);
}

void OutputFile::fail(const std::string& reason) const
{
    throw OutputFileError(failure(description_, path_, reason));
}

// The path is looked at again: what was put there while the output was written obeys the rule too.
void OutputFile::commit()
{
    const Resolution now = resolve(target_, {});
    if (!now.refusal.empty())
        fail(now.refusal);
    if (::chmod(temporary_.c_str(), newFileMode()) != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail(std::strerror(errno));
    committed_ = true;
    forgetOnInterrupt(cleanupSlot_);
    cleanupSlot_ = -1;
}

} // namespace files
