#pragma once
// The extraction routine of a processing (SelezioneMovimenti) and the state it leaves behind: the working
// table #MOVIMENTI on the connection, the movement set over it, the totals, the row filter and the
// extraction condition. One object lives as long as the window's connection; each run replaces all of it.

#include "db/Connection.h"
#include "db/Recordset.h"
#include "engine/ExtractionRequest.h"
#include "engine/ProgressSink.h"
#include "engine/SelectionTotals.h"

#include <string>

namespace quorvane {

class MovementExtraction {
public:
    explicit MovementExtraction(db::Connection& connection) : connection_(connection) {}

    // Drops and recreates #MOVIMENTI, reopens the movement set over it and computes the totals. True when
    // at least one row was extracted. A database error propagates (db::Error) with the state as far as it
    // got; a selection that cannot make a statement throws std::invalid_argument before anything runs.
    bool run(const ExtractionRequest& request, ProgressSink& progress);

    db::Recordset& movements() { return movements_; }
    const SelectionTotals& totals() const { return totals_; }
    const std::string& rowFilter() const { return rowFilter_; }
    const std::string& extractionCondition() const { return condition_; }

private:
    void dropWorkingTable();
    void computeTotals(const std::string& totalsStatement, int amountDecimals, ProgressSink& progress);

    db::Connection& connection_;
    db::Recordset movements_;
    SelectionTotals totals_;
    std::string rowFilter_;
    std::string condition_;
};

} // namespace quorvane
