#pragma once
// The statement of the detail pane (CaricaRigheDiDettaglio): every line of one movement, read from the
// movement header and lines with the extraction's own joins, with the line's accounts, general-ledger
// counter-account, detection mode, attributes, amount, debit, credit, quantity and balance, origin and the
// nature of its expense item. With a competence period the amount and the quantity are the share of the
// line's competence days that falls inside it, rounded as the ledger rounds them.
//
// The lines are read in an inner select that also computes the competence days; the outer select turns
// them into the shown figures, since a select cannot use the days it computes itself.

#include "engine/CompetencePeriod.h"
#include "engine/EngineSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane::display {

struct DetailRowsRequest {
    EngineSettings settings;
    std::optional<CompetencePeriod> competence;   // when the competence period is chosen on the panel
    std::vector<std::string> lineAttributes;      // names of the line attributes (entity 30), in order
};

// Throws std::invalid_argument for an attribute name that is not a column name.
std::string detailRowsStatement(const DetailRowsRequest& request, const std::string& registrationNumber);

} // namespace quorvane::display
