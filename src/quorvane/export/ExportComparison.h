#pragma once
// The comparison beside an exported ledger: the comparison's balance of every group and of the whole
// selection. The spreadsheet writes it on each totals row, with the variance and the variance in percent, in
// three columns after the grid's, so that a spreadsheet user can pivot actual against comparison.

#include "db/Value.h"
#include "engine/GroupTree.h"
#include "engine/NodeFigures.h"
#include "export/ExportColumns.h"

#include <QString>

#include <functional>
#include <unordered_map>
#include <vector>

namespace quorvane::exporting {

// The keys of the three columns.
inline constexpr const char* comparisonKey = "CONFRONTO";
inline constexpr const char* varianceKey = "SCOSTAMENTO";
inline constexpr const char* variancePercentKey = "SCOSTAMENTO_PERC";

struct ExportComparison {
    std::unordered_map<const GroupNode*, db::Decimal> groups;
    db::Decimal selection;
    QString comparisonCaption, varianceCaption, variancePercentCaption;   // in the user's language
};

// The comparison of a ledger from every node's figures, in creation order, and the comparison's balance of
// the whole selection, its captions the host texts `text` gives in the user's language.
ExportComparison exportComparison(const GroupTree& tree, const std::vector<NodeFigures>& figures,
                                  const db::Decimal& selection, const std::function<QString(int)>& text);

// The columns with the comparison's three after them, as wide as the balance and at its decimals (the
// percent at two).
ExportColumns withComparisonColumns(ExportColumns columns, const ExportComparison& comparison);

} // namespace quorvane::exporting
