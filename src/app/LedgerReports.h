#pragma once
// The three ways `quorvane run` prints a processing: JSON for programs, a readable ledger for a terminal,
// and the movement set's rows as `;`-separated values.

#include "LedgerDisplay.h"
#include "LedgerSession.h"

#include "db/Recordset.h"
#include "engine/SelectionTotals.h"

#include <ostream>

struct LedgerResult {
    const LedgerSession& session;
    db::Recordset& movements;
    const quorvane::SelectionTotals& totals;
    const LedgerDisplay& display;
};

// {"rows", "totals", "tree", "summary"} and, with rows, "columns" and "data". "tree" holds every group node in
// creation order with its totals; "summary" the captions of the totals and summary fields by control name.
void printLedgerJson(std::ostream& out, const LedgerResult& result, bool withRows);
void printLedgerText(std::ostream& out, const LedgerResult& result);
void printLedgerCsv(std::ostream& out, db::Recordset& movements);
