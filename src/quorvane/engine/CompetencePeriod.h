#pragma once
// The competence period of a selection: from the first day of the from-month to the last day of the
// to-month. Lines are then extracted when their competence overlaps it and their amounts are pro-rated
// by the days that fall inside it.

#include "selection/SelectionParameters.h"

#include <QDate>

#include <optional>
#include <string>

namespace quorvane {

struct CompetencePeriod {
    QDate first;              // P1: day 1 of the from-month
    QDate last;               // P2: last day of the to-month
    std::string firstSql;     // both as the server's date text, ready between quotes
    std::string lastSql;
};

// The period when CHK_PERIODOCOMP is "1", nothing otherwise. Throws std::invalid_argument when the
// months or years do not make a date (the settings check refuses such a selection first).
std::optional<CompetencePeriod> competencePeriodOf(const SelectionParameters& selection);

} // namespace quorvane
