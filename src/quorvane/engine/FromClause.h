#pragma once
// The FROM part of the extraction: the movement header and its lines, the general-ledger line, and every
// table, view and company function that gives a description, all read WITH (NOLOCK) so that the
// extraction neither waits for nor blocks the users entering movements.

#include "engine/EngineSettings.h"
#include "engine/SelectList.h"
#include "engine/StatementText.h"

namespace quorvane {

StatementText extractionFromClause(const EngineSettings& settings, const AttributeLists& attributes);

} // namespace quorvane
