#pragma once
// The host's programs that show where a cost-accounting movement came from, each read-only over the company
// database: the cost-accounting movement, the journal entry, the reconciliation of a registration between
// the general ledger and cost accounting, and the warehouse document. The connectors open them with the
// arguments the calling program passed; each reads what it shows once, then lives on its own until closed.
// A program whose subject is not in the database is not opened: std::runtime_error names it.

#include "hostfw/SourceProgramWindow.h"

#include "db/Connection.h"

namespace hostfw {

class ClsGlobal;

struct ProgramContext {
    db::Connection& connection;     // where the program reads; needed only while it opens
    int amountDecimals = 2;
    int quantityDecimals = 2;
    QObject* frame = nullptr;       // the host's MDI area; nullptr: a window of its own
};

// The movement's header and every line with cost centre, expense item, dimensions, competence, amount and
// quantity; totals of amount and quantity. Arguments: company, registration number, reason.
SourceProgramWindow* openMovementsProgram(const ProgramContext& context, const SourceProgramArguments& arguments);

// The journal entry the filter selects, with its lines: account, counterpart, customer or supplier, sign,
// amount, printed in the journal; whether it is printed in the VAT registers; debit and credit totals.
// Arguments: ledger reason, filter.
SourceProgramWindow* openJournalEntryProgram(const ProgramContext& context, const SourceProgramArguments& arguments);

// The journal entry's lines beside the cost-accounting lines allocated from each, the difference per line
// and in total. Arguments: company, registration number.
SourceProgramWindow* openReconciliationProgram(const ProgramContext& context,
                                               const SourceProgramArguments& arguments);

// The warehouse document's header and lines with their totals. Arguments: company, registration number,
// document key.
SourceProgramWindow* openDocumentProgram(const ProgramContext& context, const SourceProgramArguments& arguments);

using ProgramOpener = SourceProgramWindow* (*)(const ProgramContext&, const SourceProgramArguments&);

// Opens the program as the session's host does: in its frame, with the company's decimals, reading over a
// connection of its own to the session's database that closes once the program has read.
SourceProgramWindow* openInSession(const ClsGlobal& session, ProgramOpener open, const SourceProgramArguments& arguments);

} // namespace hostfw
