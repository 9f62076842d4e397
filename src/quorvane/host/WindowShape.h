#pragma once
// The shape the user gave the window, kept in the user's settings when the window closes and given to
// the next window he opens: its size, the movement grid's share above the lines' detail, and the widths
// of the grids' columns.

#include <QSize>
#include <QString>

#include <map>

namespace controls {
class DataGrid;
}

namespace quorvane::host {

// A grid's column widths in pixels, by column key; a hidden column keeps no width.
using ColumnWidths = std::map<QString, int>;

struct WindowShape {
    QSize size;                          // invalid: no window was closed yet
    int detailSplitPercentage = 0;       // 0: no split remembered
    std::map<QString, ColumnWidths> grids; // by the grid's object name
};

WindowShape readWindowShape();
void keepWindowShape(const WindowShape& shape);

ColumnWidths columnWidths(const controls::DataGrid& grid);
// Widths of columns the grid no longer has are skipped.
void applyColumnWidths(controls::DataGrid& grid, const ColumnWidths& widths);

} // namespace quorvane::host
