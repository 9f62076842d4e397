#include "db/SqliteFile.h"

#include "db/EngineFailure.h"

#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace db {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void refuse(const std::string& path, const std::string& why, std::string_view statement = {})
{
    throw EngineFailure("The database " + path + " " + why, std::string(statement));
}

// Only a regular file is opened: a pipe or a device would keep the window waiting for a writer that never
// comes, or read what is not a database.
void checkIsAFile(const std::string& path, bool readOnly)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        if (readOnly)
            refuse(path, "does not exist.");
        return;
    }
    if (fs::is_directory(status))
        refuse(path, "is a folder, not a database file.");
    if (!fs::is_regular_file(status))
        refuse(path, "is a pipe or a device, not a database file.");
}

// Bytes 18 and 19 of the header say 2 when the database keeps a write-ahead log.
bool keepsWriteAheadLog(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::array<char, 20> head{};
    return file.read(head.data(), head.size()) && head[18] == 2 && head[19] == 2;
}

bool exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

bool folderIsWritable(const std::string& path)
{
    const fs::path folder = fs::absolute(fs::path(path)).parent_path();
    return ::access(folder.c_str(), W_OK) == 0;
}

// Nobody writes into a log database whose folder cannot take the log, so reading it as unchanging is exact.
bool readAsItStands(const std::string& path, bool readOnly)
{
    return readOnly && keepsWriteAheadLog(path) && !folderIsWritable(path) && !exists(path + "-wal")
           && !exists(path + "-shm");
}

// "file://" and the absolute path with every byte but letters, digits, "-._~" and "/" written as %XX.
std::string fileUri(const std::string& path, bool readOnly)
{
    std::string uri = "file://";
    for (unsigned char c : fs::absolute(fs::path(path)).string()) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    uri += readOnly ? "?mode=ro" : "?mode=rwc";
    if (readAsItStands(path, readOnly))
        uri += "&immutable=1";
    return uri;
}

std::string seconds(int milliseconds)
{
    const std::string whole = std::to_string(milliseconds / 1000);
    return milliseconds % 1000 == 0 ? whole : whole + "." + std::to_string(milliseconds % 1000 / 100);
}

// SQLite counts every allocation of every connection under one lock, for statistics nobody here reads: a
// processing in parts, one connection a thread, would queue on it. Told once, before the library starts.
void leaveAllocationsUncounted()
{
    static std::once_flag once;
    std::call_once(once, [] { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); });
}

} // namespace

sqlite3* openSqliteFile(const std::string& path, const SqliteFileOptions& options)
{
    leaveAllocationsUncounted();
    checkIsAFile(path, options.readOnly);
    const int flags = (options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
                    | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(fileUri(path, options.readOnly).c_str(), &db, flags, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        refuse(path, "cannot be opened: " + message);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, options.busyTimeoutMs);
    return db;
}

void throwEngineError(int code, const std::string& message, const std::string& path,
                      int busyTimeoutMs, std::string_view statement)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        refuse(path, "is busy: another program kept it locked for more than " + seconds(busyTimeoutMs)
                         + " s. Try again when it has finished.", statement);
    case SQLITE_CORRUPT: refuse(path, "is damaged: " + message + ".", statement);
    case SQLITE_NOTADB: refuse(path, "is not a SQLite file.", statement);
    case SQLITE_IOERR: refuse(path, "cannot be read: " + message + ".", statement);
    case SQLITE_CANTOPEN: refuse(path, "cannot be opened: " + message + ".", statement);
    default: throw Error(message, std::string(statement));
    }
}

} // namespace db
