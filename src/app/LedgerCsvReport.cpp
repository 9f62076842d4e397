#include "LedgerReports.h"

namespace {

// A field is quoted when it holds the separator, a quote or a line end; quotes are doubled inside.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

void printLedgerCsv(std::ostream& out, db::Recordset& movements)
{
    for (int i = 0; i < movements.fieldCount(); ++i)
        out << (i ? ";" : "") << csvField(movements.field(i).name);
    out << '\n';
    for (long r = 0; r < movements.RecordCount(); ++r) {
        for (int i = 0; i < movements.fieldCount(); ++i)
            out << (i ? ";" : "") << csvField(movements.valueAt(r, i).toText());
        out << '\n';
    }
}
