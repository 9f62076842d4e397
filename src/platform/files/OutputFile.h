#pragma once
// A file written for the user: made under a hidden temporary name beside the file it replaces and renamed
// onto it only when complete, so a failed, cancelled or interrupted output leaves whatever was there as it
// was and no temporary file behind.
//
// What may be at the path: nothing (a new file), or a regular file, which is replaced. A folder, a pipe, a
// device or a socket is refused before anything is opened, and so is a file the command reads (the same
// file under any name). A symbolic link is followed: the file it points to is written, the link stays a
// link, and what it points to obeys the same rule; a link that points to nothing is refused.

#include <stdexcept>
#include <string>
#include <vector>

namespace files {

// An output that could not be written; the message names the file and the cause.
class OutputFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws OutputFileError when `path` may not be written under the rule above: `description` names the
// file in the message ("the export file"), `filesRead` are the files the output must never replace.
void checkOutputPath(const std::string& path, const std::string& description,
                     const std::vector<std::string>& filesRead = {});

class OutputFile {
public:
    // Checks the path and creates the temporary file; throws OutputFileError.
    OutputFile(std::string path, std::string description, const std::vector<std::string>& filesRead = {});
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& path() const { return path_; }
    // Where to write; the writer opens it and closes it before commit().
    const std::string& temporaryPath() const { return temporary_; }
    // Throws OutputFileError with the file's name and the reason.
    [[noreturn]] void fail(const std::string& reason) const;
    // Gives the complete file its final name, with the mode the user's new files get (the umask).
    void commit();

private:
    std::string path_;
    std::string description_;
    std::string target_;     // the file written: the path, or the file its symbolic link points to
    std::string temporary_;
    bool committed_ = false;
    int cleanupSlot_ = -1;   // the temporary file's registration for removal on an interrupt
};

} // namespace files
