// quorvane sql (--db PATH | --connect ODBC-STRING) --selection FILE [--company N]
// Prints the statements a processing of the selection would run, exactly as they are built (CR LF kept),
// as one JSON object.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerJson.h"
#include "LedgerSession.h"

#include "engine/ExtractionStatements.h"

#include <iostream>

namespace {

constexpr const char* usageText =
    "usage: quorvane sql (--db PATH | --connect ODBC-STRING) --selection FILE [--company N]";

void printStatements(const quorvane::ExtractionStatements& statements)
{
    const std::pair<const char*, const std::string*> members[] = {
        {"extraction", &statements.extraction}, {"condition", &statements.condition},
        {"final", &statements.finalSelect},     {"totals", &statements.totals},
        {"rowFilter", &statements.rowFilter}};
    std::cout << "{\n";
    for (std::size_t i = 0; i < std::size(members); ++i) {
        std::cout << "  \"" << members[i].first << "\": ";
        writeJsonString(std::cout, *members[i].second);
        std::cout << (i + 1 < std::size(members) ? ",\n" : "\n");
    }
    std::cout << "}\n";
}

} // namespace

int runSqlCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--selection", "--company"}, {});
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--selection") || !line.positional().empty()) {
        std::cerr << usageText << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runLedgerCommand("sql", [&] {
        LedgerSession session = openLedgerSession(*database, *line.option("--selection"),
                                                  companyOption(line.option("--company")));
        printStatements(quorvane::buildExtractionStatements(session.request));
        return 0;
    });
}
