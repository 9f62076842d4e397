#pragma once
// The select list of the extraction into #MOVIMENTI: the movement header and line columns, the
// descriptions joined on the server, the period keys and, with a competence period, the competence days.
// Items follow the working table's column order; the conditional ones appear only when they apply.

#include "engine/CompetencePeriod.h"
#include "engine/ExtractionRequest.h"
#include "engine/StatementText.h"

#include <optional>
#include <string>

namespace quorvane {

struct AttributeLists {
    std::string header;   // ", CO5L_CI12.NAME…" or ""
    std::string line;     // ", CO5L_CI13.NAME…" or ""
};

StatementText extractionSelectList(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period,
                                   const AttributeLists& attributes);

} // namespace quorvane
