// quorvane export (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]
//                 (--xlsx OUT | --csv OUT) [--csv-separator C] [--decimal-point C] [--threads N] [--lang ITA|ENG]
//                 [--compare previous-year|previous-period|budget]
// Processes a selection as `quorvane run` does and writes the grouped ledger, whole or one group (the key of
// its node, "*3"), as the window's "Esporta…" writes it: a spreadsheet with the groups as outline levels, or
// the lines as CSV. With a comparison, the spreadsheet's totals rows carry the comparison's balance, the
// variance and its percent in three more columns.

#include "CommandLanguage.h"
#include "CommandLine.h"
#include "Commands.h"
#include "LedgerComparisonRun.h"
#include "LedgerDisplay.h"
#include "LedgerGridColumns.h"
#include "LedgerSession.h"

#include "db/ConnectionString.h"
#include "display/CellFormats.h"
#include "export/CompanyCellTexts.h"
#include "export/LedgerExport.h"

#include <iostream>

namespace {

namespace exporting = quorvane::exporting;

constexpr const char* usageText =
    "usage: quorvane export (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]\n"
    "         (--xlsx OUT | --csv OUT) [--csv-separator C] [--decimal-point C] [--threads N] [--lang ITA|ENG]\n"
    "         [--compare previous-year|previous-period|budget]";

// A one-character option ("tab" for the tab character) that is no digit, or a number would not read back;
// throws CommandFailure for anything else.
char characterOption(const CommandLine& line, const std::string& name, char byDefault)
{
    const std::optional<std::string> value = line.option(name);
    if (!value)
        return byDefault;
    if (*value == "tab")
        return '\t';
    if (value->size() != 1 || std::string_view("\"\r\n0123456789").find(value->front()) != std::string_view::npos)
        throw CommandFailure(1, name + " expects one character that is no digit (or \"tab\"), not \"" + *value + "\"");
    return value->front();
}

exporting::CsvOptions csvOptions(const CommandLine& line)
{
    const exporting::CsvOptions options{characterOption(line, "--csv-separator", ';'),
                                        characterOption(line, "--decimal-point", ',')};
    if (options.separator == options.decimalPoint)
        throw CommandFailure(1, "--decimal-point and --csv-separator must differ, not both \""
                                    + std::string(1, options.separator) + "\"");
    return options;
}

// The command shows no progress; cells that lost characters the file cannot hold are told on standard error.
class CommandExportProgress final : public exporting::ExportProgress {
public:
    bool linesWritten(long, long) override { return true; }
    void cellsShortened(long cells) override
    {
        std::cerr << "warning: " << exporting::cellsShortenedNotice(cells).toStdString() << '\n';
    }
};

exporting::ExportRequest exportRequest(const CommandLine& line, const DatabaseOption& database,
                                      const LedgerDisplay& display)
{
    exporting::ExportRequest request;
    const bool csv = line.option("--csv").has_value();
    request.format = csv ? exporting::ExportFormat::Csv : exporting::ExportFormat::Xlsx;
    request.path = *line.option(csv ? "--csv" : "--xlsx");
    request.filesRead = {db::databaseFile(connectionString(database))};
    request.csv = csvOptions(line);
    if (const std::optional<std::string> key = line.option("--group")) {
        request.group = display.tree().find(*key);
        if (!request.group)
            throw CommandFailure(1, "the ledger has no group " + *key);
    }
    return request;
}

std::optional<exporting::ExportComparison> exportComparison(const LedgerDisplay& display, hostfw::Language language)
{
    if (!display.comparisonTotals())
        return std::nullopt;
    return exporting::exportComparison(display.tree(), display.figures(), display.comparisonTotals()->balance,
                                       [language](int number) { return QString::fromStdString(hostText(number, language)); });
}

int process(const CommandLine& line, const DatabaseOption& database, hostfw::Language language)
{
    // What the user asked wrongly is refused before the processing, not after it.
    csvOptions(line);
    checkOutputFile(*line.option(line.option("--csv") ? "--csv" : "--xlsx"), "the export file", database);
    LedgerSession session = openLedgerSession(database, *line.option("--selection"),
                                              companyOption(line.option("--company")), language);
    LedgerComparisonRun run(session, comparisonOption(line.option("--compare")),
                            threadsOption(line.option("--threads")));
    quorvane::MovementExtraction& extraction = run.extraction();
    const LedgerDisplay display(session, extraction.movements(), extraction.totals(), run.comparison());
    const exporting::ExportRequest request = exportRequest(line, database, display);
    const exporting::ExportColumns columns(movementGridColumns(session));
    const exporting::CompanyCellTexts texts(*session.connection, language);
    const quorvane::EngineSettings& settings = session.request.settings;
    const quorvane::display::CellFormats formats{quorvane::display::MovementGrid::Movements, texts,
                                                 settings.costCentreChart, settings.expenseItemChart};
    const quorvane::Countervalue countervalue(session.request.selection, session.company.currency,
                                              *session.connection, settings.company);
    const std::optional<exporting::ExportComparison> comparison = exportComparison(display, language);
    const exporting::LedgerSource source{extraction.movements(), display.tree(), display.levels(), columns, formats,
                                         countervalue, exporting::exportHeading(session.company, display.captions()),
                                         comparison ? &*comparison : nullptr};
    CommandExportProgress progress;
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
                            "--csv-separator", "--decimal-point", "--threads", "--lang", "--compare"},
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
