#include "GridFontScale.h"

#include "controls/DataGrid.h"
#include "display/ColumnDigits.h"

#include <algorithm>
#include <cmath>

namespace quorvane::host {

double fontWidthScale(int digitTwips)
{
    return std::max(1.0, static_cast<double>(digitTwips) / display::designDigitTwips);
}

void scaleColumnsToFont(controls::DataGrid& grid)
{
    const int digitPixels = grid.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const double scale = fontWidthScale(digitPixels * 1440 / std::max(1, grid.logicalDpiX()));
    for (const controls::DataGridColumn& column : grid.columns())
        if (column.visible())
            grid.setColumnWidthTwips(column.key, static_cast<int>(std::lround(column.widthTwips * scale)));
    grid.applyLayout();
}

} // namespace quorvane::host
