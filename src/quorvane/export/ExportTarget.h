#pragma once
// The file an export writes, made under a temporary name beside the chosen one and renamed onto it only when
// complete: a failed or cancelled export leaves nothing under the chosen name, and a file that was already
// there stays as it was.

#include <stdexcept>
#include <string>

namespace quorvane::exporting {

// An export that could not be written; the message names the file.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ExportTarget {
public:
    // Creates the temporary file beside `path`; throws ExportError when the folder does not take it.
    explicit ExportTarget(std::string path);
    // Removes the temporary file unless it was committed.
    ~ExportTarget();
    ExportTarget(const ExportTarget&) = delete;
    ExportTarget& operator=(const ExportTarget&) = delete;

    const std::string& path() const { return path_; }
    const std::string& temporaryPath() const { return temporary_; }
    // Throws ExportError with the file's name and the reason.
    [[noreturn]] void fail(const std::string& reason) const;
    // Gives the complete file its final name, readable as the user's other new files are.
    void commit();

private:
    std::string path_;
    std::string temporary_;
    bool committed_ = false;
};

} // namespace quorvane::exporting
