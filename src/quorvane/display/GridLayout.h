#pragma once
// The whole layout of one movement grid as data, in the order the grid receives it: the key field, the
// columns (attributes last), the alignments, the decimals, the width corrections, and the amount columns
// that carry the currency. InitGrid builds one for each grid from the company's settings.

#include "controls/DataGridColumn.h"
#include "display/GridLayoutSettings.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace quorvane::display {

struct GridLayout {
    QString keyField;
    std::optional<double> rowHeightPoints;             // none: the grid's own default
    std::vector<controls::DataGridColumn> columns;
    std::vector<std::pair<QString, controls::ColumnAlignment>> alignments;
    std::vector<std::pair<QString, int>> decimals;
    std::vector<std::pair<QString, int>> widths;       // twips; 0 hides
    std::vector<QString> currencyColumns;
    QString currencyText;
};

GridLayout movementGridLayout(const GridLayoutSettings& settings);
GridLayout detailGridLayout(const GridLayoutSettings& settings);

} // namespace quorvane::display
