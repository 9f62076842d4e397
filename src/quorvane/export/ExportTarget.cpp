#include "export/ExportTarget.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace quorvane::exporting {
namespace {

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

ExportTarget::ExportTarget(std::string path) : path_(std::move(path))
{
    const std::filesystem::path chosen(path_);
    // Hidden and beside the chosen file: the rename stays on one file system, so it is atomic.
    std::string pattern = (chosen.parent_path() / ("." + chosen.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        fail(std::strerror(errno));
    ::close(descriptor);
    temporary_ = pattern;
}

ExportTarget::~ExportTarget()
{
    if (!committed_ && !temporary_.empty())
        std::remove(temporary_.c_str());
}

void ExportTarget::fail(const std::string& reason) const
{
    throw ExportError("Cannot write the export file " + path_ + ": " + reason);
}

void ExportTarget::commit()
{
    if (::chmod(temporary_.c_str(), newFileMode()) != 0 || std::rename(temporary_.c_str(), path_.c_str()) != 0)
        fail(std::strerror(errno));
    committed_ = true;
}

} // namespace quorvane::exporting
