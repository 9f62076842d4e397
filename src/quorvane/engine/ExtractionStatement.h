#pragma once
// The extraction statement: one SELECT … INTO #MOVIMENTI that gathers the selected movement lines of the
// company with every description the ledger shows, so that the server does the joining once instead of
// the window looking descriptions up row by row.

#include "engine/CompetencePeriod.h"
#include "engine/ExtractionRequest.h"
#include "engine/SelectList.h"

#include <optional>
#include <string>

namespace quorvane {

std::string extractionStatement(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period,
                                const AttributeLists& attributes);

// The tail of a statement from its first "WHERE" (in any case) to its end; empty when there is none.
// Printing reuses it so that the report reads exactly the lines that were extracted.
std::string extractionCondition(const std::string& statement);

} // namespace quorvane
