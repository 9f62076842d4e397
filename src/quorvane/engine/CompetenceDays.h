#pragma once
// The competence days of a line, computed by the server: TOTGGCOMP, the days of its competence from start
// to end inclusive, and GGCOMP, how many of them fall inside the selected period. A missing competence
// start or end is the default competence date. The amount shown is then pro-rated by GGCOMP / TOTGGCOMP.

#include "engine/CompetencePeriod.h"
#include "engine/StatementText.h"

#include <string>

namespace quorvane {

// The select-list items TOTGGCOMP and GGCOMP; defaultDate is the company's default competence-date expression.
void appendCompetenceDays(StatementText& select, const CompetencePeriod& period, const std::string& defaultDate);

} // namespace quorvane
