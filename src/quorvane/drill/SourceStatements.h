#pragma once
// The statements that ask the company database where a movement came from: whether the cost-accounting
// movement still exists, which journal entry or warehouse document is linked to it, and whether its journal
// entry may still be changed. The company is written as a number and the registration number as quoted text
// (its own quotes doubled), exactly as the server receives them.

#include <string>

namespace quorvane::drill {

// One row when the movement header still exists.
std::string movementExistsStatement(int company, const std::string& number);
// The reason (CG41_CODICE_CG33) of the journal entry registered under the movement's number.
std::string linkedJournalEntryStatement(int company, const std::string& number);
// The document key (DO11_DOCUM_MG36) of the warehouse document registered under the movement's number.
std::string linkedDocumentStatement(int company, const std::string& number);
// One row with WK_FLGSTPIVA (the entry printed in the VAT registers) and WK_FLGSTPGIOR (a line of it printed
// in the journal), each 0 when not.
std::string journalEntryPrintedStatement(int company, const std::string& number);
// The filter that gives the journal-entry program its entry.
std::string journalEntryFilter(int company, const std::string& number);

} // namespace quorvane::drill
