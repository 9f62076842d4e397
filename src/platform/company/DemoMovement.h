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
    void writeDocument(Prng& random, const MovementHeader& header);
    void writeTraces(Prng& random, const MovementHeader& header);
    void writeAttributeValues(Prng& random, const MovementHeader& header, const std::string& headerGuid,
                              const std::vector<std::string>& lineGuids);
    void remember(const MovementHeader& header);

    MovementTables& tables_;
    const CompanyMasters& masters_;
    std::deque<LineKey> recentLines_;       // candidates for allocation origins
};

} // namespace company::demo
