#pragma once
// Which host program owns a movement line, and what it is opened with (GestioneMovimentoCOIN's decision).
// A movement deleted since the extraction opens nothing and gives host message 35169. Otherwise its origin
// decides:
//   2, 3  (general ledger)  the journal-entry program when a journal entry is linked and may be changed,
//                           the reconciliation program when one is linked but may not, else the movements
//                           program;
//   4, 5  (documents)       the warehouse document program when a document is linked, else the movements
//                           program;
//   any other origin        the cost-accounting movements program.

#include "drill/SourceChecks.h"

#include "db/Recordset.h"

#include <optional>
#include <string>

namespace quorvane::drill {

inline constexpr int messageMovementDeleted = 35169;

// The values of the movement set's current row that the decision reads.
struct SourceLine {
    std::string number;     // CI12_NUMREG_CO99
    int origin = 0;         // CI12_INDPROVENIENZA
    std::string reason;     // CI12_CODCAUS_CI03, the cost-accounting reason
};

// The current row, when the set is open and neither at BOF nor at EOF.
std::optional<SourceLine> sourceLineOf(const db::Recordset* movements);

enum class SourceProgram { None, Movements, JournalEntry, Reconciliation, Document };

// "movements", "journal-entry", "reconciliation", "document" or "none".
const char* programName(SourceProgram program);

// The program to open and what the window passes it; only the arguments of that program are filled.
struct SourceLaunch {
    SourceProgram program = SourceProgram::None;
    int company = 0;
    std::string number;          // every program
    std::string reason;          // movements program: the cost-accounting reason
    std::string ledgerReason;    // journal-entry program: the journal entry's reason
    std::string filter;          // journal-entry program: which entry
    std::string documentKey;     // document program
    int message = 0;             // the host message shown instead of a program (35169), 0 when none
};

// The decision for the line. Errors of the checks propagate from the checks (the window's own checks
// report them and answer false).
SourceLaunch chooseSourceProgram(SourceChecks& checks, int company, const SourceLine& line);

} // namespace quorvane::drill
