// quorvane export (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]
//                 (--xlsx OUT | --csv OUT) [--csv-separator C] [--decimal-point C] [--lang ITA|ENG]
// Processes a selection as `quorvane run` does and writes the grouped ledger, whole or one group (the key of
// its node, "*3"), as the window's "Esporta…" writes it: a spreadsheet with the groups as outline levels, or
// the lines as CSV.

#include "CommandLanguage.h"
#include "CommandLine.h"
#include "Commands.h"
#include "LedgerDisplay.h"
#include "LedgerGridColumns.h"
#include "LedgerSession.h"

#include "display/CellFormats.h"
#include "export/CompanyCellTexts.h"
#include "export/LedgerExport.h"

#include <iostream>

namespace {

namespace exporting = quorvane::exporting;

constexpr const char* usageText =
    "usage: quorvane export (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]\n"
    "         (--xlsx OUT | --csv OUT) [--csv-separator C] [--decimal-point C] [--lang ITA|ENG]";

// A one-character option ("tab" for the tab character); throws CommandFailure for anything else.
char characterOption(const CommandLine& line, const std::string& name, char byDefault)
{
    const std::optional<std::string> value = line.option(name);
    if (!value)
        return byDefault;
    if (*value == "tab")
        return '\t';
    if (value->size() != 1 || *value == "\"" || *value == "\r" || *value == "\n")
        throw CommandFailure(1, name + " expects one character (or \"tab\"), not \"" + *value + "\"");
    return value->front();
}

exporting::ExportRequest exportRequest(const CommandLine& line, const LedgerDisplay& display)
{
    exporting::ExportRequest request;
    const bool csv = line.option("--csv").has_value();
    request.format = csv ? exporting::ExportFormat::Csv : exporting::ExportFormat::Xlsx;
    request.path = *line.option(csv ? "--csv" : "--xlsx");
    request.csv = {characterOption(line, "--csv-separator", ';'), characterOption(line, "--decimal-point", ',')};
    if (const std::optional<std::string> key = line.option("--group")) {
        request.group = display.tree().find(*key);
        if (!request.group)
            throw CommandFailure(1, "the ledger has no group " + *key);
    }
    return request;
}

int process(const CommandLine& line, const DatabaseOption& database, hostfw::Language language)
{
    LedgerSession session = openLedgerSession(database, *line.option("--selection"),
                                              companyOption(line.option("--company")), language);
    quorvane::MovementExtraction extraction(*session.connection);
    extractMovements(session, extraction);
    const LedgerDisplay display(session, extraction.movements(), extraction.totals());
    const exporting::ExportRequest request = exportRequest(line, display);
    const exporting::ExportColumns columns(movementGridColumns(session));
    const exporting::CompanyCellTexts texts(*session.connection, language);
    const quorvane::EngineSettings& settings = session.request.settings;
    const quorvane::display::CellFormats formats{quorvane::display::MovementGrid::Movements, texts,
                                                 settings.costCentreChart, settings.expenseItemChart};
    const exporting::LedgerSource source{extraction.movements(), display.tree(), display.levels(), columns, formats,
                                         exporting::exportHeading(session.company, display.captions())};
    exporting::NoExportProgress progress;
    try {
        exporting::exportLedger(source, request, progress);
    } catch (const exporting::ExportError& e) {
        throw CommandFailure(4, e.what());
    }
    std::cout << request.path << '\n';
    return 0;
}

} // namespace

int runExportCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--selection", "--company", "--group", "--xlsx", "--csv",
                            "--csv-separator", "--decimal-point", "--lang"},
                     {});
    const bool oneOutput = line.option("--xlsx").has_value() != line.option("--csv").has_value();
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--selection") || !line.positional().empty()
        || !oneOutput) {
        std::cerr << usageText << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runLedgerCommand("export", [&] {
        return runInLanguage(line.option("--lang"),
                             [&](hostfw::Language language) { return process(line, *database, language); });
    });
}
