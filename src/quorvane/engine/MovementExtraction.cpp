#include "engine/MovementExtraction.h"

#include "db/SqliteConnection.h"
#include "engine/PartitionedExtraction.h"
#include "engine/RegistrationPartitions.h"
#include "engine/SelectionTotalsReading.h"

namespace quorvane {

void MovementExtraction::dropWorkingTable()
{
    // The first processing of a connection finds no table: that is not an error.
    try {
        connection_.Execute(" DROP TABLE #MOVIMENTI ");
    } catch (const db::Error&) {
    }
}

bool MovementExtraction::run(const ExtractionRequest& request, ProgressSink& progress)
{
    const ExtractionStatements statements = buildExtractionStatements(request);
    dropWorkingTable();
    progress.progress(0, textExtracting);
    condition_ = statements.condition;
    rowFilter_ = statements.rowFilter;
    if (!runInParts(request, progress))
        runInOnePiece(statements, request.settings.amountDecimals, progress);
    return movements_.RecordCount() > 0;
}

void MovementExtraction::runInOnePiece(const ExtractionStatements& statements, int amountDecimals,
                                       ProgressSink& progress)
{
    connection_.Execute(statements.extraction);
    progress.progress(1, textReadingBack);
    movements_.Close();
    movements_ = connection_.Open(statements.finalSelect);
    if (movements_.RecordCount() == 0) {
        totals_ = zeroTotals(amountDecimals);
        return;
    }
    progress.progress(2, textTotals);
    totals_ = readSelectionTotals(connection_, statements.totals, amountDecimals);
}

// Only the embedded database runs in parts (SQL Server spreads one statement over its cores itself), and
// only a selection of more than one registration.
bool MovementExtraction::runInParts(const ExtractionRequest& request, ProgressSink& progress)
{
    const auto* embedded = dynamic_cast<const db::SqliteConnection*>(&connection_);
    if (threads_ < 2 || !embedded)
        return false;
    const std::vector<RegistrationRange> ranges = registrationPartitions(connection_, request, threads_);
    if (ranges.size() < 2)
        return false;
    movements_.Close();
    ExtractedParts parts = extractInParts(*embedded, request, ranges, progress);
    progress.progress(1, textReadingBack);
    movements_ = std::move(parts.movements);
    totals_ = parts.totals;
    return true;
}

} // namespace quorvane
