#pragma once
// The movement part of the demo generator: the tables it fills, one movement's header as the lines and
// links see it, and the pieces that build lines and links.

#include "company/DemoWriters.h"
#include "company/TableWriter.h"

#include <deque>

namespace company::demo {

// Where a movement came from (CI12_INDPROVENIENZA).
enum Origin { Manual = 0, Imported = 1, Ledger = 2, LedgerReconciled = 3, Warehouse = 4, SalesDocument = 5,
              Allocation = 6 };

// A movement whose origin and links are set rather than drawn. The first movements of every company run
// twice through each way the ledger opens a movement's source (a journal entry that may be changed, one
// printed in the VAT registers, one with a line printed in the journal, none; a document, none; the other
// origins), so that even a small demo database holds them all among its extracted lines.
struct SourceCase {
    int origin;
    bool linked;                            // to a journal entry (origins 2, 3) or a document (4, 5)
    bool printedInVatRegisters;
    bool printedInJournal;                  // its first line
};

// The case of the movement with this index in its company, or none past the showcase.
const SourceCase* sourceCase(long movementIndex);

struct MovementHeader {
    std::string number;                     // CI12_NUMREG_CO99
    long day = 0;                           // registration date
    int origin = Manual;
    const Causal* causal = nullptr;
    db::Value customerOrSupplierKind;       // 0, 1 or NULL
    db::Value customerOrSupplier;
    db::Value documentDay;                  // NULL or the day number of the document date
    int site = 0;                           // 0: none
    bool linkedToLedger = false;
    bool linkedToDocument = false;
    int lineCount = 0;
    const SourceCase* showcase = nullptr;   // set for the showcase movements
};

struct LineKey {
    std::string number;
    int line = 0;
};

const std::vector<std::string>& lineColumns();       // of CI13_MOVCORPO, in the order buildLine fills them
std::vector<std::string> attributeColumns();         // of CO5L_ATTRIBUTIDEN

// One writer per table that movements fill; each flushes on its own turn.
struct MovementTables {
    explicit MovementTables(db::Connection& connection);
    void flush();

    TableWriter headers, lines, journalEntries, journalLines, documents, traces, attributes;
    TableWriter documentLines;
};

// The line of a movement; adds its amount to `total` (in the currency's smallest unit).
std::vector<db::Value> buildLine(Prng& random, const CompanyMasters& m, const MovementHeader& header, int line,
                                 long ordinal, std::int64_t& amount);

// Journal entry, warehouse document, allocation traces and attribute values of a movement whose lines
// have the given amounts.
class MovementLinks {
public:
    MovementLinks(MovementTables& tables, const CompanyMasters& masters) : tables_(tables), masters_(masters) {}
    void write(Prng& random, const MovementHeader& header, const std::string& headerGuid,
               const std::vector<std::string>& lineGuids, const std::vector<std::int64_t>& amounts);

private:
    void writeJournalEntry(Prng& random, const MovementHeader& header, const std::vector<std::int64_t>& amounts);
    void writeDocument(Prng& random, const MovementHeader& header, const std::vector<std::int64_t>& amounts);
    void writeDocumentLines(Prng& random, const MovementHeader& header, const std::vector<std::int64_t>& amounts);
    void writeTraces(Prng& random, const MovementHeader& header);
    void writeAttributeValues(Prng& random, const MovementHeader& header, const std::string& headerGuid,
                              const std::vector<std::string>& lineGuids);
    void remember(const MovementHeader& header);

    MovementTables& tables_;
    const CompanyMasters& masters_;
    std::deque<LineKey> recentLines_;       // candidates for allocation origins
};

} // namespace company::demo
