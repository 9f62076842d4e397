#pragma once
// The WHERE part of the extraction: the company, then one clause per selection condition of the panel
// and of the two advanced grids, in a fixed order.

#include "engine/CompetencePeriod.h"
#include "engine/ExtractionRequest.h"
#include "engine/StatementText.h"

#include <optional>

namespace quorvane {

StatementText extractionWhereClause(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period);

// The condition of the panel's registration dates, empty for none; its line begins with "   AND ".
StatementText registrationDateClause(const SelectionParameters& selection);

// The selector's condition over CGT0_CODICE made a condition on the movement's own type column: every
// "CGT0_CODICE", in any case, becomes "CI12_INDTIPOMOV".
std::string movementTypeClause(const std::string& selectorCondition);

} // namespace quorvane
