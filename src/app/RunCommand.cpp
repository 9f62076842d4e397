// quorvane run (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--format json|text|csv] [--rows]
//              [--threads N] [--lang ITA|ENG] [--compare previous-year|previous-period|budget]
// Processes a selection as the window's processing command does: the settings check, the extraction into
// #MOVIMENTI, the movement set and the totals; then configures the display as the window does (the sort, the
// group tree and each node's totals, the totals and summary fields) and prints them. With a comparison, every
// group and the totals also carry the comparison's balance and the variance.

#include "CommandLanguage.h"
#include "CommandLine.h"
#include "Commands.h"
#include "LedgerComparisonRun.h"
#include "LedgerReports.h"
#include "LedgerSession.h"

#include <iostream>

namespace {

constexpr const char* usageText =
    "usage: quorvane run (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--format json|text|csv]"
    " [--rows] [--threads N] [--lang ITA|ENG] [--compare previous-year|previous-period|budget]";

int process(const CommandLine& line, const DatabaseOption& database, const std::string& format,
            hostfw::Language language)
{
    LedgerSession session = openLedgerSession(database, *line.option("--selection"),
                                              companyOption(line.option("--company")), language);
    LedgerComparisonRun run(session, comparisonOption(line.option("--compare")),
                            threadsOption(line.option("--threads")));
    quorvane::MovementExtraction& extraction = run.extraction();
    const LedgerDisplay display(session, extraction.movements(), extraction.totals(), run.comparison());
    const LedgerResult result{session, extraction.movements(), extraction.totals(), display};
    if (format == "json")
        printLedgerJson(std::cout, result, line.flag("--rows"));
    else if (format == "text")
        printLedgerText(std::cout, result);
    else
        printLedgerCsv(std::cout, result);
    return 0;
}

} // namespace

int runRunCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--selection", "--company", "--format", "--threads", "--lang",
                            "--compare"},
                     {"--rows"});
    const std::string format = line.option("--format").value_or("json");
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--selection") || !line.positional().empty()
        || (format != "json" && format != "text" && format != "csv")) {
        std::cerr << usageText << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runLedgerCommand("run", [&] {
        return runInLanguage(line.option("--lang"),
                             [&](hostfw::Language language) { return process(line, *database, format, language); });
    });
}
