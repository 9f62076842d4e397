#include "drill/SourceDecision.h"

#include "drill/SourceStatements.h"

#include <cmath>

namespace quorvane::drill {

namespace {

SourceLaunch launch(SourceProgram program, int company, const std::string& number)
{
    SourceLaunch l;
    l.program = program;
    l.company = company;
    l.number = number;
    return l;
}

SourceLaunch movementsProgram(int company, const SourceLine& line)
{
    SourceLaunch l = launch(SourceProgram::Movements, company, line.number);
    l.reason = line.reason;
    return l;
}

SourceLaunch fromLedger(SourceChecks& checks, int company, const SourceLine& line)
{
    std::string ledgerReason;
    if (!checks.EsisteMovimentoCoGeCollegato(company, line.number, &ledgerReason))
        return movementsProgram(company, line);
    if (!checks.MovimentoModificabileDaPN(company, line.number))
        return launch(SourceProgram::Reconciliation, company, line.number);
    SourceLaunch l = launch(SourceProgram::JournalEntry, company, line.number);
    l.ledgerReason = ledgerReason;
    l.filter = journalEntryFilter(company, line.number);
    return l;
}

SourceLaunch fromDocument(SourceChecks& checks, int company, const SourceLine& line)
{
    std::string key;
    if (!checks.EsisteDocumentoCollegato(company, line.number, key))
        return movementsProgram(company, line);
    SourceLaunch l = launch(SourceProgram::Document, company, line.number);
    l.documentKey = key;
    return l;
}

} // namespace

std::optional<SourceLine> sourceLineOf(const db::Recordset* movements)
{
    if (movements == nullptr || !movements->isOpen() || movements->BOF() || movements->EOF_())
        return std::nullopt;
    SourceLine line;
    line.number = movements->value("CI12_NUMREG_CO99").toText();
    line.origin = static_cast<int>(std::lround(movements->value("CI12_INDPROVENIENZA").toDouble()));
    line.reason = movements->value("CI12_CODCAUS_CI03").toText();
    return line;
}

const char* programName(SourceProgram program)
{
    switch (program) {
    case SourceProgram::Movements: return "movements";
    case SourceProgram::JournalEntry: return "journal-entry";
    case SourceProgram::Reconciliation: return "reconciliation";
    case SourceProgram::Document: return "document";
    case SourceProgram::None: break;
    }
    return "none";
}

SourceLaunch chooseSourceProgram(SourceChecks& checks, int company, const SourceLine& line)
{
    if (!checks.EsisteMovimentoCoIn(company, line.number)) {
        SourceLaunch gone = launch(SourceProgram::None, company, line.number);
        gone.message = messageMovementDeleted;
        return gone;
    }
    switch (line.origin) {
    case 2:
    case 3: return fromLedger(checks, company, line);
    case 4:
    case 5: return fromDocument(checks, company, line);
    default: return movementsProgram(company, line);
    }
}

} // namespace quorvane::drill
