#pragma once
// The name the export dialog proposes: the ledger's word in the user's language, then what the selection
// is about, so that exports of different selections do not overwrite each other by default.

#include "selection/SelectionParameters.h"

#include <QString>

namespace quorvane::host {

// "Partitario_0101001_2024-01-01_2024-03-31": the single account when the selection has one, then the
// registration dates it gives (or else its competence months, "2024-01_2024-03"), without a suffix. A
// character a file name should not hold becomes "_".
QString proposedExportName(const SelectionParameters& selection);

} // namespace quorvane::host
