#include "LedgerSession.h"


#include "controls/MovementTypeChoice.h"
#include "db/ConnectionString.h"
#include "db/Error.h"
#include "engine/AttributeColumns.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/ProcessingThreads.h"
#include "engine/StatementText.h"
#include "files/OutputFile.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Catalogue.h"
#include "hostfw/MovementTypeCatalogue.h"
#include "selection/GridOffers.h"
#include "selection/LimitsCondition.h"
#include "selection/MovementTypeCondition.h"
#include "selection/OfferedRows.h"
#include "selection/SelectionFile.h"
#include "selection/SettingsCheck.h"

#include <iostream>

namespace {

constexpr hostfw::Language language = hostfw::Language::Italian;
constexpr int messageFinancialWithoutIntegration = 77311;
constexpr int messageNothingExtracted = 39037;
// The captions of the cost side and the revenue side, by the kind of cost accounting.
constexpr int textCosts = 16506, textRevenues = 48924, textOutflows = 59387, textInflows = 25017;

// The grids' rows of a selection file are read against what the window would offer for this company, so a
// file can only ask for what a user could have typed; their conditions are combined as the window does.
void applyGridRows(LedgerSession& session)
{
    db::Connection& connection = *session.connection;
    const company::CompanySettings& settings = session.company;
    quorvane::ExtractionRequest& request = session.request;
    const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(connection, settings.company);
    request.headerAttributes = attributes.names(quorvane::headerAttributeEntity);
    request.lineAttributes = attributes.names(quorvane::lineAttributeEntity);
    const quorvane::GridOffers offers = quorvane::buildGridOffers(
        {settings, attributes, [](int message) { return hostfw::Catalogue::text(message, language); }});
    const quorvane::SelectionParameters& selection = request.selection;
    try {
        quorvane::checkGridRows(selection, offers);
        session.ordering = quorvane::orderingColumns(selection.ADVO_ORDINAMENTI, offers.ordering);
        request.limitsCondition = quorvane::ProcessaLimitiAdvancedQuery(
            quorvane::conditionRows(selection.ADVQ_LIMITI, offers.limits, "ADVQ_LIMITI"));
        request.accountFilterCondition = quorvane::ProcessaLimitiSelezionaAvanzata(
            quorvane::conditionRows(selection.ADVQ_SELCONTI, offers.accountFilter, "ADVQ_SELCONTI"));
    } catch (const quorvane::GridRowError& e) {
        throw CommandFailure(1, e.what());
    }
}

db::Recordset query(db::Connection& connection, const std::string& text)
{
    return connection.Open(text);
}

int defaultCompany(db::Connection& connection)
{
    db::Recordset rows = query(connection, "SELECT MIN(CG18_DITTA) AS DITTA FROM CG18_ANADITTABASE WITH (NOLOCK)");
    if (rows.RecordCount() == 0 || rows.valueAt(0, 0).isNull())
        throw CommandFailure(1, "the database holds no company");
    return static_cast<int>(rows.valueAt(0, 0).asInt());
}

// What the account field reports: whether the code exists in the chosen chart (valid) and whether it is an
// analytic account rather than a level above them (complete).
void readAccountState(db::Connection& connection, const quorvane::EngineSettings& settings,
                      quorvane::SelectionParameters& selection, quorvane::FieldStates& fields)
{
    const std::string& kind = selection.CBO_SELCONTOVDS;
    if ((kind != "0" && kind != "1") || selection.TXT_CONTO.empty())
        return;
    const int chart = kind == "0" ? settings.costCentreChart : settings.expenseItemChart;
    db::Recordset rows = query(connection, "SELECT PC03_FLGANALITICO FROM PC03_ANAGPDC WITH (NOLOCK) WHERE PC03_DITTA_CG18 = "
                                               + std::to_string(settings.company) + " AND PC03_CODICE_PC01 = "
                                               + std::to_string(chart) + " AND PC03_CONTO = '"
                                               + quorvane::quoteEscaped(selection.TXT_CONTO) + "'");
    fields.accountValid = rows.RecordCount() > 0;
    selection.contoComplete = fields.accountValid && rows.valueAt(0, 0).toDouble() != 0;
}

bool currencyExists(db::Connection& connection, const std::string& code)
{
    return code.empty()
        || query(connection, "SELECT CG08_CODICE FROM CG08_VALUTE WITH (NOLOCK) WHERE CG08_CODICE = '"
                                 + quorvane::quoteEscaped(code) + "'")
                   .RecordCount() > 0;
}

void checkSettings(const LedgerSession& session, const quorvane::FieldStates& fields,
                   const std::vector<quorvane::OrderingColumn>& ordering)
{
    const quorvane::SettingsCheckResult result = quorvane::CheckImpostazioni(session.request.selection, fields, ordering);
    if (result.ok())
        return;
    const quorvane::SettingsRefusal& refusal = *result.refusal;
    std::string where = refusal.focus.empty() ? "" : " (" + refusal.focus + ")";
    if (refusal.tab)
        where += " (tab " + std::to_string(*refusal.tab) + ")";
    throw CommandFailure(2, "message " + std::to_string(refusal.message) + ": " + hostText(refusal.message) + where);
}

// The movement types the window's selector would tick for the selection, and its condition and caption.
void chooseMovementTypes(LedgerSession& session)
{
    quorvane::ExtractionRequest& request = session.request;
    const std::vector<controls::MovementType> types = quorvane::chosenMovementTypes(
        hostfw::MovementTypeCatalogue(*session.connection).movementTypes(),
        quorvane::movementTypeRange(request.selection), request.selection.USR_TIPOMOV);
    std::vector<int> codes;
    for (const controls::MovementType& type : types)
        codes.push_back(type.code);
    request.movementTypeCondition = controls::movementTypeCondition(codes).toStdString();
    session.movementTypeCaption =
        controls::movementTypeCaption(types, quorvane::movementTypeCaptionDescription,
                                      QString::fromLatin1(quorvane::movementTypeCaptionSeparator))
            .toStdString();
}

void prepareRequest(LedgerSession& session)
{
    quorvane::ExtractionRequest& request = session.request;
    db::Connection& connection = *session.connection;
    request.settings = quorvane::engineSettingsOf(session.company, language);
    chooseMovementTypes(session);
    applyGridRows(session);
    quorvane::FieldStates fields;
    fields.baseCurrency = session.company.currency;
    fields.movementTypeCondition = request.movementTypeCondition;
    fields.currencyValid = currencyExists(connection, request.selection.TXT_CODICEVALUTA);
    readAccountState(connection, request.settings, request.selection, fields);
    checkSettings(session, fields, session.ordering);
}

} // namespace

std::string hostText(int number)
{
    return hostfw::Catalogue::text(number, language).toStdString();
}

void extractMovements(const LedgerSession& session, quorvane::MovementExtraction& extraction)
{
    quorvane::NoProgress progress;
    if (!extraction.run(session.request, progress))
        std::cerr << "message " << messageNothingExtracted << ": " << hostText(messageNothingExtracted) << '\n';
}

SideCaptions sideCaptions(const LedgerSession& session)
{
    const bool financial = session.request.settings.financialAccounting;
    return {hostText(financial ? textOutflows : textCosts), hostText(financial ? textInflows : textRevenues)};
}

int threadsOption(const std::optional<std::string>& value)
{
    try {
        return quorvane::processingThreads(value);
    } catch (const std::invalid_argument& e) {
        throw CommandFailure(1, e.what());
    }
}

std::optional<int> companyOption(const std::optional<std::string>& value)
{
    if (!value)
        return std::nullopt;
    try {
        std::size_t used = 0;
        const int company = std::stoi(*value, &used);
        if (used == value->size() && company > 0)
            return company;
    } catch (const std::exception&) {
    }
    throw CommandFailure(1, "--company expects a company number, not \"" + *value + "\"");
}

void checkOutputFile(const std::string& path, const std::string& description, const DatabaseOption& database)
{
    try {
        files::checkOutputPath(path, description, {db::databaseFile(connectionString(database))});
    } catch (const files::OutputFileError& e) {
        throw CommandFailure(4, e.what());
    }
}

LedgerSession openLedgerSession(const DatabaseOption& database, const std::string& selectionPath,
                                std::optional<int> requestedCompany)
{
    LedgerSession session;
    session.request.selection = quorvane::loadSelectionFile(QString::fromStdString(selectionPath));
    // The inquiry writes nothing to the company database but its own temporary table.
    session.connection = openCompanyDatabase(database);
    prepareLedgerSession(session, requestedCompany);
    return session;
}

void prepareLedgerSession(LedgerSession& session, std::optional<int> requestedCompany)
{
    const int ditta = requestedCompany ? *requestedCompany
                              : session.request.selection.company ? *session.request.selection.company
                                                                  : defaultCompany(*session.connection);
    session.company = company::readCompanySettings(*session.connection, ditta);
    if (session.company.financialType() && !session.company.qevIntegration)
        throw CommandFailure(2, "message " + std::to_string(messageFinancialWithoutIntegration) + ": "
                                    + hostText(messageFinancialWithoutIntegration));
    prepareRequest(session);
}

void reportCommandError(const char* command, const std::string& message)
{
    std::cerr << "quorvane " << command << ": " << db::maskPasswords(message) << '\n';
}

int runLedgerCommand(const char* command, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const CommandFailure& e) {
        reportCommandError(command, e.what());
        return e.status();
    } catch (const quorvane::SelectionFileError& e) {
        reportCommandError(command, e.what());
        return 1;
    } catch (const std::invalid_argument& e) {
        reportCommandError(command, std::string("the selection cannot be processed: ") + e.what());
        return 1;
    } catch (const company::UnknownCompany& e) {
        reportCommandError(command, e.what());
        return 2;
    } catch (const db::Error& e) {
        reportCommandError(command, std::string("database error: ") + e.what());
        return 3;
    }
}
