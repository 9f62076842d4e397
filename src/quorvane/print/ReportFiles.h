#pragma once
// Which of the ledger's four report files prints a ledger, and where they are: beside the component's own
// library file.

#include <QString>

namespace quorvane::print {

inline constexpr const char* ledgerReportTitle = "Partitario";

// "CRCI_QUORVANE" with "QTA" when quantities are shown and "_XR" when the counter-accounts of the general
// ledger are (a company linked to the general ledger).
QString reportFileName(bool noLedgerLink, bool quantities);

// The folder of the file (library or program) that holds the component's code.
QString componentFolder();

} // namespace quorvane::print
