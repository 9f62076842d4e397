// quorvane source (--db PATH | --connect ODBC-STRING) --company N --numreg R [--line L] [--show]
// Runs the decision the ledger window's modify command runs for a movement line ("Modifica"): which host
// program owns it and what the window would pass it, printed as one JSON object; with --show the program
// itself opens on the display, and the command ends when it is closed.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerJson.h"
#include "LedgerSession.h"

#include "drill/SourceDecision.h"
#include "engine/StatementText.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/SourcePrograms.h"
#include "selection/ControlCharacters.h"

#include <QApplication>

#include <iostream>

namespace {

namespace drill = quorvane::drill;

constexpr const char* usageText =
    "usage: quorvane source (--db PATH | --connect ODBC-STRING) --company N --numreg R [--line L] [--show]";

std::optional<long> lineOption(const std::optional<std::string>& value)
{
    if (!value)
        return std::nullopt;
    try {
        std::size_t used = 0;
        const long line = std::stol(*value, &used);
        if (used == value->size())
            return line;
    } catch (const std::exception&) {
    }
    throw CommandFailure(1, "--line expects a line number, not \"" + *value + "\"");
}

// The line as the window's movement set holds it: its header decides, so a header whose lines were deleted
// still answers its own origin and reason. A registration the database no longer holds is still asked
// about, with or without --line: the decision answers it with its message.
drill::SourceLine readLine(db::Connection& connection, int company, const std::string& number,
                           const std::optional<long>& line)
{
    const std::string lineCondition = line ? " AND CI13_PROGRIGA = " + std::to_string(*line) : "";
    db::Recordset rows = connection.Open(
        "SELECT TOP 1 CI12_NUMREG_CO99, CI12_INDPROVENIENZA, CI12_CODCAUS_CI03, CI13_PROGRIGA"
        " FROM CI12_MOVTESTATA WITH (NOLOCK) LEFT JOIN CI13_MOVCORPO WITH (NOLOCK)"
        " ON CI13_DITTA_CG18 = CI12_DITTA_CG18 AND CI13_NUMREG_CO99 = CI12_NUMREG_CO99" + lineCondition
        + " WHERE CI12_DITTA_CG18 = " + std::to_string(company) + " AND CI12_NUMREG_CO99 = '"
        + quorvane::quoteEscaped(number) + "' ORDER BY CI13_PROGRIGA");
    const std::optional<drill::SourceLine> found = drill::sourceLineOf(&rows);
    if (!found)
        return {number, 0, ""};
    if (line && rows.value("CI13_PROGRIGA").isNull())
        throw CommandFailure(1, "registration " + number + " of company " + std::to_string(company) + " has no line "
                                    + std::to_string(*line));
    return *found;
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void writeMember(std::ostream& out, bool& first, const char* name, const std::string& text)
{
    out << (first ? "" : ", ") << '"' << name << "\": ";
    writeJsonString(out, text);
    first = false;
}

void printLaunch(std::ostream& out, const drill::SourceLaunch& launch)
{
    using drill::SourceProgram;
    out << "{\"program\": \"" << drill::programName(launch.program) << "\", \"arguments\": {";
    bool first = true;
    if (launch.program == SourceProgram::Movements)
        writeMember(out, first, "reason", launch.reason);
    if (launch.program == SourceProgram::JournalEntry)
        writeMember(out, first, "ledgerReason", launch.ledgerReason);
    if (launch.program != SourceProgram::None && launch.program != SourceProgram::Document) {
        out << (first ? "" : ", ") << "\"company\": " << launch.company;
        first = false;
    }
    if (launch.program != SourceProgram::None)
        writeMember(out, first, "registrationNumber", launch.number);
    if (launch.program == SourceProgram::JournalEntry)
        writeMember(out, first, "filter", launch.filter);
    if (launch.program == SourceProgram::Document)
        writeMember(out, first, "documentKey", launch.documentKey);
    out << "}, \"message\": ";
    if (launch.message == 0) {
        out << "null";
    } else {
        out << "{\"number\": " << launch.message << ", \"text\": ";
        writeJsonString(out, hostText(launch.message));
        out << '}';
    }
    out << "}\n";
}

hostfw::ProgramOpener openerOf(drill::SourceProgram program)
{
    switch (program) {
    case drill::SourceProgram::Movements: return &hostfw::openMovementsProgram;
    case drill::SourceProgram::JournalEntry: return &hostfw::openJournalEntryProgram;
    case drill::SourceProgram::Reconciliation: return &hostfw::openReconciliationProgram;
    case drill::SourceProgram::Document: return &hostfw::openDocumentProgram;
    case drill::SourceProgram::None: break;
    }
    return nullptr;
}

// The program on the display, as the host opens it for the window, until the user closes it.
int show(const DatabaseOption& database, const drill::SourceLaunch& launch)
{
    const hostfw::ProgramOpener open = openerOf(launch.program);
    if (!open)
        return 0;
    int argc = 1;
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    const auto session = hostfw::ClsGlobal::open(
        {QString::fromStdString(connectionString(database)), launch.company, QStringLiteral("ADMIN"),
         QStringLiteral("ITA ")});
    hostfw::SourceProgramArguments arguments{QString::fromStdString(launch.reason), launch.company,
                                             QString::fromStdString(launch.number),
                                             QString::fromStdString(launch.ledgerReason),
                                             QString::fromStdString(launch.filter),
                                             QString::fromStdString(launch.documentKey)};
    hostfw::SourceProgramWindow* window = hostfw::openInSession(*session, open, arguments);
    QObject::connect(window, &hostfw::SourceProgramWindow::closed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}

int source(const CommandLine& line, const DatabaseOption& database)
{
    const std::optional<int> company = companyOption(line.option("--company"));
    if (!company)
        throw CommandFailure(1, usageText);
    if (line.flag("--show") && !hasDisplay())
        throw CommandFailure(1, "--show needs a display: set DISPLAY");
    const std::string number = *line.option("--numreg");
    if (quorvane::controlCharacterIn(number))
        throw CommandFailure(1, "--numreg: the registration number holds a control character");
    const auto connection = openCompanyDatabase(database);
    const company::CompanySettings settings = company::readCompanySettings(*connection, *company);
    const drill::SourceLine sourceLine =
        readLine(*connection, *company, number, lineOption(line.option("--line")));
    drill::DatabaseSourceChecks checks(*connection, settings.ledgerEditSetting);
    const drill::SourceLaunch launch = drill::chooseSourceProgram(checks, *company, sourceLine);
    printLaunch(std::cout, launch);
    std::cout.flush();
    return line.flag("--show") ? show(database, launch) : 0;
}

} // namespace

int runSourceCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--db", "--connect", "--company", "--numreg", "--line"}, {"--show"});
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--company") || !line.option("--numreg")
        || !line.positional().empty()) {
        std::cerr << usageText << (line.error().empty() ? "" : "  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runLedgerCommand("source", [&] { return source(line, *database); });
}
