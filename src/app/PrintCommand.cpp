// quorvane print (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]
//                [--counterparts] (--pdf OUT | --dump)
// Processes a selection as the window's "Elabora" does and prints the ledger as its print command does: the
// whole ledger, or with --group the group of that node only (as "Stampa solo gruppo corrente" with the node
// selected), into a PDF; --dump shows instead what the print would write into the report.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerDisplay.h"
#include "LedgerSession.h"
#include "OffscreenGui.h"
#include "PrintDump.h"

#include "engine/Countervalue.h"
#include "engine/MovementExtraction.h"
#include "print/GroupCondition.h"
#include "print/LedgerReportTexts.h"
#include "print/LedgerPrint.h"
#include "print/ReportDocumentWriter.h"
#include "print/ReportFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <iostream>

namespace {

namespace print = quorvane::print;

constexpr const char* usageText =
    "usage: quorvane print (--db PATH | --connect ODBC-STRING) --selection FILE [--company N] [--group NODEKEY]\n"
    "         [--counterparts] (--pdf OUT | --dump) [--threads N]";
constexpr int messageNothingExtracted = 39037;
constexpr int reportFailureStatus = 4;

// Beside the program first (an installed command), then the build tree's component folder.
QString reportFolder()
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
    return QFileInfo::exists(besideProgram) ? besideProgram : QStringLiteral(QUORVANE_PLUGIN_DIR);
}

std::string reportCondition(const quorvane::MovementExtraction& extraction, const LedgerDisplay& display,
                            const std::optional<std::string>& groupKey, const print::AttributeNames& attributes)
{
    if (!groupKey)
        return extraction.extractionCondition();
    const quorvane::GroupNode* node = display.tree().find(*groupKey);
    if (!node)
        throw CommandFailure(1, "the ledger has no group node " + *groupKey);
    return print::currentGroupCondition(extraction.extractionCondition(), node->tag, attributes);
}

QString caption(const LedgerDisplay& display, const char* control)
{
    const auto found = display.captions().find(control);
    return found == display.captions().end() ? QString() : QString::fromStdString(found->second);
}

print::ParameterSources parameterSources(const LedgerSession& session, const LedgerDisplay& display,
                                         const quorvane::MovementExtraction& extraction)
{
    const company::CompanySettings& company = session.company;
    const quorvane::SelectionParameters& selection = session.request.selection;
    print::ParameterSources s;
    s.accountSelection = print::accountSelectionInWords(selection, display.accountDescription());
    s.movements = caption(display, "TXT_RIEPMOV");
    s.registrationDates = caption(display, "TXT_RIEPDATAREG");
    s.amounts = caption(display, "TXT_RIEPIMPORTO");
    s.quantities = caption(display, "TXT_RIEPQTA");
    s.competence = caption(display, "TXT_RIEPCOMP");
    s.competencePeriod = quorvane::competencePeriodOf(selection);
    s.today = QDate::currentDate();
    s.quantityDecimals = company.quantityDecimals;
    s.amountDecimals = company.amountDecimals;
    s.connectionString = QString::fromStdString(session.connection->connectionString());
    s.costCentreChart = company.costCentreChart;
    s.expenseItemChart = company.expenseItemChart;
    s.numLivelli = company.numLivelli;
    s.competenceDateRule = company.competenceDateParameter;
    s.financialAccounting = session.request.settings.financialAccounting;
    s.currency = QString::fromStdString(company.currency);
    s.amountOrQuantityBand = !extraction.rowFilter().empty();
    return s;
}

print::ReportHeading heading(const company::CompanySettings& company)
{
    return {QString::fromStdString(company.name), QString::fromStdString(company.address),
            QString::fromStdString(company.town), QString::fromStdString(company.vatNumber),
            QString::fromLocal8Bit(qgetenv("USER"))};
}

int printToPdf(const LedgerSession& session, const LedgerPrintTexts& texts, const print::ParameterSources& sources,
               const std::string& pdf)
{
    const print::LedgerPrintJob job{session.connection, nullptr, reportFolder(), texts.reportFile,
                                    report::ReportEngine::PdfFile, QString::fromStdString(pdf), heading(session.company),
                                    texts.statement};
    std::unique_ptr<report::ReportEngine> report;
    print::PrintOutcome outcome;
    try {
        outcome = print::printLedger(report, job, [&](report::ReportDocument& document) {
            print::writeFormulas(document, texts.formulas, session.connection);
            print::writeParameters(document, print::reportParameters(sources, *report));
        });
    } catch (const print::ReportServiceError& e) {
        throw CommandFailure(reportFailureStatus, e.what());
    }
    for (const QString& warning : outcome.warnings)
        std::cerr << "warning: " << warning.toStdString() << '\n';
    std::cout << outcome.pages << " pages written to " << pdf << '\n';
    return 0;
}

int process(const CommandLine& line, const DatabaseOption& database)
{
    if (!line.flag("--dump"))
        checkOutputFile(*line.option("--pdf"), "the PDF file", database);
    const LedgerSession session = openLedgerSession(database, *line.option("--selection"),
                                                    companyOption(line.option("--company")));
    quorvane::MovementExtraction extraction(*session.connection, threadsOption(line.option("--threads")));
    quorvane::NoProgress progress;
    if (!extraction.run(session.request, progress))
        std::cerr << "message " << messageNothingExtracted << ": " << hostText(messageNothingExtracted) << '\n';
    const LedgerDisplay display(session, extraction.movements(), extraction.totals());

    const quorvane::ExtractionRequest& request = session.request;
    const print::AttributeNames attributes{request.headerAttributes, request.lineAttributes};
    print::AccountFormulas accounts(*session.connection, session.company.costCentreChart,
                                    session.company.expenseItemChart);
    const quorvane::Countervalue countervalue(request.selection, session.company.currency, *session.connection,
                                              request.settings.company);
    print::LedgerReportTexts report;
    try {
        report = print::ledgerReportTexts(
            {session.ordering, std::nullopt, line.flag("--counterparts"), countervalue.conversion()}, accounts,
            reportCondition(extraction, display, line.option("--group"), attributes), attributes);
    } catch (const std::invalid_argument& e) {
        throw CommandFailure(reportFailureStatus, std::string("the ledger cannot be printed: ") + e.what());
    }
    LedgerPrintTexts texts;
    texts.reportFile = print::reportFileName(session.company.noLedgerLink, request.selection.CHK_QUANTITA == "1");
    texts.statement = std::move(report.statement);
    texts.formulas = std::move(report.formulas);
    const print::ParameterSources sources = parameterSources(session, display, extraction);
    if (!line.flag("--dump"))
        return printToPdf(session, texts, sources, *line.option("--pdf"));
    // The values the report object itself gives are those of a new one.
    texts.parameters = print::reportParameters(sources, report::ReportEngine());
    printLedgerDump(std::cout, texts);
    return 0;
}

} // namespace

int runPrintCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--selection", "--company", "--group", "--pdf", "--threads"},
                     {"--counterparts", "--dump"});
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--selection") || !line.positional().empty()
        || line.flag("--dump") == line.option("--pdf").has_value()) {
        std::cerr << usageText << (line.error().empty() ? "" : "\n  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runWithOffscreenGui([&] { return runLedgerCommand("print", [&] { return process(line, *database); }); });
}
