#pragma once
// The embedded company database as a file: how it is opened, and what its failures are called.
//
// The path is handed to the engine as a file URI built here, so that no character of a file name (";",
// "?", "#", "%", a trailing blank, a leading "file:") can add an option or name another file. A company
// database is read while the ERP goes on writing into it: every connection waits for a busy file up to a
// bound before it reports it busy. A database in write-ahead-log mode whose folder cannot be written, and
// which has no log beside it, is read as it stands: nobody can be writing into it, and the engine leaves
// no file beside it.

#include <string>
#include <string_view>

struct sqlite3;

namespace db {

struct SqliteFileOptions {
    bool readOnly = false;
    int busyTimeoutMs = 10000;
};

// Opens the file; throws EngineFailure naming it when it cannot: it does not exist (read-only), it is a
// folder, a pipe or a device (refused before anything waits on it), or the engine refuses it.
sqlite3* openSqliteFile(const std::string& path, const SqliteFileOptions& options);

// An error code and message of the engine as db::Error: a failure of the file itself (busy, damaged, not a
// database, unreadable) as EngineFailure naming `path`; any other as the engine's message with the statement.
[[noreturn]] void throwEngineError(int code, const std::string& message, const std::string& path,
                                   int busyTimeoutMs, std::string_view statement);

} // namespace db
