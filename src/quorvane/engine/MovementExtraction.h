#pragma once
// The extraction routine of a processing (SelezioneMovimenti) and the state it leaves behind: the movement
// set, the totals, the row filter and the extraction condition. One object lives as long as the window's
// connection; each run replaces all of it.
//
// In one piece, the run leaves the working table #MOVIMENTI on the connection. On the embedded database
// with more than one thread it runs in parts (PartitionedExtraction.h): each part's #MOVIMENTI lives on a
// connection of its own, the window's connection keeps none, and the movement set and the totals are the
// same, row for row and cent for cent, as in one piece.

#include "db/Connection.h"
#include "db/Recordset.h"
#include "engine/ExtractionRequest.h"
#include "engine/ExtractionStatements.h"
#include "engine/ProgressSink.h"
#include "engine/SelectionTotals.h"

#include <string>

namespace quorvane {

class MovementExtraction {
public:
    // `threads` parts at most, each on a core of its own; 1 runs the processing in one piece.
    explicit MovementExtraction(db::Connection& connection, int threads = 1)
        : connection_(connection), threads_(threads)
    {
    }

    // Drops and recreates #MOVIMENTI (each part's, when run in parts), reads the movement set back from it
    // and computes the totals. True when at least one row was extracted. A database error propagates (db::Error) with the state as far as it
    // got; a selection that cannot make a statement throws std::invalid_argument before anything runs.
    bool run(const ExtractionRequest& request, ProgressSink& progress);

    db::Recordset& movements() { return movements_; }
    const SelectionTotals& totals() const { return totals_; }
    const std::string& rowFilter() const { return rowFilter_; }
    const std::string& extractionCondition() const { return condition_; }

private:
    void dropWorkingTable();
    void runInOnePiece(const ExtractionStatements& statements, int amountDecimals, ProgressSink& progress);
    bool runInParts(const ExtractionRequest& request, ProgressSink& progress);

    db::Connection& connection_;
    int threads_;
    db::Recordset movements_;
    SelectionTotals totals_;
    std::string rowFilter_;
    std::string condition_;
};

} // namespace quorvane
