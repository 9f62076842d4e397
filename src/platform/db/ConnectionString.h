#pragma once
// A connection string of "Key=Value;Key=Value" pairs, keys compared without regard to case. A value that
// holds a ";" or blanks at its ends is written between double quotes (a quote inside written twice), as
// OLE DB writes it, or between braces as ODBC writes it ("}" inside written twice).

#include <map>
#include <string>
#include <string_view>

namespace db {

class ConnectionString {
public:
    explicit ConnectionString(std::string_view text);
    // The value of a key, or "" when the string does not name it.
    std::string value(std::string_view key) const;
    bool has(std::string_view key) const;

private:
    struct CaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, std::string, CaseInsensitiveLess> pairs_;
};

enum class Access { ReadOnly, ReadWrite };

// The connection string of the embedded company database at `path`. The path is a value, quoted: whatever
// characters it holds, it names that file and nothing else.
std::string embeddedDatabase(std::string_view path, Access access);

// The file a connection string reads: the embedded database's Data Source, or the Database of an ODBC
// string (a file, for a driver that reads one); "" when it names none. An output must never replace it.
std::string databaseFile(std::string_view connectionString);

// The text with the value of every password key (PWD, Password) replaced by "****": what every error, log
// and trace line shows of a connection string, whole or in part.
std::string maskPasswords(std::string_view text);

} // namespace db
