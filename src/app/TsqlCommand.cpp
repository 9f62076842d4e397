// quorvane tsql --db PATH [--explain] [--write]
// Runs T-SQL batches from standard input on the embedded engine and prints every result set as CSV. The
// company file is opened read-only, as the inquiry opens it, unless --write asks to change it.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerSession.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/SqliteConnection.h"
#include "tsql/Dialect.h"

#include <iostream>
#include <iterator>

namespace {

// A CSV field: quoted when it holds a separator, a quote or a line end, quotes doubled inside.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// Dates as yyyy-mm-dd (with the time when it is not midnight), decimals at their scale, NULL as nothing.
void printCsv(db::Recordset& rows, std::ostream& out)
{
    for (int i = 0; i < rows.fieldCount(); ++i)
        out << (i ? "," : "") << csvField(rows.field(i).name);
    out << '\n';
    for (long r = 0; r < rows.RecordCount(); ++r) {
        for (int i = 0; i < rows.fieldCount(); ++i)
            out << (i ? "," : "") << csvField(rows.valueAt(r, i).toText());
        out << '\n';
    }
}

} // namespace

int runTsqlCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db"}, {"--explain", "--write"});
    std::optional<std::string> path = line.option("--db");
    if (!line.error().empty() || !path || !line.positional().empty()) {
        std::cerr << "usage: quorvane tsql --db PATH [--explain] [--write]"
                  << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    std::string script(std::istreambuf_iterator<char>(std::cin), {});
    try {
        db::SqliteConnection connection(
            db::embeddedDatabase(*path, line.flag("--write") ? db::Access::ReadWrite : db::Access::ReadOnly));
        for (const std::string& batch : tsql::splitBatches(script)) {
            if (line.flag("--explain"))
                std::cout << "-- SQLite:\n" << connection.explain(batch);
            db::Recordset rows = connection.Open(batch);
            if (rows.isOpen())
                printCsv(rows, std::cout);
        }
    } catch (const db::Error& e) {
        reportCommandError("tsql", e.what());
        return 2;
    }
    return 0;
}
