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
// With a comparison, "totals" and every node add "CONFRONTO", "SCOSTAMENTO" and "SCOSTAMENTO_PERC"; the text
// adds them as columns of the groups, and the CSV adds the table of the groups and their comparison after the
// rows and an empty line.
void printLedgerJson(std::ostream& out, const LedgerResult& result, bool withRows);
void printLedgerText(std::ostream& out, const LedgerResult& result);
void printLedgerCsv(std::ostream& out, const LedgerResult& result);
