#pragma once
// The cell formats of the two movement grids (their DataFormatEXT): account codes written in their chart's
// format, and coded values (document type, movement type, origin, cost-or-revenue kind) replaced by their
// description. A rule applies only when its source value is not empty; otherwise the text stays as it is.

#include "controls/DataGridRow.h"
#include "display/CellTexts.h"

#include <QString>
#include <QStringList>

namespace quorvane::display {

enum class MovementGrid { Movements, Detail };

struct CellFormats {
    MovementGrid grid = MovementGrid::Movements;
    const CellTexts& texts;
    int costCentreChart = 0;
    int expenseItemChart = 0;

    // The grid's callback: may replace the text about to be drawn in the key's column of the row.
    void format(const QString& key, QString& text, const controls::DataGridRow& row) const;
    // The columns whose text `format` may replace in this grid.
    QStringList keys() const;
};

} // namespace quorvane::display
