#pragma once
// An extraction run in parts on the embedded database. Each range of registrations runs on a read-only
// connection and a thread of its own, with the very statements of a processing in one piece restricted
// to its range: the extraction into that connection's #MOVIMENTI, the movement set read back and the
// totals. The parts' rows then become one movement set in registration order, numbered ("ID") as one
// extraction numbers them, and their totals one total. SQLite runs one statement on one core; the joins
// of the extraction are independent per registration, so the parts run on as many cores as there are.

#include "db/SqliteConnection.h"
#include "engine/ExtractionRequest.h"
#include "engine/ProgressSink.h"
#include "engine/SelectionTotals.h"

#include <stdexcept>
#include <vector>

namespace quorvane {

// The processing was stopped by its progress sink before every part had finished.
class ExtractionStopped : public std::runtime_error {
public:
    ExtractionStopped() : std::runtime_error("The processing was stopped before it ended.") {}
};

struct ExtractedParts {
    db::Recordset movements;
    SelectionTotals totals;
};

// One part per range, on connections opened as `connection` was but read-only. The first error of any
// part (db::Error, db::EngineFailure, ExtractionStopped when the sink stops them) stops all the others
// and is thrown once, after every part has ended.
ExtractedParts extractInParts(const db::SqliteConnection& connection, const ExtractionRequest& request,
                              const std::vector<RegistrationRange>& ranges, ProgressSink& progress);

} // namespace quorvane
